#include <gtest/gtest.h>
#include <QTest>

#include <string>

#include "platform/edit_box.h"
#include "platform/group_box.h"
#include "platform/push_button.h"
#include "platform/transparent_label.h"

namespace ringlark {
namespace {

const std::string texts[] = {"", "播放音乐", "停止播放■", "C:\\歌曲\\a<b>.mp3", "03:27"};

TEST(PushButton, KeepsItsCaptionAndReportsClicks) {
  PushButton button;
  for (const std::string& text : texts) {
    button.set_caption(text);
    EXPECT_EQ(button.caption(), text);
  }
  int clicks = 0;
  button.on_clicked([&clicks] { ++clicks; });
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  QTest::keyClick(&button, Qt::Key_Return);
  QTest::keyClick(&button, Qt::Key_Enter);
  EXPECT_EQ(clicks, 1) << "Enter is not used: no button is a default button";
  EXPECT_FALSE(button.autoDefault());
  EXPECT_FALSE(button.isDefault());
}

TEST(TransparentLabel, ShowsItsCaptionAsPlainTextOnItsParentsBackground) {
  TransparentLabel label;
  for (const std::string& text : texts) {
    label.set_caption(text);
    EXPECT_EQ(label.caption(), text);
  }
  EXPECT_FALSE(label.autoFillBackground());
  EXPECT_EQ(label.alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_FALSE(label.wordWrap());
  EXPECT_EQ(label.textFormat(), Qt::PlainText);
  EXPECT_EQ(label.frameShape(), QFrame::NoFrame);
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST(EditBox, HoldsOneLineOfAnyLength) {
  EditBox edit;
  for (const std::string& text : texts) {
    edit.set_text(text);
    EXPECT_EQ(edit.text(), text);
  }
  const std::string long_path(40'000, 'x');
  edit.set_text(long_path);
  EXPECT_EQ(edit.text(), long_path) << "no length limit";
  QTest::keyClicks(&edit, ".mp3");
  EXPECT_EQ(edit.text(), long_path + ".mp3") << "the user can type";
}

TEST(GroupBox, IsAFrameWithoutATitle) {
  GroupBox group;
  EXPECT_TRUE(group.title().isEmpty());
  EXPECT_FALSE(group.isFlat());
  EXPECT_FALSE(group.isCheckable());
}

}  // namespace
}  // namespace ringlark
