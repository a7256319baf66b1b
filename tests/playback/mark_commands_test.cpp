#include "playback/mark_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/handler_test.h"

namespace ringlark {
namespace {

using MarkCommands = testing_support::HandlerTest;

TEST_F(MarkCommands, SetStartCopiesTheClockAndMarksTheStartOffset) {
  struct Case {
    std::int32_t position;
    std::int32_t length;
    double source_size;
    std::int32_t start_offset;
  };
  const Case cases[] = {
      {30'000, 200'000, 1000.0, 150},
      {-1, 200'000, 1000.0, 0},  // -1 x 1000 / 200000 truncates to 0
      {-1, 2'000, 100'000.0, -50},
      {5'000, 0, 1000.0, 0},  // no length: the division gives infinity, which converts to 0
  };
  for (const Case& c : cases) {
    controls.标签4.set_caption("01:23");
    player.positions = {c.position};
    player.length = c.length;
    state.source_size = c.source_size;

    set_start(controls, state);

    EXPECT_EQ(controls.标签7.caption(), "01:23");
    EXPECT_EQ(state.start_offset, c.start_offset) << c.position << " of " << c.length;
  }
}

TEST_F(MarkCommands, SetEndCutsBetweenTheMarksAndStartsTheEndMarkWatch) {
  controls.编辑框1.set_text(dir.write("song.mp3", "0123456789"));
  controls.滑块条1.set_position(7);
  controls.标签4.set_caption("00:07");
  state.source_size = 10.0;
  state.start_offset = 2;
  player.length = 10'000;
  player.positions = {7'000};

  set_end(controls, state);

  EXPECT_EQ(controls.标签10.caption(), "00:07");
  EXPECT_EQ(state.end_slider, 7);
  EXPECT_EQ(state.end_offset, 7);
  EXPECT_EQ(std::string(state.ringtone_data.begin(), state.ringtone_data.end()), "12345")
      << "from the 1-based start offset";
  EXPECT_EQ(controls.时钟2.period(), 500);
  EXPECT_TRUE(controls.时钟2.is_running());

  const std::int64_t starts = controls.时钟2.start_count();
  set_end(controls, state);
  EXPECT_EQ(controls.时钟2.start_count(), starts) << "a second Set end keeps the watch's phase";
}

TEST_F(MarkCommands, SetEndReadsTheStoredSliderPositionNotTheThumb) {
  controls.滑块条1.set_position(0);  // the thumb stays at 1
  set_end(controls, state);
  EXPECT_EQ(state.end_slider, 0);
}

}  // namespace
}  // namespace ringlark
