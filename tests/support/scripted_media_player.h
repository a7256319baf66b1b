#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/media_player.h"

namespace ringlark::testing_support {

// A media player whose answers the test sets and whose calls it reads back, in order.
class ScriptedMediaPlayer : public MediaPlayer {
 public:
  void open(const std::string& path) override { calls.push_back("open " + path); }
  void play(std::int32_t from_ms) override { calls.push_back("play " + std::to_string(from_ms)); }
  void toggle_pause() override { calls.push_back("pause toggle"); }
  void stop_and_rewind() override { calls.push_back("stop"); }

  std::int32_t length_ms() const override { return length; }
  std::int32_t length_seconds() const override { return length / 1000; }
  // Each reading takes the next scripted position; the last one repeats.
  std::int32_t position_ms() const override {
    const std::int32_t reading = positions.front();
    if (positions.size() > 1) positions.pop_front();
    return reading;
  }

  std::vector<std::string> calls;
  std::int32_t length = 0;
  mutable std::deque<std::int32_t> positions{-1};
};

}  // namespace ringlark::testing_support
