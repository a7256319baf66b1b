#pragma once

// The marks and the cut. Positions and lengths are milliseconds as the player reports them
// (position -1 and length 0 when it cannot); every intermediate is a double, the product is
// formed before the division, and the result goes through the truncating conversion, so an
// unknown position or length gives the offset 0 and a position of -1 a small negative offset.

#include <cstdint>
#include <string_view>

#include "core/program_state.h"

namespace ringlark {

// position x source_size / length, truncated.
std::int32_t byte_offset(std::int32_t position, double source_size, std::int32_t length);

// start_offset := the byte offset of the position.
void set_start(ProgramState& state, std::int32_t position, std::int32_t length);

// end_slider := slider_position; end_offset := the byte offset of the position; ringtone_data
// := the bytes of `source_path` from the 1-based start_offset, end_offset - start_offset of
// them, both clamped to the file. An unreadable file, an end before the start or a start
// beyond the end gives the empty buffer, which replaces the previous cut all the same.
void set_end(ProgramState& state, std::int32_t slider_position, std::int32_t position, std::int32_t length,
             std::string_view source_path);

// source_size := the byte count of `source_path`, 0.0 when it cannot be read.
void record_source_size(ProgramState& state, std::string_view source_path);

}  // namespace ringlark
