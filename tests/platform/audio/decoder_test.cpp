#include "platform/audio/decoder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fixtures/fixture_samples.h"
#include "platform/audio/audio_test_support.h"
#include "platform/audio/pcm_format.h"

namespace ringlark {
namespace {

using audio_test::decode_rest;
using audio_test::fixture;
using audio_test::fixture_bytes;
using audio_test::frames_in;

std::int64_t decoded_frames(Decoder& decoder) {
  return static_cast<std::int64_t>(frames_in(decode_rest(decoder)));
}

TEST(Decoder, LengthIsTheEncodersSampleCount) {
  for (const fixtures::FixtureSamples& expected : fixtures::kFixtureSamples) {
    SCOPED_TRACE(expected.file);
    const auto decoder = Decoder::open_file(fixture(expected.file));
    ASSERT_NE(decoder, nullptr);
    const std::int64_t length_ms = expected.samples * 1000 / expected.rate;
    if (kMixRate % expected.rate == 0) {
      EXPECT_EQ(decoder->length_frames(), expected.samples * (kMixRate / expected.rate));
      EXPECT_EQ(ms_from_frames(decoder->length_frames()), length_ms);
    } else {
      // libmpg123's fractional resampler may end a frame or two short of the ideal count.
      EXPECT_LE(std::abs(decoder->length_frames() - expected.samples * kMixRate / expected.rate), 2);
      EXPECT_LE(std::abs(ms_from_frames(decoder->length_frames()) - length_ms), 1);
    }
    EXPECT_EQ(decoded_frames(*decoder), decoder->length_frames());
  }
}

TEST(Decoder, BytesInMemoryDecodeAsTheFileDoes) {
  for (const char* file : {"cbr_44k_stereo.mp3", "vbr_44k_stereo.mp3", "mono_22k.mp3", "damaged.mp3"}) {
    SCOPED_TRACE(file);
    const auto from_file = Decoder::open_file(fixture(file));
    const auto from_bytes = Decoder::open_bytes(fixture_bytes(file));
    ASSERT_NE(from_file, nullptr);
    ASSERT_NE(from_bytes, nullptr);
    EXPECT_EQ(from_bytes->length_frames(), from_file->length_frames());
    EXPECT_TRUE(audio_test::same_samples(decode_rest(*from_bytes), decode_rest(*from_file)));
  }
}

TEST(Decoder, SeekLandsOnTheExactFrame) {
  for (const char* file : {"cbr_44k_stereo.mp3", "vbr_44k_stereo.mp3", "mono_22k.mp3"}) {
    SCOPED_TRACE(file);
    const auto decoder = Decoder::open_file(fixture(file));
    ASSERT_NE(decoder, nullptr);
    const std::vector<float> whole = decode_rest(*decoder);
    const std::int64_t length = decoder->length_frames();
    // Frame boundaries (1152), the last frame, the end, and both sides out of range.
    for (const std::int64_t target :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{1151}, std::int64_t{1152}, length / 2 + 7,
          length - 1, length, length + 1000, std::int64_t{-5}}) {
      SCOPED_TRACE(target);
      ASSERT_TRUE(decoder->seek(target));
      const auto landed =
          static_cast<std::ptrdiff_t>(std::clamp<std::int64_t>(target, 0, length) * kMixChannels);
      EXPECT_TRUE(audio_test::same_samples(decode_rest(*decoder),
                                           std::vector<float>(whole.begin() + landed, whole.end())));
    }
  }
}

TEST(Decoder, ResyncsPastDamageAndEndsAtItsLength) {
  const auto intact = Decoder::open_file(fixture("cbr_44k_stereo.mp3"));
  const auto damaged = Decoder::open_file(fixture("damaged.mp3"));
  ASSERT_NE(damaged, nullptr);
  // Only the frames that the 2000 zeroed bytes and the cut tail destroyed are missing.
  EXPECT_GT(damaged->length_frames(), intact->length_frames() * 9 / 10);
  EXPECT_EQ(decoded_frames(*damaged), damaged->length_frames());
}

TEST(Decoder, OpensASongBehindA2MegabyteId3v2Tag) {
  audio_test::TempDir dir;
  const ByteBuffer tagged = audio_test::with_id3v2_tag(fixture_bytes("cbr_44k_stereo.mp3"), 2 * 1024 * 1024);
  const auto plain = Decoder::open_file(fixture("cbr_44k_stereo.mp3"));
  const std::vector<float> plain_samples = decode_rest(*plain);
  std::unique_ptr<Decoder> decoders[] = {Decoder::open_file(dir.write("tagged.mp3", tagged)),
                                         Decoder::open_bytes(tagged)};
  for (const auto& decoder : decoders) {
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->length_frames(), plain->length_frames());
    EXPECT_TRUE(audio_test::same_samples(decode_rest(*decoder), plain_samples));
  }
}

struct BadInput {
  const char* name;
  std::function<std::string(const audio_test::TempDir&)> make_path;
};

TEST(Decoder, RejectsFilesWithoutMpegAudio) {
  const BadInput cases[] = {
      {"a WAV file named .mp3", [](const auto&) { return fixture("wav_named.mp3"); }},
      {"random bytes",
       [](const auto& dir) { return dir.write("random.mp3", audio_test::random_bytes(256 * 1024)); }},
      {"an empty file", [](const auto& dir) { return dir.write("empty.mp3", ByteBuffer{}); }},
      // The LAME tag frame alone: a header and no audio.
      {"a file cut inside its first frame",
       [](const auto& dir) {
         ByteBuffer bytes = fixture_bytes("cbr_44k_stereo.mp3");
         bytes.resize(300);
         return dir.write("cut.mp3", bytes);
       }},
      {"a folder",
       [](const auto& dir) {
         std::filesystem::create_directory(dir.path("folder.mp3"));
         return dir.path("folder.mp3");
       }},
      {"a missing file", [](const auto& dir) { return dir.path("missing.mp3"); }},
      {"the empty path", [](const auto&) { return std::string(); }},
  };
  audio_test::TempDir dir;
  for (const BadInput& input : cases) {
    SCOPED_TRACE(input.name);
    EXPECT_EQ(Decoder::open_file(input.make_path(dir)), nullptr);
  }
}

TEST(Decoder, RejectsBytesWithoutMpegAudio) {
  ByteBuffer cut = fixture_bytes("cbr_44k_stereo.mp3");
  cut.resize(300);
  for (const ByteBuffer& bytes :
       {fixture_bytes("wav_named.mp3"), audio_test::random_bytes(256 * 1024), ByteBuffer{}, cut}) {
    EXPECT_EQ(Decoder::open_bytes(bytes), nullptr);
  }
}

TEST(Decoder, RejectsAnUnreadableFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  audio_test::TempDir dir;
  const std::string path = dir.write("locked.mp3", fixture_bytes("cbr_44k_stereo.mp3"));
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  EXPECT_EQ(Decoder::open_file(path), nullptr);
}

}  // namespace
}  // namespace ringlark
