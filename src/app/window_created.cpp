#include "app/window_created.h"

#include "platform/desktop_folder.h"

namespace ringlark {

void window_created(MainWindow& window, Controls& controls) {
  controls.通用对话框1.set_initial_directory(desktop_folder());
  window.show();
  window.activateWindow();
}

}  // namespace ringlark
