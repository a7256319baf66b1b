#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio/pcm_format.h"
#include "platform/audio/voice.h"

namespace ringlark {

// Sums every voice that sounds into one stream for the output. Voices come and go from the GUI
// thread; mix() runs on the output's thread and holds the lock only to copy the voice list.
class Mixer {
 public:
  static constexpr std::size_t kMaxVoices = 8;
  static constexpr std::size_t kBlockFrames = 1024;

  Mixer();

  bool add(std::shared_ptr<Voice> voice);  // false when kMaxVoices are mixed already
  void remove(const Voice& voice);         // the voice may sound to the end of the current block

  // Writes `frames` frames to `out`: the sum of the voices, clipped to [-1, 1]. One thread at a
  // time; a voice removed meanwhile may be destroyed here.
  void mix(float* out, std::size_t frames);

 private:
  std::mutex mutex_;
  std::vector<std::shared_ptr<Voice>> voices_;

  // Used by mix() only; kept here so that the audio thread never allocates.
  std::array<std::shared_ptr<Voice>, kMaxVoices> mixing_;
  std::array<float, kBlockFrames * kMixChannels> scratch_{};
};

}  // namespace ringlark
