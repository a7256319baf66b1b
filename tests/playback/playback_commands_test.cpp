#include "playback/playback_commands.h"

#include <gtest/gtest.h>
#include <QTest>

#include "support/file_dialog_answers.h"
#include "support/handler_test.h"

namespace ringlark {
namespace {

using Calls = std::vector<std::string>;

using PlaybackCommands = testing_support::HandlerTest;

TEST_F(PlaybackCommands, PlayOpensAndPlaysTheSongAndShowsWhatItIs) {
  struct Case {
    std::string bytes;  // of the file named in 编辑框1; none for an empty 编辑框1
    std::int32_t length;
    const char* length_text;
    std::int32_t slider_maximum;
  };
  const Case cases[] = {
      {"0123456789", 207'999, "03:27", 207},
      {"", 0, "00:00", 0},  // nothing that opens: the failure values pass through
      {"x", 40'000'000, "666:40", 32767},
  };
  for (const Case& c : cases) {
    const std::string path = c.bytes.empty() ? "" : dir.write("song.mp3", c.bytes);
    controls.编辑框1.set_text(path);
    controls.按钮3.set_caption("继续播放");
    player.calls.clear();
    player.length = c.length;

    play(controls, state);

    EXPECT_EQ(player.calls, (Calls{"open " + path, "play -1"}));
    EXPECT_EQ(controls.按钮3.caption(), "暂停播放") << "playback has started";
    EXPECT_EQ(controls.滑块条1.position(), 1);
    EXPECT_EQ(controls.滑块条1.maximum(), c.slider_maximum);
    EXPECT_EQ(controls.标签2.caption(), c.length_text);
    EXPECT_EQ(state.source_size, static_cast<double>(c.bytes.size()));
    EXPECT_EQ(controls.时钟1.period(), 1000);
  }
}

TEST_F(PlaybackCommands, ASecondPlayKeepsTheClocksPhase) {
  play(controls, state);
  const std::int64_t starts = controls.时钟1.start_count();
  play(controls, state);
  EXPECT_EQ(controls.时钟1.start_count(), starts);
  EXPECT_TRUE(controls.时钟1.is_running());
}

TEST_F(PlaybackCommands, TheCaptionDecidesBetweenPauseAndPlayingOn) {
  pause_or_resume(controls);
  EXPECT_EQ(controls.按钮3.caption(), "继续播放");
  pause_or_resume(controls);
  EXPECT_EQ(controls.按钮3.caption(), "暂停播放");
  EXPECT_EQ(player.calls, (Calls{"pause toggle", "play -1"}));
}

TEST_F(PlaybackCommands, StopTouchesOnlyThePlayer) {
  play(controls, state);
  pause_or_resume(controls);
  player.calls.clear();
  stop(controls);
  EXPECT_EQ(player.calls, Calls{"stop"});
  EXPECT_EQ(controls.按钮3.caption(), "继续播放");
  EXPECT_TRUE(controls.时钟1.is_running());
}

TEST_F(PlaybackCommands, TheUsersSliderMovesSeekInWholeSeconds) {
  controls.滑块条1.on_position_changed([&] { seek(controls); });
  controls.滑块条1.set_maximum(30);
  controls.按钮3.set_caption("继续播放");

  QTest::keyClick(&controls.滑块条1, Qt::Key_End);
  QTest::keyClick(&controls.滑块条1, Qt::Key_Left);
  QTest::keyClick(&controls.滑块条1, Qt::Key_Home);  // the left end is 1 s, never 0
  controls.滑块条1.set_position(12);                 // the program's writes never seek

  EXPECT_EQ(player.calls, (Calls{"play 30000", "play 29000", "play 1000"}));
  EXPECT_EQ(controls.按钮3.caption(), "暂停播放");
}

TEST_F(PlaybackCommands, BrowsePutsTheConfirmedPathIntoTheEditBox) {
  const std::string song = dir.write("歌 1.mp3", "x");
  controls.编辑框1.set_text("typed.mp3");

  testing_support::cancel_next_file_dialog();
  browse(controls);
  EXPECT_EQ(controls.编辑框1.text(), "typed.mp3") << "a cancelled dialog changes nothing";

  testing_support::answer_next_file_dialog(song);
  browse(controls);
  EXPECT_EQ(controls.编辑框1.text(), song);
  EXPECT_EQ(controls.通用对话框1.kind(), FileDialogKind::open);
  EXPECT_EQ(controls.通用对话框1.filter(), "mp3文件|*.mp3");
  EXPECT_EQ(controls.时钟2.period(), 0) << "only an end mark starts the watch";
}

}  // namespace
}  // namespace ringlark
