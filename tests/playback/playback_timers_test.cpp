#include "playback/playback_timers.h"

#include <gtest/gtest.h>

#include "support/handler_test.h"

namespace ringlark {
namespace {

using PlaybackTimers = testing_support::HandlerTest;

TEST_F(PlaybackTimers, TheClockShowsThePositionAndMovesTheSlider) {
  struct Case {
    std::deque<std::int32_t> readings;
    const char* caption;
    std::int32_t slider;
  };
  const Case cases[] = {
      {{65'400}, "01:05", 65},
      {{65'999}, "01:05", 65},
      {{-1}, "00:-1", 0},                       // nothing open
      {{0}, "00:00", 0},                        // stopped and rewound
      {{59'999, 60'010, 60'020}, "00:00", 60},  // a minute boundary between the readings
  };
  for (const Case& c : cases) {
    player.positions = c.readings;
    clock_tick(controls);
    EXPECT_EQ(controls.标签4.caption(), c.caption);
    EXPECT_EQ(controls.滑块条1.position(), c.slider);
  }
}

TEST_F(PlaybackTimers, TheWatchStopsOnlyAtTheEndMark) {
  state.end_slider = 30;
  for (const std::int32_t slider : {29, 31, 30}) {
    controls.滑块条1.set_position(slider);
    end_mark_watch(controls, state);
  }
  EXPECT_EQ(player.calls, std::vector<std::string>{"stop"});
}

}  // namespace
}  // namespace ringlark
