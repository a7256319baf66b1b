#pragma once

#include <string>
#include <string_view>

#include <QObject>
#include <QStringList>

class QWidget;

namespace ringlark {

enum class FileDialogKind { open, save };

// "name|pattern|name|pattern..." as the file dialogs take it, in Qt's form "name (pattern)".
// A closing "||" and a name without a pattern are dropped; ";" between patterns becomes " ".
QStringList qt_name_filters(std::string_view filter);

// A never-visible common file dialog: its properties are kept between showings, and show()
// runs the widget-based Qt dialog modally over the owner window.
class FileDialog : public QObject {
  Q_OBJECT

 public:
  explicit FileDialog(QWidget* owner = nullptr);

  FileDialogKind kind() const { return kind_; }
  void set_kind(FileDialogKind kind) { kind_ = kind; }
  const std::string& title() const { return title_; }
  void set_title(const std::string& title) { title_ = title; }
  const std::string& file_name() const { return file_name_; }
  void set_file_name(const std::string& file_name) { file_name_ = file_name; }
  const std::string& filter() const { return filter_; }
  void set_filter(const std::string& filter) { filter_ = filter; }
  const std::string& initial_directory() const { return initial_directory_; }
  void set_initial_directory(const std::string& folder) { initial_directory_ = folder; }
  // Added to a confirmed name that has no extension of its own ("mp3" gives "x.mp3").
  const std::string& default_extension() const { return default_extension_; }
  void set_default_extension(const std::string& extension) { default_extension_ = extension; }
  bool ask_before_overwriting() const { return ask_before_overwriting_; }
  void set_ask_before_overwriting(bool on) { ask_before_overwriting_ = on; }
  bool folder_must_exist() const { return folder_must_exist_; }
  void set_folder_must_exist(bool on) { folder_must_exist_ = on; }
  // Honoured by the open kind only: a save dialog must accept names of new files.
  bool file_must_exist() const { return file_must_exist_; }
  void set_file_must_exist(bool on) { file_must_exist_ = on; }
  QWidget* owner() const { return owner_; }
  void set_owner(QWidget* owner) { owner_ = owner; }

  // Modal; timers keep ticking meanwhile. On confirmation the chosen file's full path becomes
  // file_name, its folder the current directory, and the result is true. On cancel or close
  // file_name keeps its value and the result is false.
  bool show();

 private:
  QWidget* owner_;
  FileDialogKind kind_ = FileDialogKind::open;
  std::string title_;
  std::string file_name_;
  std::string filter_;
  std::string initial_directory_;
  std::string default_extension_;
  bool ask_before_overwriting_ = true;
  bool folder_must_exist_ = true;
  bool file_must_exist_ = true;
};

}  // namespace ringlark
