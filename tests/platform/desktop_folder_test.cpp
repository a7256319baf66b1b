#include "platform/desktop_folder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QStandardPaths>

#include <filesystem>

#include "platform/current_directory.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

// Points HOME (and so the desktop) at a fresh folder for one test.
class FreshHome : public ::testing::Test {
 protected:
  FreshHome() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", QByteArray::fromStdString(dir.path().string()));
    qunsetenv("XDG_CONFIG_HOME");
  }
  ~FreshHome() override {
    qputenv("HOME", home_);
    if (!config_.isNull()) qputenv("XDG_CONFIG_HOME", config_);
  }

  testing_support::TempDir dir;

 private:
  QByteArray home_;
  QByteArray config_;
};

TEST_F(FreshHome, TheDesktopFolderEndsInASeparatorAndIsNeverCreated) {
  const std::string folder = desktop_folder();
  const QString expected =
      QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)) +
      QDir::separator();
  EXPECT_EQ(QString::fromStdString(folder), expected);
  EXPECT_EQ(folder.back(), QDir::separator().toLatin1());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Desktop"));
}

TEST(CurrentDirectory, FollowsTheProcess) {
  const QString before = QDir::currentPath();
  testing_support::TempDir dir;
  QDir::setCurrent(QString::fromStdString(dir.path().string()));
  EXPECT_EQ(std::filesystem::path(current_directory()), std::filesystem::canonical(dir.path()));
  QDir::setCurrent(before);
}

}  // namespace
}  // namespace ringlark
