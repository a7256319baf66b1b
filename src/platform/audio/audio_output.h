#pragma once

#include <cstdint>

namespace ringlark {

// Where the mixed stream goes. An output pulls from the mixer on a thread of its own, from its
// construction to its destruction, which waits until it no longer pulls.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Frames handed over that may not have been heard yet.
  virtual std::int64_t latency_frames() const = 0;
};

}  // namespace ringlark
