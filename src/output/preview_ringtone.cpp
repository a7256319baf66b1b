#include "output/preview_ringtone.h"

#include "core/file_stem.h"
#include "platform/desktop_folder.h"

namespace ringlark {

void preview_ringtone(Controls& controls, const ProgramState& state, Mp3Player& player) {
  if (!state.ringtone_data.empty()) {
    player.play_bytes(state.ringtone_data, 1);
    return;
  }
  // The folder is asked before the stem, which may change the current directory.
  const std::string desktop = desktop_folder();
  player.play_file(desktop + file_stem(controls.编辑框1.text()) + "_sh.mp3", 1);
}

}  // namespace ringlark
