#include "platform/audio/engine_mp3_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/audio_engine.h"
#include "platform/audio/audio_media_player.h"
#include "platform/audio/audio_test_support.h"
#include "platform/audio/decoder.h"
#include "platform/audio/pcm_format.h"

namespace ringlark {
namespace {

using audio_test::fixture;
using audio_test::fixture_bytes;
using audio_test::silent;

constexpr std::size_t kTenthOfASecond = kMixRate / 10;

std::vector<float> decoded(const std::string& name) {
  const auto decoder = Decoder::open_file(fixture(name));
  return audio_test::decode_rest(*decoder);
}

std::vector<float> repeated(const std::vector<float>& samples, int times) {
  std::vector<float> all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), samples.begin(), samples.end());
  return all;
}

// The preview player on an engine that advances only when the test pumps it.
class EngineMp3PlayerTest : public ::testing::Test {
 protected:
  AudioEngine engine{pumped_output};
  EngineMp3Player player{engine};
  std::vector<float> ringtone = decoded("mono_22k.mp3");
  std::size_t ringtone_frames = audio_test::frames_in(ringtone);
};

TEST_F(EngineMp3PlayerTest, PlaysAFileTheTimesAskedThenFallsSilent) {
  for (const int times : {1, 3}) {
    SCOPED_TRACE(times);
    player.play_file(fixture("mono_22k.mp3"), times);
    EXPECT_TRUE(player.is_sounding());
    EXPECT_TRUE(audio_test::same_samples(engine.pump(ringtone_frames * static_cast<std::size_t>(times)),
                                         repeated(ringtone, times)));
    EXPECT_TRUE(silent(engine.pump(kTenthOfASecond)));
    EXPECT_FALSE(player.is_sounding());
    EXPECT_EQ(player.position_ms(), ms_from_frames(static_cast<std::int64_t>(ringtone_frames)));
  }
}

TEST_F(EngineMp3PlayerTest, PlaysBytesAsItPlaysTheirFile) {
  player.play_bytes(fixture_bytes("mono_22k.mp3"), 2);
  EXPECT_TRUE(audio_test::same_samples(engine.pump(ringtone_frames * 2), repeated(ringtone, 2)));
}

TEST_F(EngineMp3PlayerTest, PositionRestartsWithEachPlay) {
  player.play_file(fixture("mono_22k.mp3"), 2);
  engine.pump(ringtone_frames + kTenthOfASecond);
  EXPECT_EQ(player.position_ms(), 100);
}

TEST_F(EngineMp3PlayerTest, EachRequestStopsThePreviousOneEvenWhenItPlaysNothing) {
  audio_test::TempDir dir;
  const auto plays_nothing = [&](const char* what, auto request) {
    SCOPED_TRACE(what);
    player.play_file(fixture("mono_22k.mp3"), 1);
    engine.pump(kTenthOfASecond);
    request();
    EXPECT_FALSE(player.is_sounding());
    EXPECT_EQ(player.position_ms(), -1);
    EXPECT_TRUE(silent(engine.pump(kTenthOfASecond)));
  };
  plays_nothing("missing file", [&] { player.play_file(dir.path("missing.mp3"), 1); });
  plays_nothing("not MPEG audio", [&] { player.play_file(fixture("wav_named.mp3"), 1); });
  plays_nothing("random bytes", [&] { player.play_bytes(audio_test::random_bytes(256 * 1024), 1); });
  plays_nothing("no bytes", [&] { player.play_bytes({}, 1); });
  plays_nothing("zero times", [&] { player.play_file(fixture("mono_22k.mp3"), 0); });
  plays_nothing("stop", [&] { player.stop(); });
}

TEST_F(EngineMp3PlayerTest, ANewRequestStartsFromTheBeginning) {
  player.play_file(fixture("mono_22k.mp3"), 1);
  engine.pump(kTenthOfASecond);
  player.play_file(fixture("mono_22k.mp3"), 1);
  EXPECT_EQ(player.position_ms(), 0);
  const std::vector<float> heard = engine.pump(kTenthOfASecond);
  EXPECT_TRUE(audio_test::same_samples(
      heard,
      std::vector<float>(ringtone.begin(), ringtone.begin() + static_cast<std::ptrdiff_t>(heard.size()))));
}

TEST_F(EngineMp3PlayerTest, DestroyingThePlayerSilencesIt) {
  {
    EngineMp3Player other(engine);
    other.play_file(fixture("mono_22k.mp3"), 1);
    EXPECT_FALSE(silent(engine.pump(kTenthOfASecond)));
  }
  EXPECT_TRUE(silent(engine.pump(kTenthOfASecond)));
}

TEST_F(EngineMp3PlayerTest, SoundsTogetherWithTheSong) {
  AudioMediaPlayer song(engine);
  song.open(fixture("cbr_44k_stereo.mp3"));
  song.play(-1);
  player.play_file(fixture("mono_22k.mp3"), 1);
  const std::vector<float> heard = engine.pump(kMixRate);
  const std::vector<float> song_alone = decoded("cbr_44k_stereo.mp3");
  for (std::size_t i = 0; i < heard.size(); ++i) ASSERT_FLOAT_EQ(heard[i], song_alone[i] + ringtone[i]) << i;
  EXPECT_EQ(song.position_ms(), 1000);
  EXPECT_EQ(player.position_ms(), 1000);
}

TEST_F(EngineMp3PlayerTest, TheMixIsClippedToFullScale) {
  // Each fixture peaks near 0.32: four of them together exceed full scale.
  std::vector<std::unique_ptr<EngineMp3Player>> players;
  for (int i = 0; i < 4; ++i) {
    players.push_back(std::make_unique<EngineMp3Player>(engine));
    players.back()->play_file(fixture("mono_22k.mp3"), 1);
  }
  const std::vector<float> heard = engine.pump(kTenthOfASecond);
  for (std::size_t i = 0; i < heard.size(); ++i)
    ASSERT_FLOAT_EQ(heard[i], std::clamp(4 * ringtone[i], -1.0F, 1.0F)) << i;
  EXPECT_EQ(*std::max_element(heard.begin(), heard.end()), 1.0F);
}

}  // namespace
}  // namespace ringlark
