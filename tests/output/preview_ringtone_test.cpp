#include "output/preview_ringtone.h"

#include <gtest/gtest.h>

#include "core/file_read.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/audio_media_player.h"
#include "platform/audio/engine_mp3_player.h"
#include "platform/desktop_folder.h"
#include "support/handler_test.h"
#include "support/scripted_mp3_player.h"

namespace ringlark {
namespace {

using Calls = std::vector<std::string>;

using PreviewRingtone = testing_support::HandlerTest;

TEST_F(PreviewRingtone, PlaysTheCutFromMemoryOnce) {
  testing_support::ScriptedMp3Player preview;
  state.ringtone_data = ByteBuffer(417, 0);
  preview_ringtone(controls, state, preview);
  EXPECT_EQ(preview.calls, Calls{"bytes 417 x1"});
}

TEST_F(PreviewRingtone, WithoutACutPlaysTheDesktopFileNamedAfterTheSong) {
  const std::string desktop = desktop_folder();
  const std::pair<std::string, std::string> cases[] = {
      {"/music/song.mp3", desktop + "song_sh.mp3"},
      {"/music/song", desktop + "_sh.mp3"},
      {"", desktop + "_sh.mp3"},
  };
  for (const auto& [source, preview_file] : cases) {
    testing_support::ScriptedMp3Player preview;
    controls.编辑框1.set_text(source);
    preview_ringtone(controls, state, preview);
    EXPECT_EQ(preview.calls, Calls{"file " + preview_file + " x1"});
  }
}

// On the real engine: the cut sounds beside the song, and a second click starts it again.
TEST_F(PreviewRingtone, SoundsBesideTheSongAndRestartsOnTheNextClick) {
  AudioEngine engine{pumped_output};
  AudioMediaPlayer song{engine};
  EngineMp3Player preview{engine};
  const std::string fixture = std::string(RINGLARK_FIXTURES_DIR) + "/cbr_44k_stereo.mp3";
  state.ringtone_data = read_whole_file(fixture);
  song.open(fixture);
  song.play(-1);

  preview_ringtone(controls, state, preview);
  engine.pump(44'100 / 2);
  EXPECT_TRUE(preview.is_sounding());
  EXPECT_GT(preview.position_ms(), 0);
  EXPECT_GT(song.position_ms(), 0);

  const std::int32_t song_before = song.position_ms();
  preview_ringtone(controls, state, preview);
  EXPECT_LT(preview.position_ms(), 100) << "the second click starts from the beginning";
  engine.pump(44'100 / 10);
  EXPECT_GT(song.position_ms(), song_before) << "the song plays on";
}

}  // namespace
}  // namespace ringlark
