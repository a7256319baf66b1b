#include "platform/current_directory.h"

#include <QDir>

namespace ringlark {

std::string current_directory() {
  return QDir::toNativeSeparators(QDir::currentPath()).toUtf8().toStdString();
}

}  // namespace ringlark
