#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"

namespace ringlark {

// Stands in for a sound device: pulls the mixed stream in real time on its own thread and drops
// it, so that positions advance exactly as they would with sound.
class NullOutput final : public AudioOutput {
 public:
  explicit NullOutput(Mixer& mixer);
  ~NullOutput() override;
  NullOutput(const NullOutput&) = delete;
  NullOutput& operator=(const NullOutput&) = delete;

  std::int64_t latency_frames() const override { return 0; }

 private:
  void run();

  Mixer& mixer_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;  // last, so that it starts after what it uses
};

}  // namespace ringlark
