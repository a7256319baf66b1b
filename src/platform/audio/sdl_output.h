#pragma once

#include <cstdint>
#include <memory>

#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"

namespace ringlark {

// The sound device through SDL2's audio subsystem (only that one: the window is Qt's). SDL
// converts the mix format to whatever the device takes and calls the mixer on its own thread.
class SdlOutput final : public AudioOutput {
 public:
  // nullptr when SDL has no working audio driver or no device opens.
  static std::unique_ptr<SdlOutput> open(Mixer& mixer);
  ~SdlOutput() override;
  SdlOutput(const SdlOutput&) = delete;
  SdlOutput& operator=(const SdlOutput&) = delete;

  std::int64_t latency_frames() const override { return latency_frames_; }

 private:
  SdlOutput(std::uint32_t device, std::int64_t latency_frames);

  std::uint32_t device_;
  std::int64_t latency_frames_;
};

}  // namespace ringlark
