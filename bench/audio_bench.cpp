// The audio engine against a 100-minute 320 kb/s song: how long from open until the length is
// known and until the first audio, and how much CPU a minute of playback takes.
//   build/bench/bench/audio_bench
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/file_read.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/audio_media_player.h"
#include "platform/audio/decoder.h"
#include "platform/audio/pcm_format.h"

namespace ringlark {
namespace {

constexpr std::int64_t kSongSeconds = 100 * 60;
constexpr std::size_t kMinuteFrames = 60 * kMixRate;

// Made once per run by repeating the frames of an untagged 320 kb/s fixture, which concatenate
// into a valid stream: encoding 100 minutes would take longer than the measurements.
const std::string& long_song() {
  static const std::string path = [] {
    const ByteBuffer second = read_whole_file(std::string(RINGLARK_FIXTURES_DIR) + "/cbr320_untagged.mp3");
    const auto decoder = Decoder::open_bytes(second);
    const std::int64_t copies = kSongSeconds * kMixRate / decoder->length_frames() + 1;
    const auto file = std::filesystem::temp_directory_path() / "ringlark_bench_100_minutes.mp3";
    std::ofstream out(file, std::ios::binary);
    for (std::int64_t i = 0; i < copies; ++i) {
      out.write(reinterpret_cast<const char*>(second.data()), static_cast<std::streamsize>(second.size()));
    }
    return file.string();
  }();
  return path;
}

void OpenToLength(benchmark::State& state) {
  const std::string& song = long_song();  // made outside the timed loop
  for (auto _ : state) {
    const auto decoder = Decoder::open_file(song);
    benchmark::DoNotOptimize(decoder->length_frames());
  }
  state.counters["song_minutes"] =
      static_cast<double>(Decoder::open_file(song)->length_frames()) / kMixRate / 60.0;
}
BENCHMARK(OpenToLength)->Unit(benchmark::kMillisecond);

// Through the song player, as the Play button does: open, play, and the first block mixed.
void OpenToFirstAudio(benchmark::State& state) {
  const std::string& song = long_song();
  AudioEngine engine(pumped_output);
  for (auto _ : state) {
    AudioMediaPlayer player(engine);
    player.open(song);
    player.play(-1);
    benchmark::DoNotOptimize(engine.pump(Mixer::kBlockFrames));
  }
}
BENCHMARK(OpenToFirstAudio)->Unit(benchmark::kMillisecond);

void DecodeOneMinute(benchmark::State& state) {
  const auto decoder = Decoder::open_file(long_song());
  std::vector<float> block(Mixer::kBlockFrames * kMixChannels);
  for (auto _ : state) {
    decoder->seek(0);
    for (std::size_t done = 0; done < kMinuteFrames; done += Mixer::kBlockFrames) {
      benchmark::DoNotOptimize(decoder->read(block.data(), Mixer::kBlockFrames));
    }
  }
}
BENCHMARK(DecodeOneMinute)->Unit(benchmark::kMillisecond);

// Decoding, mixing and the position bookkeeping: what the audio thread does per minute.
void PlayOneMinute(benchmark::State& state) {
  AudioEngine engine(pumped_output);
  AudioMediaPlayer player(engine);
  player.open(long_song());
  for (auto _ : state) {
    player.play(0);
    for (std::size_t done = 0; done < kMinuteFrames; done += Mixer::kBlockFrames) {
      benchmark::DoNotOptimize(engine.pump(Mixer::kBlockFrames));
    }
  }
}
BENCHMARK(PlayOneMinute)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ringlark
