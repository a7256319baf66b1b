#include "core/clock_text.h"

#include <gtest/gtest.h>

namespace ringlark {
namespace {

TEST(ClockText, OfOneReading) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "00:00"},
      {999, "00:00"},
      {1'000, "00:01"},
      {59'999, "00:59"},
      {60'000, "01:00"},
      {65'000, "01:05"},
      {599'999, "09:59"},
      {600'000, "10:00"},
      {3'600'000, "60:00"},
      {5'999'999, "99:59"},
      {-1, "00:-1"},
      {-1'000, "00:-1"},
      {-60'000, "-1:00"},
      {-59'999, "00:60"},
      {-61'000, "-1:-1"},
      // From 100 minutes on, every minute digit stays.
      {6'000'000, "100:00"},
      {6'065'000, "101:05"},
      {2'147'483'647, "35791:23"},
  };
  for (const auto& [milliseconds, text] : cases) {
    EXPECT_EQ(clock_text(milliseconds, milliseconds), text) << milliseconds;
  }
}

TEST(ClockText, TakesTheMinutesAndTheSecondsFromTheirOwnReadings) {
  EXPECT_EQ(clock_text(59'999, 60'010), "00:00");
  EXPECT_EQ(clock_text(119'990, 120'004), "01:00");
  EXPECT_EQ(minutes_figure(65'400), "01");
  EXPECT_EQ(seconds_figure(65'400), "05");
}

}  // namespace
}  // namespace ringlark
