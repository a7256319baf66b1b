#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "core/byte_buffer.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/decoder.h"
#include "platform/audio/voice.h"
#include "platform/mp3_player.h"

namespace ringlark {

// The preview player on the audio engine, beside the song player. Opening (and the length
// scan) happens in the calling thread; decoding and output on the engine's. The engine must
// outlive it.
class EngineMp3Player final : public Mp3Player {
 public:
  explicit EngineMp3Player(AudioEngine& engine);
  ~EngineMp3Player() override;  // stops what sounds
  EngineMp3Player(const EngineMp3Player&) = delete;
  EngineMp3Player& operator=(const EngineMp3Player&) = delete;

  // `times` below 1 plays nothing (after stopping the previous request, like any request).
  void play_file(const std::string& path, int times) override;
  void play_bytes(const ByteBuffer& bytes, int times) override;
  void stop() override;

  // Thread-safe. The position heard within the current play, -1 when no request plays or
  // has played since the last stop; it stays at the end once the last play is over.
  std::int32_t position_ms() const;
  bool is_sounding() const;

 private:
  void start(std::unique_ptr<Decoder> decoder, int times);

  AudioEngine& engine_;
  mutable std::mutex mutex_;
  std::shared_ptr<Voice> voice_;
};

}  // namespace ringlark
