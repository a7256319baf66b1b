// Set end on a long song: the cut reads only the bytes between the marks, so its time depends on
// the segment, not on the song. The song is named by RINGLARK_BENCH_SONG (bench/run.sh makes a
// 300 MB one); the counters give the byte range, so that other tools can copy the same bytes.
//   RINGLARK_BENCH_SONG=song.mp3 build/bench/bench/set_end_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/marks.h"
#include "core/program_state.h"
#include "platform/audio/audio_engine.h"
#include "platform/audio/audio_media_player.h"

namespace ringlark {
namespace {

constexpr std::int32_t kStartMs = 60 * 60 * 1000;
constexpr std::int32_t kEndMs = kStartMs + 30 * 1000;

void SetEnd30Seconds(benchmark::State& state) {
  const char* song = std::getenv("RINGLARK_BENCH_SONG");
  if (song == nullptr) {
    state.SkipWithError("RINGLARK_BENCH_SONG names no song");
    return;
  }
  // The length as the Play button gets it; the marks as Set start and Set end compute them.
  AudioEngine engine(pumped_output);
  AudioMediaPlayer player(engine);
  player.open(song);
  const std::int32_t length = player.length_ms();
  if (length <= kEndMs) {
    state.SkipWithError("the song is not longer than the segment's end");
    return;
  }
  ProgramState program;
  record_source_size(program, song);
  set_start(program, kStartMs, length);
  for (auto _ : state) {
    set_end(program, kEndMs / 1000, kEndMs, length, song);
    benchmark::DoNotOptimize(program.ringtone_data.data());
  }
  // The cut starts at the 1-based start offset.
  state.counters["skip_bytes"] = program.start_offset - 1;
  state.counters["count_bytes"] = program.end_offset - program.start_offset;
  state.counters["cut_bytes"] = static_cast<double>(program.ringtone_data.size());
  state.counters["song_bytes"] = program.source_size;
}
BENCHMARK(SetEnd30Seconds)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ringlark
