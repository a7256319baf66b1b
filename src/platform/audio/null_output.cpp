#include "platform/audio/null_output.h"

#include <chrono>
#include <vector>

#include "platform/audio/pcm_format.h"

namespace ringlark {

namespace {

constexpr std::chrono::milliseconds kPeriod{10};
constexpr std::size_t kPeriodFrames = kMixRate / 100;
// A device drops what it could not play during a stall (a debugger, a suspended machine)
// rather than racing to catch up; so does this output beyond this much.
constexpr std::chrono::milliseconds kMaxCatchUp{100};

}  // namespace

NullOutput::NullOutput(Mixer& mixer) : mixer_(mixer), thread_([this] { run(); }) {}

NullOutput::~NullOutput() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void NullOutput::run() {
  std::vector<float> sink(kPeriodFrames * kMixChannels);
  // Deadlines on a fixed grid, so that oversleeping one period does not slow the stream down.
  auto due = std::chrono::steady_clock::now();
  std::unique_lock lock(mutex_);
  while (true) {
    due += kPeriod;
    if (wake_.wait_until(lock, due, [this] { return stopping_; })) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - due > kMaxCatchUp) due = now;
    lock.unlock();
    mixer_.mix(sink.data(), kPeriodFrames);
    lock.lock();
  }
}

}  // namespace ringlark
