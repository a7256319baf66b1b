#pragma once

#include "core/program_state.h"
#include "platform/controls.h"
#include "platform/mp3_player.h"

namespace ringlark {

// Plays the last cut from memory; without one, the preview file on the desktop named after the
// source (desktop folder, stem, "_sh.mp3"). Each click first stops the preview still sounding.
void preview_ringtone(Controls& controls, const ProgramState& state, Mp3Player& player);

}  // namespace ringlark
