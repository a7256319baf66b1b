#pragma once

#include <cstdint>
#include <string>

#include "core/byte_buffer.h"
#include "platform/media_player.h"
#include "platform/mp3_player.h"

namespace ringlark::testing_support {

// Players that make no sound, for tests of the window: a media player that never has anything
// open (it answers as one whose open failed) and a preview player that plays nothing.
class NothingOpenPlayer : public MediaPlayer {
 public:
  void open(const std::string& /*path*/) override {}
  void play(std::int32_t /*from_ms*/) override {}
  void toggle_pause() override {}
  void stop_and_rewind() override {}
  std::int32_t length_ms() const override { return 0; }
  std::int32_t length_seconds() const override { return 0; }
  std::int32_t position_ms() const override { return -1; }
};

class SilentMp3Player : public Mp3Player {
 public:
  void play_file(const std::string& /*path*/, int /*times*/) override {}
  void play_bytes(const ByteBuffer& /*bytes*/, int /*times*/) override {}
  void stop() override {}
};

}  // namespace ringlark::testing_support
