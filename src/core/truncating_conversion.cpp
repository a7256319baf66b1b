#include "core/truncating_conversion.h"

#include <cmath>

namespace ringlark {

std::int32_t truncate_to_int32(double value) {
  constexpr double two_to_63 = 9223372036854775808.0;
  if (!std::isfinite(value)) return 0;
  const double whole = std::trunc(value);
  if (whole < -two_to_63 || whole >= two_to_63) return 0;
  const auto wide = static_cast<std::int64_t>(whole);
  // C++20 defines the narrowing of an unsigned value to a signed one as modular.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

}  // namespace ringlark
