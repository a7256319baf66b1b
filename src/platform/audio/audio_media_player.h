#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio/audio_engine.h"
#include "platform/audio/voice.h"
#include "platform/media_player.h"

namespace ringlark {

// The song player on the audio engine. Called on the GUI thread, it never waits on audio: the
// length is scanned at open, and every later call only reads or sets the voice's transport.
// The engine must outlive it. Positions are what the listener hears (mix frames taken minus
// what the output still holds); at the end of the song playback stops and the position stays
// at the end.
class AudioMediaPlayer final : public MediaPlayer {
 public:
  explicit AudioMediaPlayer(AudioEngine& engine);
  ~AudioMediaPlayer() override;  // closes the song, which ends its playback
  AudioMediaPlayer(const AudioMediaPlayer&) = delete;
  AudioMediaPlayer& operator=(const AudioMediaPlayer&) = delete;

  void open(const std::string& path) override;
  // Any negative value plays on, like -1; a value past the end plays nothing and stays there.
  void play(std::int32_t from_ms) override;
  void toggle_pause() override;
  void stop_and_rewind() override;

  std::int32_t length_ms() const override;
  std::int32_t length_seconds() const override;
  std::int32_t position_ms() const override;

 private:
  void close();

  AudioEngine& engine_;
  std::shared_ptr<Voice> voice_;  // null when nothing is open
  bool paused_ = false;
};

}  // namespace ringlark
