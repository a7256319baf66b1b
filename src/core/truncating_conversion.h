#pragma once

#include <cstdint>

namespace ringlark {

// Every computed double becomes an integer through this conversion: truncation toward zero
// to a signed 64-bit integer, of which the low 32 bits (two's complement) are the result.
// NaN, an infinity or a value outside the signed 64-bit range gives 0.
std::int32_t truncate_to_int32(double value);

}  // namespace ringlark
