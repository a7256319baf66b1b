#include "core/truncating_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ringlark {
namespace {

struct Case {
  double value;
  std::int32_t expected;
};

TEST(TruncatingConversion, KeepsTheLowThirtyTwoBitsOfTheTruncatedValue) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {0.0, 0},
      {-0.5, 0},
      {0.999, 0},
      {-1.999, -1},
      {979686.978, 979686},
      {-15.999, -15},
      {2147483647.0, 2147483647},
      {2147483648.0, -2147483647 - 1},  // 2^31 wraps to the lowest int32
      {-2147483648.0, -2147483647 - 1},
      {-2147483649.0, 2147483647},
      {4294967296.0 + 5.0, 5},         // 2^32 + 5
      {9223372036854775808.0, 0},      // 2^63 is outside the 64-bit range
      {-9223372036854775808.0, 0},     // -2^63 is inside; its low 32 bits are 0
      {-9223372036854777856.0, 0},     // the next double below -2^63 is outside
      {9223372036854774784.0, -1024},  // the largest double below 2^63
      {1e300, 0},
      {nan, 0},
      {inf, 0},
      {-inf, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(truncate_to_int32(c.value), c.expected) << "value " << c.value;
  }
}

}  // namespace
}  // namespace ringlark
