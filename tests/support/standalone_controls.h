#pragma once

// The 26 controls built on their own, without the window's layout, with a scripted media player:
// enough for a handler to run against real widgets.

#include <QWidget>

#include "platform/controls.h"
#include "support/scripted_media_player.h"

namespace ringlark::testing_support {

struct StandaloneControls {
  StandaloneControls() { pause_button.set_caption("暂停播放"); }

  QWidget window;
  GroupBox group{&window};
  Slider slider{&group};
  FileDialog save_dialog{&window};
  FileDialog open_dialog{&window};
  Timer title_timer, clock_timer, watch_timer;
  ScriptedMediaPlayer player;
  PushButton pause_button{&group}, save_button{&group}, preview_button{&group}, end_button{&group},
      start_button{&group}, stop_button{&group}, play_button{&group}, browse_button{&group};
  TransparentLabel end_label{&group}, end_caption{&group}, start_label{&group}, start_caption{&group},
      position_label{&group}, position_caption{&group}, length_label{&group}, length_caption{&group},
      path_caption{&group};
  EditBox path{&group};

  Controls controls{slider,       save_dialog,    title_timer, pause_button, clock_timer,    player,
                    watch_timer,  open_dialog,    end_label,   end_caption,  start_label,    start_caption,
                    save_button,  preview_button, end_button,  start_button, position_label, position_caption,
                    length_label, length_caption, stop_button, play_button,  browse_button,  path,
                    path_caption, group};
};

}  // namespace ringlark::testing_support
