#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"
#include "platform/audio/voice.h"

namespace ringlark {

// Selects the engine whose null output advances only when the test pumps it.
struct PumpedOutput {
  explicit PumpedOutput() = default;
};
inline constexpr PumpedOutput pumped_output{};

// The audio engine: one mixer and the output it plays through, shared by the song player and
// the preview player so that both can sound at once. The program creates one before the
// players and destroys the players first. Without a sound card it runs on the null output:
// playback never fails or blocks for lack of a device.
class AudioEngine {
 public:
  enum class OutputKind { device, null_real_time, null_pumped };

  // The default sound device through SDL2; the real-time null output when the environment sets
  // RINGLARK_AUDIO=null or when no device opens.
  AudioEngine();
  // The null output that pump() drives, so that tests see exact positions.
  explicit AudioEngine(PumpedOutput);
  ~AudioEngine();  // stops the output; the voices fall silent
  AudioEngine(const AudioEngine&) = delete;
  AudioEngine& operator=(const AudioEngine&) = delete;

  OutputKind output_kind() const { return output_kind_; }

  // Pumped engines only (others return nothing): mixes the next `frames` frames, as a device
  // would take them, and returns them.
  std::vector<float> pump(std::size_t frames);

  // For the players: a voice sounds from add() until remove().
  bool add(std::shared_ptr<Voice> voice);
  void remove(const Voice& voice);
  std::int64_t latency_frames() const;

 private:
  Mixer mixer_;
  std::unique_ptr<AudioOutput> output_;  // after mixer_, so it stops pulling before the mixer goes
  OutputKind output_kind_ = OutputKind::null_pumped;
};

}  // namespace ringlark
