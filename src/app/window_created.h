#pragma once

#include "app/main_window.h"
#include "platform/controls.h"

namespace ringlark {

// Runs on the window's created event: the open dialog starts on the desktop (or where the
// platform's dialog starts by default when there is no desktop folder), then the window shows.
void window_created(MainWindow& window, Controls& controls);

}  // namespace ringlark
