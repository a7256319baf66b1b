#pragma once

#include <string>

namespace ringlark {

// Exit code when no window can be created; -1, which POSIX reports as 255.
inline constexpr int window_failed_exit_code = -1;

struct DisplayEnvironment {
  const char* qpa_platform;     // QT_QPA_PLATFORM, null when unset
  const char* display;          // DISPLAY
  const char* wayland_display;  // WAYLAND_DISPLAY
};

// Why the X11 or Wayland platform cannot open a window here, or the empty text when it may.
// Asked before Qt is, because Qt ends the process with a crash when it finds no display; a
// display that is named but cannot be reached is caught when Qt reports it.
std::string missing_display_reason(const DisplayEnvironment& environment);

// All floating-point exceptions masked, rounding to nearest.
void reset_floating_point();

// The whole program: start-up, the message loop, the shutdown. Gives the process's exit code:
// 0 after the window was closed, window_failed_exit_code (with one line on stderr and no exit
// clean-up) when no window can be created.
int run(int argc, char** argv);

}  // namespace ringlark
