#include "core/marks.h"

#include "core/file_read.h"
#include "core/truncating_conversion.h"

namespace ringlark {

std::int32_t byte_offset(std::int32_t position, double source_size, std::int32_t length) {
  const double product = static_cast<double>(position) * source_size;
  return truncate_to_int32(product / static_cast<double>(length));
}

void set_start(ProgramState& state, std::int32_t position, std::int32_t length) {
  state.start_offset = byte_offset(position, state.source_size, length);
}

void set_end(ProgramState& state, std::int32_t slider_position, std::int32_t position, std::int32_t length,
             std::string_view source_path) {
  state.end_slider = slider_position;
  state.end_offset = byte_offset(position, state.source_size, length);
  const std::int32_t count =
      truncate_to_int32(static_cast<double>(state.end_offset) - static_cast<double>(state.start_offset));
  state.ringtone_data = read_file_part(source_path, state.start_offset, count);
}

void record_source_size(ProgramState& state, std::string_view source_path) {
  state.source_size = static_cast<double>(readable_byte_count(source_path));
}

}  // namespace ringlark
