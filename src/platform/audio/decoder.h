#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/byte_buffer.h"

struct mpg123_handle_struct;

namespace ringlark {

struct MemorySource;

// An MPEG audio stream decoded by libmpg123 to the mix format (pcm_format.h), whatever its own
// rate and channel count. Every libmpg123 error becomes a value here: a failed open is nullptr,
// a failed seek false, a failed read a short read. Used by one thread at a time.
class Decoder {
 public:
  // nullptr when `path` (UTF-8) is not a readable regular file holding MPEG audio. The length
  // is scanned before returning, so a long file takes a while to open.
  static std::unique_ptr<Decoder> open_file(const std::string& path);
  // The same for bytes in memory; the decoder keeps its own copy.
  static std::unique_ptr<Decoder> open_bytes(ByteBuffer bytes);

  ~Decoder();
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;

  // Exact: the frames that reading from the start to the end yields, with the encoder's delay
  // and padding removed (gapless). At least 1.
  std::int64_t length_frames() const { return length_frames_; }

  // Moves to `frame`, clamped to [0, length]; false when the stream cannot move there.
  bool seek(std::int64_t frame);

  // Decodes up to `frames` frames into `out` (kMixChannels floats each). Returns fewer only at
  // the end of the stream or at damage that libmpg123 cannot resync past.
  std::size_t read(float* out, std::size_t frames);

 private:
  Decoder(mpg123_handle_struct* handle, std::unique_ptr<MemorySource> memory);
  // Checks that the opened stream decodes and scans its length; nullptr when it does not.
  static std::unique_ptr<Decoder> start(std::unique_ptr<Decoder> decoder);

  mpg123_handle_struct* handle_;
  std::unique_ptr<MemorySource> memory_;  // the source of open_bytes, read through libmpg123's callbacks
  std::int64_t length_frames_ = 0;
  bool ended_ = false;  // reads past the end (or past fatal damage) give nothing
};

}  // namespace ringlark
