#pragma once

#include <cstdint>
#include <vector>

namespace ringlark {

// Bytes with a length. The empty buffer is a legal value that stands for "nothing":
// a failed or empty read gives it, and so does a cut that selects no bytes.
using ByteBuffer = std::vector<std::uint8_t>;

}  // namespace ringlark
