#pragma once

// The window and its 26 controls as constant data. Start-up is the only reader: it builds the
// window from this once, and from then on the controls are addressed by their names.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "platform/file_dialog.h"

namespace ringlark {

enum class ControlKind {
  push_button,        // 按钮
  transparent_label,  // 透明标签
  edit_box,           // 编辑框
  group_box,          // 分组框
  slider,             // 滑块条
  timer,              // 时钟
  file_dialog,        // 通用对话框
  media_player,       // 媒体播放
};

struct TimerSettings {
  std::int32_t period_ms;
};

// The platform's dialog never asks before creating a file and always makes the chosen folder
// current, which is what every dialog here asks for; those two settings are therefore not listed.
struct FileDialogSettings {
  FileDialogKind kind;
  std::string_view title;
  std::string_view file_name;
  std::string_view filter;
  std::string_view initial_directory;
  std::string_view default_extension;
  bool ask_before_overwriting;
  bool folder_must_exist;
  bool file_must_exist;
};

// Settings that every control of a kind shares live in the platform class of that kind.
using KindSettings = std::variant<std::monostate, TimerSettings, FileDialogSettings>;

struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;  // empty: the window itself
  int x;
  int y;
  int width;
  int height;
  bool shown;
  bool tab_stop;
  std::string_view text;
  KindSettings settings;
};

struct WindowDescription {
  std::string_view caption;
  int outer_width;  // frame and title bar included
  int outer_height;
  int left;  // overridden: the window is centred when it is created
  int top;
  bool fixed_frame;
  bool minimize_box;
  bool maximize_box;
  std::string_view icon;  // a Qt resource folder holding the icon at each size
  std::span<const ControlDescription> controls;
};

const WindowDescription& window_description();

}  // namespace ringlark
