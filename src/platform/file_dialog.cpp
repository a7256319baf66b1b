#include "platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace ringlark {
namespace {

QString from_utf8(const std::string& text) { return QString::fromUtf8(text); }

// The Qt dialog checks that an opened file exists, but lets a save name point into a folder
// that does not; this one refuses that, as the native dialog does.
class CheckedFileDialog : public QFileDialog {
 public:
  CheckedFileDialog(QWidget* parent, bool folder_must_exist)
      : QFileDialog(parent), folder_must_exist_(folder_must_exist) {}

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (folder_must_exist_ && !chosen.isEmpty()) {
      const QFileInfo file(chosen.first());
      if (!file.isDir() && !file.absoluteDir().exists()) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(file.absolutePath())));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool folder_must_exist_;
};

}  // namespace

QStringList qt_name_filters(std::string_view filter) {
  const QStringList items =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
    const QString& name = items[i];
    QString patterns = items[i + 1];
    if (name.isEmpty() && patterns.isEmpty()) break;  // the closing "||"
    patterns.replace(u';', u' ');
    filters << QStringLiteral("%1 (%2)").arg(name, patterns.trimmed());
  }
  return filters;
}

FileDialog::FileDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool FileDialog::show() {
  CheckedFileDialog dialog(owner_, folder_must_exist_);
  // The widget-based dialog runs in this process, so its nested loop keeps our timers ticking
  // and tests can answer it.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !ask_before_overwriting_);
  const bool open = kind_ == FileDialogKind::open;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open && file_must_exist_ ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!title_.empty()) dialog.setWindowTitle(from_utf8(title_));
  const QStringList filters = qt_name_filters(filter_);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!default_extension_.empty()) dialog.setDefaultSuffix(from_utf8(default_extension_));
  if (!initial_directory_.empty()) dialog.setDirectory(from_utf8(initial_directory_));
  if (!file_name_.empty()) {
    // A full path opens in its own folder; a bare name is proposed in the initial directory.
    dialog.selectFile(from_utf8(file_name_));
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  const QFileInfo file(chosen.first());
  file_name_ = QDir::toNativeSeparators(file.absoluteFilePath()).toUtf8().toStdString();
  QDir::setCurrent(file.absolutePath());
  return true;
}

}  // namespace ringlark
