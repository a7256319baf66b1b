#include "platform/audio/audio_engine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "platform/audio/audio_media_player.h"
#include "platform/audio/audio_test_support.h"
#include "platform/audio/engine_mp3_player.h"

namespace ringlark {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Waits, for a bounded time, until the output's own thread has moved the song on.
bool advances_by_itself(AudioEngine& engine) {
  AudioMediaPlayer player(engine);
  player.open(audio_test::fixture("cbr_44k_stereo.mp3"));
  player.play(-1);
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (player.position_ms() <= 0 && std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return player.position_ms() > 0;
}

TEST(AudioEngine, RinglarkAudioNullSelectsTheRealTimeNullOutput) {
  ScopedEnv audio("RINGLARK_AUDIO", "null");
  AudioEngine engine;
  EXPECT_EQ(engine.output_kind(), AudioEngine::OutputKind::null_real_time);
  EXPECT_TRUE(advances_by_itself(engine));
}

TEST(AudioEngine, FallsBackToTheNullOutputWithoutADevice) {
  ScopedEnv audio("RINGLARK_AUDIO", nullptr);
  ScopedEnv driver("SDL_AUDIODRIVER", "no_such_driver");
  AudioEngine engine;
  EXPECT_EQ(engine.output_kind(), AudioEngine::OutputKind::null_real_time);
  EXPECT_TRUE(advances_by_itself(engine));
}

TEST(AudioEngine, PlaysThroughAnSdlDevice) {
  // SDL's dummy driver plays in real time with no sound card.
  ScopedEnv audio("RINGLARK_AUDIO", nullptr);
  ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  AudioEngine engine;
  ASSERT_EQ(engine.output_kind(), AudioEngine::OutputKind::device);
  EXPECT_TRUE(advances_by_itself(engine));
}

TEST(AudioEngine, ShutsDownWhileBothPlayersSound) {
  for (const char* driver_name : {"dummy", "no_such_driver"}) {
    SCOPED_TRACE(driver_name);
    ScopedEnv audio("RINGLARK_AUDIO", nullptr);
    ScopedEnv driver("SDL_AUDIODRIVER", driver_name);
    AudioEngine engine;
    AudioMediaPlayer song(engine);
    EngineMp3Player preview(engine);
    song.open(audio_test::fixture("cbr_44k_stereo.mp3"));
    song.play(-1);
    preview.play_bytes(audio_test::fixture_bytes("mono_22k.mp3"), 100);
    EXPECT_TRUE(preview.is_sounding());
    // The players go first, then the engine joins its thread: the test ends, it does not hang.
  }
}

TEST(AudioEngine, OnlyThePumpedEngineCanBePumped) {
  ScopedEnv audio("RINGLARK_AUDIO", "null");
  AudioEngine real_time;
  EXPECT_TRUE(real_time.pump(100).empty());
  AudioEngine pumped(pumped_output);
  EXPECT_EQ(pumped.output_kind(), AudioEngine::OutputKind::null_pumped);
  EXPECT_EQ(pumped.pump(100).size(), 200U);
}

}  // namespace
}  // namespace ringlark
