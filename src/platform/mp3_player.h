#pragma once

#include <string>

#include "core/byte_buffer.h"

namespace ringlark {

// Plays a file or a byte buffer in the background, a number of times, one request at a time:
// each request first stops the previous one. Input that cannot be opened or is not MPEG audio
// plays nothing and reports nothing.
class Mp3Player {
 public:
  virtual ~Mp3Player() = default;

  virtual void play_file(const std::string& path, int times) = 0;
  virtual void play_bytes(const ByteBuffer& bytes, int times) = 0;
  virtual void stop() = 0;
};

}  // namespace ringlark
