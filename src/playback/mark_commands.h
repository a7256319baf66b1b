#pragma once

// Set start and Set end: the marks the user sets while listening.

#include "core/program_state.h"
#include "platform/controls.h"

namespace ringlark {

// 标签7 copies the clock of 标签4; the player's position becomes start_offset.
void set_start(Controls& controls, ProgramState& state);

// 标签10 copies the clock of 标签4; the slider and the player's position become the end mark and
// the bytes between the marks become ringtone_data. Starts the end-mark watch, which thus runs
// exactly when an end mark exists.
void set_end(Controls& controls, ProgramState& state);

}  // namespace ringlark
