#pragma once

#include <cstdint>

#include "core/byte_buffer.h"

namespace ringlark {

// What the handlers share for the whole run, at its start values. Nothing resets a field:
// each keeps its last value until the handler that owns it writes it again.
struct ProgramState {
  ByteBuffer ringtone_data;     // the last cut, written by Set end, saved by Save
  double source_size = 0.0;     // byte count of the source at the last Play
  std::int32_t end_slider = 0;  // slider position (whole seconds) at the last Set end
  std::int32_t end_offset = 0;
  std::int32_t start_offset = 0;
};

}  // namespace ringlark
