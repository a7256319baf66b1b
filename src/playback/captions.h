#pragma once

namespace ringlark {

// 按钮3 offers what a click would do: pause while playing, play on while paused.
inline constexpr const char* pause_caption = "暂停播放";
inline constexpr const char* resume_caption = "继续播放";

}  // namespace ringlark
