#include "platform/file_dialog.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <string>

#include "platform/current_directory.h"
#include "support/file_dialog_answers.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

std::string utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

std::string native(const std::string& path) {
  return QDir::toNativeSeparators(QFileInfo(QString::fromUtf8(path)).absoluteFilePath())
      .toUtf8()
      .toStdString();
}

TEST(FileDialogFilter, PairsBecomeQtNameFilters) {
  struct Case {
    const char* filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"mp3文件|*.mp3", {"mp3文件 (*.mp3)"}},
      {"mp3文件|*.mp3||", {"mp3文件 (*.mp3)"}},
      {"音频|*.mp3;*.wav|全部|*.*", {"音频 (*.mp3 *.wav)", "全部 (*.*)"}},
      {"", {}},
      {"a name without a pattern", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(qt_name_filters(c.filter), c.expected) << c.filter;
}

class FileDialogShow : public ::testing::Test {
 protected:
  FileDialogShow() : before_(QDir::currentPath()) {}
  ~FileDialogShow() override { QDir::setCurrent(before_); }

  std::string song() { return dir.write("歌.mp3", "ID3"); }

  testing_support::TempDir dir;
  FileDialog dialog;

 private:
  QString before_;
};

TEST_F(FileDialogShow, ConfirmingGivesTheFullPathAndMakesItsFolderCurrent) {
  const std::string path = song();
  dialog.set_filter("mp3文件|*.mp3");
  dialog.set_initial_directory(utf8(dir.path()));
  testing_support::answer_next_file_dialog(path);

  EXPECT_TRUE(dialog.show());
  EXPECT_EQ(dialog.file_name(), native(path));
  EXPECT_EQ(current_directory(), native(utf8(dir.path())));
}

TEST_F(FileDialogShow, CancellingKeepsTheFileNameAndTheCurrentDirectory) {
  dialog.set_initial_directory(utf8(dir.path()));
  dialog.set_file_name("kept.mp3");
  const std::string before = current_directory();
  testing_support::cancel_next_file_dialog();

  EXPECT_FALSE(dialog.show());
  EXPECT_EQ(dialog.file_name(), "kept.mp3");
  EXPECT_EQ(current_directory(), before);
}

TEST_F(FileDialogShow, ASaveDialogTakesANewNameAndAddsTheDefaultExtension) {
  dialog.set_kind(FileDialogKind::save);
  dialog.set_default_extension("mp3");
  testing_support::answer_next_file_dialog(utf8(dir.path()) + "/新铃声");

  EXPECT_TRUE(dialog.show());
  EXPECT_EQ(dialog.file_name(), native(utf8(dir.path()) + "/新铃声.mp3"));
}

TEST_F(FileDialogShow, AnOpenDialogShowsOverItsOwnerWithTheSettingsItHolds) {
  QWidget owner;
  dialog.set_owner(&owner);
  dialog.set_title("选择");
  dialog.set_filter("mp3文件|*.mp3");
  dialog.set_initial_directory(utf8(dir.path()));
  QString title;
  QString directory;
  QStringList filters;
  QWidget* parent = nullptr;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  testing_support::when_next_modal<QFileDialog>(std::function<void(QFileDialog&)>([&](QFileDialog& shown) {
    title = shown.windowTitle();
    directory = shown.directory().absolutePath();
    filters = shown.nameFilters();
    parent = shown.parentWidget();
    mode = shown.fileMode();
    shown.reject();
  }));

  EXPECT_FALSE(dialog.show());
  EXPECT_EQ(title, "选择");
  EXPECT_EQ(directory, QDir(QString::fromUtf8(utf8(dir.path()))).absolutePath());
  EXPECT_EQ(filters, QStringList{"mp3文件 (*.mp3)"});
  EXPECT_EQ(parent, &owner);
  EXPECT_EQ(mode, QFileDialog::ExistingFile) << "an opened file must exist";
}

}  // namespace
}  // namespace ringlark
