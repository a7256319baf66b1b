#pragma once

// The two periodic handlers that keep the window in step with the player.

#include "core/program_state.h"
#include "platform/controls.h"

namespace ringlark {

// 时钟1: the position as clock text into 标签4, the whole seconds played into the slider.
void clock_tick(Controls& controls);

// 时钟2: stops and rewinds the song when the slider stands at the end mark.
void end_mark_watch(Controls& controls, const ProgramState& state);

}  // namespace ringlark
