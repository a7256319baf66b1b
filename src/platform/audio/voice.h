#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/audio/decoder.h"

namespace ringlark {

// One stream that the mixer sounds: a decoder and its transport. A player commands it from the
// GUI thread while the mixer decodes it on the audio thread; each side holds the lock only to
// read or write a few fields, never while decoding, so neither waits on the other.
class Voice {
 public:
  // Stopped at the start. `plays` (at least 1): how often the stream plays through before the
  // voice stops by itself.
  Voice(std::unique_ptr<Decoder> decoder, int plays);

  std::int64_t length_frames() const { return length_frames_; }

  void play_on();                      // from the current position
  void play_from(std::int64_t frame);  // clamped to [0, length]
  bool pause();                        // false unless playing
  bool resume();                       // false unless paused
  void stop_and_rewind();

  // The frame being heard: where the stream was last moved to, plus the frames that the mixer
  // has taken since, minus the `latency` frames that the output may still hold while playing.
  std::int64_t position_frames(std::int64_t latency) const;
  bool is_playing() const;

  // Audio thread only: adds this voice's next `frames` frames into `out`, decoding through
  // `scratch` (room for as many frames). At the end of the last play the voice stops.
  void mix_into(float* out, float* scratch, std::size_t frames);

 private:
  enum class State { stopped, playing, paused };

  // Moves the stream; the mixer seeks there before it next decodes. Needs mutex_.
  void move_to(std::int64_t frame);

  const std::unique_ptr<Decoder> decoder_;  // the audio thread's once the voice is mixed
  const std::int64_t length_frames_;
  int plays_left_;  // audio thread only

  mutable std::mutex mutex_;
  State state_ = State::stopped;
  std::int64_t start_ = 0;     // where the last move (or the start of a play) put the stream
  std::int64_t consumed_ = 0;  // frames the mixer has taken since
  std::optional<std::int64_t> pending_seek_;
  std::uint64_t moves_ = 0;  // bumped by each move, so that a mix racing one drops its count
};

}  // namespace ringlark
