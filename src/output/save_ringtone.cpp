#include "output/save_ringtone.h"

#include <optional>

#include "core/file_stem.h"
#include "platform/file_write.h"
#include "platform/message_box.h"

namespace ringlark {

void save_ringtone(Controls& controls, const ProgramState& state) {
  FileDialog& dialog = controls.通用对话框2;
  dialog.set_file_name(file_stem(controls.编辑框1.text()) + " - 铃声");
  if (!dialog.show()) return;
  const std::string path = dialog.file_name();
  if (const std::optional<std::string> failure = write_file_atomically(path, state.ringtone_data)) {
    show_error_message("保存铃声", "铃声没有保存。\n" + path + "\n" + *failure);
  }
}

}  // namespace ringlark
