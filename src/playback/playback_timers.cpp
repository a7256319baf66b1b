#include "playback/playback_timers.h"

#include "core/clock_text.h"
#include "core/truncating_conversion.h"

namespace ringlark {

void clock_tick(Controls& controls) {
  MediaPlayer& player = controls.媒体播放1;
  // Three readings, one per use: each is as fresh as it can be.
  const std::int32_t minutes_reading = player.position_ms();
  const std::int32_t seconds_reading = player.position_ms();
  controls.标签4.set_caption(clock_text(minutes_reading, seconds_reading));
  const double seconds_played = static_cast<double>(player.position_ms()) / 1000.0;
  controls.滑块条1.set_position(truncate_to_int32(seconds_played));
}

void end_mark_watch(Controls& controls, const ProgramState& state) {
  if (controls.滑块条1.position() == state.end_slider) controls.媒体播放1.stop_and_rewind();
}

}  // namespace ringlark
