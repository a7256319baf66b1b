#include "output/save_ringtone.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>

#include <unistd.h>

#include "core/file_read.h"
#include "support/file_dialog_answers.h"
#include "support/handler_test.h"

namespace ringlark {
namespace {

using testing_support::when_next_modal;

class SaveRingtone : public testing_support::HandlerTest {
 protected:
  SaveRingtone() {
    FileDialog& dialog = controls.通用对话框2;
    dialog.set_kind(FileDialogKind::save);
    dialog.set_title("保存铃声");
    dialog.set_filter("mp3文件|*.mp3");
    dialog.set_default_extension("mp3");
    state.ringtone_data = {'c', 'u', 't'};
  }

  // Answers the save dialog with `typed`, and "yes" when it asks before overwriting; then runs
  // `after_dialog`. Returns the name that the dialog proposed.
  std::string save_as(
      const std::string& typed, const std::function<void()>& after_dialog = [] {}) {
    std::string proposed;
    when_next_modal<QFileDialog>([&](QFileDialog& dialog) {
      auto* name_field = dialog.findChild<QLineEdit*>("fileNameEdit");
      proposed = name_field->text().toStdString();
      name_field->setText(QString::fromStdString(typed));
      if (std::filesystem::exists(typed)) {
        when_next_modal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
      }
      static_cast<QDialog&>(dialog).accept();
      after_dialog();
    });
    save_ringtone(controls, state);
    return proposed;
  }

  std::string folder = dir.path().string() + "/";
};

TEST_F(SaveRingtone, ProposesTheStemAndWritesExactlyTheCut) {
  const std::pair<std::string, std::string> proposals[] = {
      {"/music/song.mp3", "song - 铃声"},
      {"/music/my.song.mp3", "my.song - 铃声"},
      {"/music/song", " - 铃声"},
      {"", " - 铃声"},
  };
  for (const auto& [source, proposed] : proposals) {
    controls.编辑框1.set_text(source);
    EXPECT_EQ(save_as(folder + "ringtone.mp3"), proposed) << source;
    EXPECT_EQ(read_whole_file(folder + "ringtone.mp3"), state.ringtone_data);
  }
}

TEST_F(SaveRingtone, WritesNoBytesForAnEmptyCutAndTruncatesAnExistingFileOnlyAfterTheQuestion) {
  const std::string existing = dir.write("old.mp3", "an older ringtone");
  state.ringtone_data.clear();
  save_as(existing);
  EXPECT_TRUE(std::filesystem::exists(existing));
  EXPECT_EQ(std::filesystem::file_size(existing), 0u);
}

TEST_F(SaveRingtone, AddsMp3ToANameTypedWithoutExtension) {
  save_as(folder + "新铃声");
  EXPECT_EQ(read_whole_file(folder + "新铃声.mp3"), state.ringtone_data);
}

TEST_F(SaveRingtone, CancelWritesNothingAndKeepsTheProposal) {
  controls.编辑框1.set_text("/music/song.mp3");
  testing_support::cancel_next_file_dialog();
  save_ringtone(controls, state);
  EXPECT_EQ(controls.通用对话框2.file_name(), "song - 铃声");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(SaveRingtone, OverTheSourceSongWritesTheCutFromMemory) {
  const std::string song = dir.write("song.mp3", std::string(10'000, 's'));
  controls.编辑框1.set_text(song);
  state.ringtone_data = read_file_part(song, 101, 50);
  save_as(song);
  EXPECT_EQ(read_whole_file(song), ByteBuffer(50, 's'));
}

TEST_F(SaveRingtone, AFailedWriteSaysSoAndLeavesTheTargetAsItWas) {
  std::vector<std::string> targets{"/proc/ringtone.mp3"};  // not even root may create files there
  if (geteuid() != 0) {
    targets.push_back(dir.write("kept.mp3", "kept"));
    std::filesystem::permissions(dir.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  }
  for (const std::string& target : targets) {
    const ByteBuffer before = read_whole_file(target);
    testing_support::MessageSeen seen;
    save_as(target, [&seen] { testing_support::close_next_message_box(seen); });
    EXPECT_TRUE(seen.shown) << target;
    EXPECT_EQ(seen.title, "保存铃声");
    EXPECT_NE(seen.text.find(target), std::string::npos) << seen.text;
    EXPECT_EQ(read_whole_file(target), before) << target;
  }
}

}  // namespace
}  // namespace ringlark
