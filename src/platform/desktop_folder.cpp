#include "platform/desktop_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace ringlark {

std::string desktop_folder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (folder.isEmpty()) return {};
  folder = QDir::toNativeSeparators(folder);
  if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
  return folder.toUtf8().toStdString();
}

}  // namespace ringlark
