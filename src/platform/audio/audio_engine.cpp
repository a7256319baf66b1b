#include "platform/audio/audio_engine.h"

#include <cstdlib>
#include <string_view>
#include <utility>

#include "platform/audio/null_output.h"
#include "platform/audio/pcm_format.h"
#include "platform/audio/sdl_output.h"

namespace ringlark {

AudioEngine::AudioEngine() {
  const char* const choice = std::getenv("RINGLARK_AUDIO");
  if (choice == nullptr || std::string_view(choice) != "null") output_ = SdlOutput::open(mixer_);
  if (output_) {
    output_kind_ = OutputKind::device;
  } else {
    output_ = std::make_unique<NullOutput>(mixer_);
    output_kind_ = OutputKind::null_real_time;
  }
}

AudioEngine::AudioEngine(PumpedOutput) {}

AudioEngine::~AudioEngine() = default;

std::vector<float> AudioEngine::pump(std::size_t frames) {
  if (output_kind_ != OutputKind::null_pumped) return {};
  std::vector<float> mixed(frames * kMixChannels);
  mixer_.mix(mixed.data(), frames);
  return mixed;
}

bool AudioEngine::add(std::shared_ptr<Voice> voice) { return mixer_.add(std::move(voice)); }

void AudioEngine::remove(const Voice& voice) { mixer_.remove(voice); }

std::int64_t AudioEngine::latency_frames() const { return output_ ? output_->latency_frames() : 0; }

}  // namespace ringlark
