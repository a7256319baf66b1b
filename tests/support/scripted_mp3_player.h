#pragma once

#include <string>
#include <vector>

#include "platform/mp3_player.h"

namespace ringlark::testing_support {

// An MP3 player that only records what it was asked to play.
class ScriptedMp3Player : public Mp3Player {
 public:
  void play_file(const std::string& path, int times) override {
    calls.push_back("file " + path + " x" + std::to_string(times));
  }
  void play_bytes(const ByteBuffer& bytes, int times) override {
    calls.push_back("bytes " + std::to_string(bytes.size()) + " x" + std::to_string(times));
  }
  void stop() override { calls.push_back("stop"); }

  std::vector<std::string> calls;
};

}  // namespace ringlark::testing_support
