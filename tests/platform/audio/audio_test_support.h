#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/byte_buffer.h"
#include "core/file_read.h"
#include "platform/audio/decoder.h"
#include "platform/audio/pcm_format.h"
#include "support/temp_dir.h"

namespace ringlark::audio_test {

inline std::string fixture(const std::string& name) {
  return std::string(RINGLARK_FIXTURES_DIR) + "/" + name;
}

inline ByteBuffer fixture_bytes(const std::string& name) { return read_whole_file(fixture(name)); }

using TempDir = testing_support::TempDir;

// Bytes that hold no MPEG audio; longer than the decoder's resync window.
inline ByteBuffer random_bytes(std::size_t count) {
  std::mt19937 generator(1);  // the standard fixes mt19937's sequence, so the bytes never change
  ByteBuffer bytes(count);
  std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(generator()); });
  return bytes;
}

// `mp3` behind an ID3v2.3 tag of `tag_bytes` holding one PRIV frame. Its payload repeats an MPEG
// frame header, so that a decoder that searched the tag for audio instead of skipping it would
// play garbage or get the length wrong.
inline ByteBuffer with_id3v2_tag(const ByteBuffer& mp3, std::size_t tag_bytes) {
  const std::size_t body = tag_bytes - 10;  // after the tag header
  const std::size_t frame_body = body - 10;
  ByteBuffer tagged = {'I', 'D', '3', 3, 0, 0};
  for (int shift : {21, 14, 7, 0}) tagged.push_back(static_cast<std::uint8_t>((body >> shift) & 0x7F));
  for (char c : std::string("PRIV")) tagged.push_back(static_cast<std::uint8_t>(c));
  for (int shift : {24, 16, 8, 0}) tagged.push_back(static_cast<std::uint8_t>((frame_body >> shift) & 0xFF));
  tagged.insert(tagged.end(), {0, 0});
  const std::string owner("ringlark");
  tagged.insert(tagged.end(), owner.begin(), owner.end());
  tagged.push_back(0);
  const std::uint8_t header[] = {0xFF, 0xFB, 0x90, 0x64};
  for (std::size_t i = 0; tagged.size() < tag_bytes; ++i) tagged.push_back(header[i % 4]);
  tagged.insert(tagged.end(), mp3.begin(), mp3.end());
  return tagged;
}

// Everything the decoder yields from where it stands to the end.
inline std::vector<float> decode_rest(Decoder& decoder) {
  std::vector<float> samples;
  std::vector<float> block(4096 * kMixChannels);
  while (const std::size_t frames = decoder.read(block.data(), 4096)) {
    samples.insert(samples.end(), block.begin(),
                   block.begin() + static_cast<std::ptrdiff_t>(frames * kMixChannels));
  }
  return samples;
}

// Equal sample for sample, give or take float rounding: libmpg123's upsampling synth may round
// the last bit differently after a seek.
inline ::testing::AssertionResult same_samples(const std::vector<float>& actual,
                                               const std::vector<float>& expected) {
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure() << actual.size() << " samples, expected " << expected.size();
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (std::abs(actual[i] - expected[i]) > 1e-6F) {
      return ::testing::AssertionFailure()
             << "sample " << i << " is " << actual[i] << ", expected " << expected[i];
    }
  }
  return ::testing::AssertionSuccess();
}

inline std::size_t frames_in(const std::vector<float>& samples) { return samples.size() / kMixChannels; }

inline bool silent(const std::vector<float>& samples) {
  return std::all_of(samples.begin(), samples.end(), [](float s) { return s == 0.0F; });
}

}  // namespace ringlark::audio_test
