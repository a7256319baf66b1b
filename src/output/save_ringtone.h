#pragma once

#include "core/program_state.h"
#include "platform/controls.h"

namespace ringlark {

// Writes the last cut to a file that the user names in 通用对话框2, which proposes the source's
// stem followed by " - 铃声". The file is replaced whole or not at all; a failure says so.
void save_ringtone(Controls& controls, const ProgramState& state);

}  // namespace ringlark
