#include "playback/mark_commands.h"

#include <cstdint>

#include "core/marks.h"

namespace ringlark {

void set_start(Controls& controls, ProgramState& state) {
  controls.标签7.set_caption(controls.标签4.caption());
  // The position is asked before the length: a playing song moves between the two questions.
  const std::int32_t position = controls.媒体播放1.position_ms();
  const std::int32_t length = controls.媒体播放1.length_ms();
  ::ringlark::set_start(state, position, length);
}

void set_end(Controls& controls, ProgramState& state) {
  controls.标签10.set_caption(controls.标签4.caption());
  const std::int32_t slider = controls.滑块条1.position();
  const std::int32_t position = controls.媒体播放1.position_ms();
  const std::int32_t length = controls.媒体播放1.length_ms();
  ::ringlark::set_end(state, slider, position, length, controls.编辑框1.text());
  controls.时钟2.set_period(500);
}

}  // namespace ringlark
