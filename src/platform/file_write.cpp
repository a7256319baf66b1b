#include "platform/file_write.h"

#include <QFileInfo>
#include <QSaveFile>

namespace ringlark {

std::optional<std::string> write_file_atomically(const std::string& path, const ByteBuffer& bytes) {
  const QString file_path = QString::fromUtf8(path);
  if (path.empty()) return "没有文件名";
  // Replacing goes through the folder, so it would pass over a file that is itself read-only.
  const QFileInfo existing(file_path);
  if (existing.exists() && !existing.isWritable()) return "文件是只读的";
  QSaveFile file(file_path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
    const std::string reason = file.errorString().toStdString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

}  // namespace ringlark
