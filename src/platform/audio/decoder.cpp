#include "platform/audio/decoder.h"

#include <mpg123.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/text_path.h"
#include "platform/audio/pcm_format.h"

namespace ringlark {

// The bytes of open_bytes, read by libmpg123 through the callbacks below.
struct MemorySource {
  ByteBuffer bytes;
  std::size_t position = 0;
};

namespace {

constexpr std::size_t kFrameBytes = kMixChannels * sizeof(float);
// libmpg123 gives up after 1 KiB without a frame header, which ends playback at the first
// damaged stretch longer than that. 64 KiB resyncs past a second of damage at 320 kb/s and
// still rejects a file without MPEG audio quickly.
constexpr long kResyncLimitBytes = 64 * 1024;

mpg123_ssize_t read_memory(void* handle, void* out, std::size_t count) {
  auto& source = *static_cast<MemorySource*>(handle);
  const std::size_t n = std::min(count, source.bytes.size() - source.position);
  if (n > 0) std::memcpy(out, source.bytes.data() + source.position, n);
  source.position += n;
  return static_cast<mpg123_ssize_t>(n);
}

off_t seek_memory(void* handle, off_t offset, int whence) {
  auto& source = *static_cast<MemorySource*>(handle);
  const auto size = static_cast<off_t>(source.bytes.size());
  off_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<off_t>(source.position);
  if (whence == SEEK_END) base = size;
  const off_t target = base + offset;
  if (target < 0 || target > size) return -1;
  source.position = static_cast<std::size_t>(target);
  return target;
}

// libmpg123 before 1.27 needs this once before the first handle; later versions ignore it.
bool library_ready() {
  static const bool ready = mpg123_init() == MPG123_OK;
  return ready;
}

mpg123_handle* new_handle() {
  if (!library_ready()) return nullptr;
  int error = MPG123_OK;
  mpg123_handle* handle = mpg123_new(nullptr, &error);
  if (handle == nullptr) return nullptr;
  // With the mix format as the only one allowed, libmpg123 resamples and spreads mono itself.
  const bool configured =
      mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0.0) ==
          MPG123_OK &&
      mpg123_param(handle, MPG123_RESYNC_LIMIT, kResyncLimitBytes, 0.0) == MPG123_OK &&
      mpg123_format_none(handle) == MPG123_OK &&
      mpg123_format(handle, kMixRate, MPG123_STEREO, MPG123_ENC_FLOAT_32) == MPG123_OK;
  if (!configured) {
    mpg123_delete(handle);
    return nullptr;
  }
  return handle;
}

}  // namespace

Decoder::Decoder(mpg123_handle* handle, std::unique_ptr<MemorySource> memory)
    : handle_(handle), memory_(std::move(memory)) {}

Decoder::~Decoder() { mpg123_delete(handle_); }

std::unique_ptr<Decoder> Decoder::open_file(const std::string& path) {
  // libmpg123 would open a folder and would block on a named pipe: songs are regular files.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path_from_text(path), error)) return nullptr;
  mpg123_handle* handle = new_handle();
  if (handle == nullptr) return nullptr;
  std::unique_ptr<Decoder> decoder(new Decoder(handle, nullptr));
  // libmpg123 takes the path as UTF-8 on every system.
  if (mpg123_open(handle, path.c_str()) != MPG123_OK) return nullptr;
  return start(std::move(decoder));
}

std::unique_ptr<Decoder> Decoder::open_bytes(ByteBuffer bytes) {
  if (bytes.empty()) return nullptr;
  mpg123_handle* handle = new_handle();
  if (handle == nullptr) return nullptr;
  auto memory = std::make_unique<MemorySource>(MemorySource{std::move(bytes)});
  MemorySource* source = memory.get();
  std::unique_ptr<Decoder> decoder(new Decoder(handle, std::move(memory)));
  if (mpg123_replace_reader_handle(handle, &read_memory, &seek_memory, nullptr) != MPG123_OK ||
      mpg123_open_handle(handle, source) != MPG123_OK) {
    return nullptr;
  }
  return start(std::move(decoder));
}

std::unique_ptr<Decoder> Decoder::start(std::unique_ptr<Decoder> decoder) {
  mpg123_handle* handle = decoder->handle_;
  long rate = 0;
  int channels = 0;
  int encoding = 0;
  // Finding the first frame fixes the format; a stream without one is not MPEG audio.
  if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK || rate != kMixRate ||
      channels != kMixChannels || encoding != MPG123_ENC_FLOAT_32) {
    return nullptr;
  }
  // Without the scan, the length of a VBR file or one without a LAME tag is an estimate.
  if (mpg123_scan(handle) != MPG123_OK) return nullptr;
  const off_t length = mpg123_length(handle);
  if (length <= 0) return nullptr;
  decoder->length_frames_ = static_cast<std::int64_t>(length);
  return decoder;
}

bool Decoder::seek(std::int64_t frame) {
  const std::int64_t target = std::clamp<std::int64_t>(frame, 0, length_frames_);
  // A failed seek leaves the stream somewhere unknown: stop rather than play the wrong place.
  ended_ = mpg123_seek(handle_, static_cast<off_t>(target), SEEK_SET) < 0;
  return !ended_;
}

std::size_t Decoder::read(float* out, std::size_t frames) {
  std::size_t filled = 0;
  while (filled < frames && !ended_) {
    std::size_t done = 0;
    const int result =
        mpg123_read(handle_, out + filled * kMixChannels, (frames - filled) * kFrameBytes, &done);
    filled += done / kFrameBytes;
    // MPG123_DONE, or damage that resync could not pass. libmpg123 fills the whole buffer
    // when it can, so an empty successful read also means nothing more will come.
    if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) || (result == MPG123_OK && done == 0)) {
      ended_ = true;
    }
  }
  return filled;
}

}  // namespace ringlark
