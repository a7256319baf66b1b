#include "platform/audio/audio_media_player.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/audio/audio_engine.h"
#include "platform/audio/audio_test_support.h"
#include "platform/audio/decoder.h"
#include "platform/audio/pcm_format.h"

namespace ringlark {
namespace {

using audio_test::fixture;
using audio_test::silent;

constexpr std::int32_t kSongMs = 2494;  // cbr_44k_stereo.mp3: 110000 frames
constexpr std::size_t kTenthOfASecond = kMixRate / 10;

// The song player on an engine that advances only when the test pumps it.
class AudioMediaPlayerTest : public ::testing::Test {
 protected:
  std::vector<float> pump(std::size_t frames) { return engine.pump(frames); }

  AudioEngine engine{pumped_output};
  AudioMediaPlayer player{engine};
  std::string song = fixture("cbr_44k_stereo.mp3");
};

TEST_F(AudioMediaPlayerTest, NothingOpenAnswersLengthZeroAndPositionMinusOne) {
  audio_test::TempDir dir;
  for (const std::string& path : {std::string(), dir.path("missing.mp3"), fixture("wav_named.mp3")}) {
    SCOPED_TRACE(path);
    player.open(song);
    player.play(-1);
    player.open(path);  // closes the song first
    player.play(-1);
    player.toggle_pause();
    player.stop_and_rewind();
    EXPECT_EQ(player.length_ms(), 0);
    EXPECT_EQ(player.length_seconds(), 0);
    EXPECT_EQ(player.position_ms(), -1);
    EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  }
}

TEST_F(AudioMediaPlayerTest, OpenKnowsTheExactLengthAndWaitsAtTheStart) {
  player.open(song);
  EXPECT_EQ(player.length_ms(), kSongMs);
  EXPECT_EQ(player.length_seconds(), 2);
  EXPECT_EQ(player.position_ms(), 0);
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  EXPECT_EQ(player.position_ms(), 0);
}

TEST_F(AudioMediaPlayerTest, PositionFollowsTheFramesPlayed) {
  player.open(song);
  player.play(-1);
  EXPECT_FALSE(silent(pump(kMixRate)));
  EXPECT_EQ(player.position_ms(), 1000);
  pump(kTenthOfASecond);
  EXPECT_EQ(player.position_ms(), 1100);
}

TEST_F(AudioMediaPlayerTest, PlayFromAPositionSoundsTheSongFromThere) {
  auto decoder = Decoder::open_file(song);
  const std::vector<float> whole = audio_test::decode_rest(*decoder);
  player.open(song);
  for (const std::int32_t from_ms : {1500, 200, 0, 1}) {
    SCOPED_TRACE(from_ms);
    player.play(from_ms);
    EXPECT_EQ(player.position_ms(), from_ms);
    const std::vector<float> heard = pump(kTenthOfASecond);
    const auto start = whole.begin() + frames_from_ms(from_ms) * kMixChannels;
    EXPECT_TRUE(audio_test::same_samples(
        heard, std::vector<float>(start, start + static_cast<std::ptrdiff_t>(heard.size()))));
    EXPECT_EQ(player.position_ms(), from_ms + 100);
  }
}

TEST_F(AudioMediaPlayerTest, PauseHoldsThePositionAndResumeGoesOn) {
  player.open(song);
  player.play(500);
  pump(kTenthOfASecond);
  player.toggle_pause();
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  EXPECT_EQ(player.position_ms(), 600);
  player.toggle_pause();
  EXPECT_FALSE(silent(pump(kTenthOfASecond)));
  EXPECT_EQ(player.position_ms(), 700);
}

TEST_F(AudioMediaPlayerTest, PlayClearsThePausedState) {
  player.open(song);
  player.play(-1);
  player.toggle_pause();
  player.play(-1);  // plays on from 0, paused state cleared
  pump(kTenthOfASecond);
  EXPECT_EQ(player.position_ms(), 100);
  player.toggle_pause();  // so this pauses rather than resumes
  pump(kTenthOfASecond);
  EXPECT_EQ(player.position_ms(), 100);
}

TEST_F(AudioMediaPlayerTest, StopRewindsAndPlayOnStartsOver) {
  player.open(song);
  player.play(1000);
  pump(kTenthOfASecond);
  player.stop_and_rewind();
  EXPECT_EQ(player.position_ms(), 0);
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  EXPECT_EQ(player.position_ms(), 0);
  player.play(-1);
  pump(kTenthOfASecond);
  EXPECT_EQ(player.position_ms(), 100);
}

TEST_F(AudioMediaPlayerTest, TheEndStopsPlaybackAndThePositionStaysThere) {
  player.open(song);
  player.play(kSongMs - 100);
  pump(kMixRate);
  EXPECT_EQ(player.position_ms(), kSongMs);
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  player.play(-1);  // plays on from the end: nothing left
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  EXPECT_EQ(player.position_ms(), kSongMs);
  player.stop_and_rewind();
  EXPECT_EQ(player.position_ms(), 0);
}

TEST_F(AudioMediaPlayerTest, PlayBeyondTheEndStaysAtTheEnd) {
  player.open(song);
  player.play(kSongMs + 5000);
  EXPECT_EQ(player.position_ms(), kSongMs);
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
  EXPECT_EQ(player.position_ms(), kSongMs);
}

TEST_F(AudioMediaPlayerTest, OpenAgainWhilePlayingStartsFromNothing) {
  player.open(song);
  player.play(1000);
  pump(kTenthOfASecond);
  player.open(song);
  EXPECT_EQ(player.position_ms(), 0);
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
}

TEST_F(AudioMediaPlayerTest, DestroyingThePlayerSilencesTheSong) {
  {
    AudioMediaPlayer other(engine);
    other.open(song);
    other.play(-1);
    EXPECT_FALSE(silent(pump(kTenthOfASecond)));
  }
  EXPECT_TRUE(silent(pump(kTenthOfASecond)));
}

TEST_F(AudioMediaPlayerTest, AFileChangedWhilePlayingNeverBreaksPlayback) {
  struct Change {
    const char* name;
    void (*apply)(const std::string& path, const audio_test::TempDir& dir);
    bool plays_to_the_end;  // from the descriptor that stays open
  };
  const Change changes[] = {
      {"deleted", [](const std::string& path, const auto&) { std::filesystem::remove(path); }, true},
      {"replaced by another file",
       [](const std::string& path, const auto& dir) {
         std::filesystem::rename(dir.write("other.mp3", audio_test::fixture_bytes("mono_22k.mp3")), path);
       },
       true},
      {"emptied in place",
       [](const std::string& path, const auto&) { std::filesystem::resize_file(path, 0); }, false},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    audio_test::TempDir dir;
    const std::string path = dir.write("song.mp3", audio_test::fixture_bytes("cbr_44k_stereo.mp3"));
    player.open(path);
    player.play(-1);
    pump(kMixRate);
    change.apply(path, dir);
    pump(2 * kMixRate);
    EXPECT_TRUE(silent(pump(kTenthOfASecond)));
    if (change.plays_to_the_end) {
      EXPECT_EQ(player.position_ms(), kSongMs);
    } else {
      EXPECT_GE(player.position_ms(), 1000);
      EXPECT_LE(player.position_ms(), kSongMs);
    }
  }
}

}  // namespace
}  // namespace ringlark
