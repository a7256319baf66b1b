#pragma once

#include "platform/edit_box.h"
#include "platform/file_dialog.h"
#include "platform/group_box.h"
#include "platform/media_player.h"
#include "platform/push_button.h"
#include "platform/slider.h"
#include "platform/timer.h"
#include "platform/transparent_label.h"

namespace ringlark {

// The 26 live controls of the window, each under its own name, in the order of the window
// description. Handlers take this, so they run against the real widgets and in tests alike.
struct Controls {
  Slider& 滑块条1;
  FileDialog& 通用对话框2;
  Timer& 时钟3;
  PushButton& 按钮3;
  Timer& 时钟1;
  MediaPlayer& 媒体播放1;
  Timer& 时钟2;
  FileDialog& 通用对话框1;
  TransparentLabel& 标签10;
  TransparentLabel& 透明标签8;
  TransparentLabel& 标签7;
  TransparentLabel& 透明标签6;
  PushButton& 按钮9;
  PushButton& 按钮10;
  PushButton& 按钮8;
  PushButton& 按钮7;
  TransparentLabel& 标签4;
  TransparentLabel& 透明标签4;
  TransparentLabel& 标签2;
  TransparentLabel& 透明标签2;
  PushButton& 按钮4;
  PushButton& 按钮2;
  PushButton& 按钮1;
  EditBox& 编辑框1;
  TransparentLabel& 透明标签1;
  GroupBox& 分组框1;
};

}  // namespace ringlark
