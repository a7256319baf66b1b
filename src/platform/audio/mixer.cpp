#include "platform/audio/mixer.h"

#include <algorithm>
#include <utility>

namespace ringlark {

Mixer::Mixer() { voices_.reserve(kMaxVoices); }

bool Mixer::add(std::shared_ptr<Voice> voice) {
  std::lock_guard lock(mutex_);
  if (voices_.size() >= kMaxVoices) return false;
  voices_.push_back(std::move(voice));
  return true;
}

void Mixer::remove(const Voice& voice) {
  std::lock_guard lock(mutex_);
  std::erase_if(voices_, [&](const std::shared_ptr<Voice>& mixed) { return mixed.get() == &voice; });
}

void Mixer::mix(float* out, std::size_t frames) {
  std::fill(out, out + frames * kMixChannels, 0.0F);
  std::size_t count = 0;
  {
    std::lock_guard lock(mutex_);
    count = voices_.size();
    std::copy(voices_.begin(), voices_.end(), mixing_.begin());
  }
  for (std::size_t done = 0; done < frames; done += kBlockFrames) {
    const std::size_t block = std::min(kBlockFrames, frames - done);
    for (std::size_t i = 0; i < count; ++i)
      mixing_[i]->mix_into(out + done * kMixChannels, scratch_.data(), block);
  }
  std::for_each(out, out + frames * kMixChannels,
                [](float& sample) { sample = std::clamp(sample, -1.0F, 1.0F); });
  for (std::size_t i = 0; i < count; ++i) mixing_[i].reset();
}

}  // namespace ringlark
