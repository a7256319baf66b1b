#include "app/window_description.h"

#include <array>

namespace ringlark {
namespace {

using enum ControlKind;

constexpr TimerSettings stopped{0};

// The save dialog's default extension is "mp3" so that a typed name without one still names an
// MP3 file; it accepts new names because the platform checks existence for open dialogs only.
constexpr FileDialogSettings save_dialog{
    FileDialogKind::save, "保存铃声", "", "mp3文件|*.mp3", "", "mp3", true, true, true};
constexpr FileDialogSettings open_dialog{FileDialogKind::open, "", "", "", "", "", true, true, true};

// In description order; start-up creates them from the last row up.
constexpr std::array<ControlDescription, 26> controls{{
    {"滑块条1", slider, "分组框1", 16, 80, 472, 32, true, true, "", {}},
    {"通用对话框2", file_dialog, "分组框1", 304, 216, 56, 24, false, false, "", save_dialog},
    {"时钟3", timer, "分组框1", 280, 200, 40, 24, false, false, "", stopped},
    {"按钮3", push_button, "分组框1", 96, 48, 72, 24, true, true, "暂停播放", {}},
    {"时钟1", timer, "分组框1", 320, 168, 48, 40, false, false, "", stopped},
    {"媒体播放1", media_player, "分组框1", 360, 184, 32, 32, false, false, "", {}},
    {"时钟2", timer, "分组框1", 328, 200, 32, 40, false, false, "", stopped},
    {"通用对话框1", file_dialog, "分组框1", 304, 184, 48, 24, false, false, "", open_dialog},
    {"标签10", transparent_label, "分组框1", 216, 152, 40, 24, true, false, "", {}},
    {"透明标签8", transparent_label, "分组框1", 152, 152, 64, 24, true, false, "终点时间：", {}},
    {"标签7", transparent_label, "分组框1", 88, 152, 48, 24, true, false, "", {}},
    {"透明标签6", transparent_label, "分组框1", 24, 152, 64, 24, true, false, "起点时间：", {}},
    {"按钮9", push_button, "分组框1", 416, 120, 72, 24, true, true, "保存铃声", {}},
    {"按钮10", push_button, "分组框1", 336, 120, 72, 24, true, true, "试听铃声", {}},
    {"按钮8", push_button, "分组框1", 96, 120, 72, 24, true, true, "设置终点", {}},
    {"按钮7", push_button, "分组框1", 16, 120, 72, 24, true, true, "设置起点", {}},
    {"标签4", transparent_label, "分组框1", 432, 48, 56, 24, true, false, "", {}},
    {"透明标签4", transparent_label, "分组框1", 368, 48, 56, 24, true, false, "播放时间：", {}},
    {"标签2", transparent_label, "分组框1", 320, 48, 48, 24, true, false, "", {}},
    {"透明标签2", transparent_label, "分组框1", 256, 48, 64, 24, true, false, "歌曲时间：", {}},
    {"按钮4", push_button, "分组框1", 176, 48, 72, 24, true, true, "停止播放■", {}},
    {"按钮2", push_button, "分组框1", 16, 48, 72, 24, true, true, "播放音乐", {}},
    {"按钮1", push_button, "分组框1", 416, 16, 72, 24, true, true, "浏览文件", {}},
    {"编辑框1", edit_box, "分组框1", 80, 16, 328, 24, true, true, "", {}},
    {"透明标签1", transparent_label, "分组框1", 16, 16, 72, 24, true, false, "音乐文件：", {}},
    {"分组框1", group_box, "", 16, 8, 536, 192, true, false, "", {}},
}};

constexpr WindowDescription window{
    "Ringlark - Veltrano荣誉出品", 574, 246, 50, 50, true, true, false, ":/icons", controls};

}  // namespace

const WindowDescription& window_description() { return window; }

}  // namespace ringlark
