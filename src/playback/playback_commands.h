#pragma once

// What the user does to the song: the buttons of the playback line and the slider.

#include "core/program_state.h"
#include "platform/controls.h"

namespace ringlark {

// Lets the user pick an MP3 file into 编辑框1; a cancelled dialog leaves 编辑框1 as it was.
void browse(Controls& controls);

// Opens 编辑框1's file and plays it from the start: shows its length, records its size, sets the
// slider's range and starts the clock.
void play(Controls& controls, ProgramState& state);

// 按钮3's caption, not the player, decides whether this pauses or plays on.
void pause_or_resume(Controls& controls);

void stop(Controls& controls);

// Plays from the second that the user moved the slider to.
void seek(Controls& controls);

}  // namespace ringlark
