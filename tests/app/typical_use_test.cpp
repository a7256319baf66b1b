// The whole road of one use, on the real program with the real audio engine (null output):
// Browse, Play, the clock, Set start, Set end, Save, Preview, and Esc.

#include <gtest/gtest.h>
#include <QTest>

#include <memory>
#include <vector>

#include "app/program.h"
#include "core/file_read.h"
#include "core/marks.h"
#include "core/text.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/audio_media_player.h"
#include "platform/audio/engine_mp3_player.h"
#include "support/file_dialog_answers.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

// The real song player, keeping every position it reports, so the test knows what each mark saw.
class RecordingPlayer : public MediaPlayer {
 public:
  explicit RecordingPlayer(AudioEngine& engine) : player_(engine) {}

  void open(const std::string& path) override { player_.open(path); }
  void play(std::int32_t from_ms) override { player_.play(from_ms); }
  void toggle_pause() override { player_.toggle_pause(); }
  void stop_and_rewind() override { player_.stop_and_rewind(); }
  std::int32_t length_ms() const override { return player_.length_ms(); }
  std::int32_t length_seconds() const override { return player_.length_seconds(); }
  std::int32_t position_ms() const override { return readings.emplace_back(player_.position_ms()); }

  mutable std::vector<std::int32_t> readings;

 private:
  AudioMediaPlayer player_;
};

// The position that the one handler run by `click` asked for.
std::int32_t position_seen_by(RecordingPlayer& player, PushButton& button) {
  player.readings.clear();
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(player.readings.size(), 1u);
  return player.readings.front();
}

TEST(TypicalUse, FromBrowseToPreviewAndOutThroughEsc) {
  testing_support::TempDir dir;
  const ByteBuffer song_bytes = read_whole_file(std::string(RINGLARK_FIXTURES_DIR) + "/cbr_44k_stereo.mp3");
  const std::string song = dir.write("歌 (demo).mp3", std::string(song_bytes.begin(), song_bytes.end()));
  const std::string ringtone = dir.path().string() + "/铃声.mp3";

  AudioEngine engine;
  auto song_player = std::make_unique<RecordingPlayer>(engine);
  auto preview_player = std::make_unique<EngineMp3Player>(engine);
  RecordingPlayer& player = *song_player;
  EngineMp3Player& preview = *preview_player;
  Program program(std::move(song_player), std::move(preview_player));
  ASSERT_TRUE(program.create_window());
  Controls& controls = *program.controls();

  testing_support::answer_next_file_dialog(song);
  QTest::mouseClick(&controls.按钮1, Qt::LeftButton);
  ASSERT_EQ(controls.编辑框1.text(), song);

  QTest::mouseClick(&controls.按钮2, Qt::LeftButton);
  EXPECT_EQ(controls.标签2.caption(), "00:02");
  EXPECT_EQ(controls.滑块条1.maximum(), 2);
  // The clock's first tick comes a second after Play.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !controls.标签4.caption().empty(); }, 5000));
  const std::string clock = controls.标签4.caption();
  EXPECT_TRUE(clock == "00:00" || clock == "00:01") << clock;

  const std::string clock_at_start = controls.标签4.caption();
  const std::int32_t start_position = position_seen_by(player, controls.按钮7);
  EXPECT_EQ(controls.标签7.caption(), clock_at_start);
  ASSERT_TRUE(QTest::qWaitFor([&] { return player.position_ms() > start_position + 300; }, 5000));
  const std::string clock_at_end = controls.标签4.caption();
  const std::int32_t end_position = position_seen_by(player, controls.按钮8);
  EXPECT_EQ(controls.标签10.caption(), clock_at_end);

  const double size = static_cast<double>(song_bytes.size());
  const std::int32_t start_offset = byte_offset(start_position, size, player.length_ms());
  const std::int32_t end_offset = byte_offset(end_position, size, player.length_ms());
  const ByteBuffer cut = middle(song_bytes, start_offset, end_offset - start_offset);
  ASSERT_FALSE(cut.empty());

  testing_support::answer_next_file_dialog(ringtone);
  QTest::mouseClick(&controls.按钮9, Qt::LeftButton);
  EXPECT_EQ(read_whole_file(ringtone), cut);

  QTest::mouseClick(&controls.按钮10, Qt::LeftButton);
  EXPECT_TRUE(preview.is_sounding());

  // Esc, as a person presses it in the window once the dialogs are gone.
  program.window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(program.window()));
  QTimer::singleShot(0, [&] { QTest::keyClick(&controls.编辑框1, Qt::Key_Escape); });
  EXPECT_EQ(program.run_until_closed(), 0);
  EXPECT_EQ(program.exit_cleanups_run(), 1);
  EXPECT_TRUE(program.state().ringtone_data.empty()) << "the exit clean-up released the cut";
}

}  // namespace
}  // namespace ringlark
