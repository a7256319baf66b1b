#pragma once

#include <optional>
#include <string>

#include "core/byte_buffer.h"

namespace ringlark {

// Writes `bytes` to a temporary file beside `path` and then moves it over `path`, so the target
// is either replaced whole or left as it was. Gives the system's reason when it failed.
std::optional<std::string> write_file_atomically(const std::string& path, const ByteBuffer& bytes);

}  // namespace ringlark
