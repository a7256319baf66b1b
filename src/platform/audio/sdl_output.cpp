#include "platform/audio/sdl_output.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "platform/audio/pcm_format.h"

namespace ringlark {

namespace {

constexpr Uint16 kDeviceBufferFrames = 1024;  // about 23 ms: short enough for a seek to be heard at once

void pull(void* mixer, Uint8* stream, int bytes) {
  static_cast<Mixer*>(mixer)->mix(reinterpret_cast<float*>(stream),
                                  static_cast<std::size_t>(bytes) / (kMixChannels * sizeof(float)));
}

}  // namespace

std::unique_ptr<SdlOutput> SdlOutput::open(Mixer& mixer) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  SDL_AudioSpec wanted{};
  wanted.freq = kMixRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = kMixChannels;
  wanted.samples = kDeviceBufferFrames;
  wanted.callback = &pull;
  wanted.userdata = &mixer;
  SDL_AudioSpec obtained{};
  // No allowed changes: SDL converts for the device, so the callback always gets the mix format.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  SDL_PauseAudioDevice(device, 0);
  return std::unique_ptr<SdlOutput>(new SdlOutput(device, obtained.samples));
}

SdlOutput::SdlOutput(std::uint32_t device, std::int64_t latency_frames)
    : device_(device), latency_frames_(latency_frames) {}

SdlOutput::~SdlOutput() {
  SDL_CloseAudioDevice(device_);  // returns once the callback has returned for good
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace ringlark
