#include "platform/message_box.h"

#include <gtest/gtest.h>

#include "support/file_dialog_answers.h"

namespace ringlark {
namespace {

TEST(ErrorMessage, ShowsTitleAndTextUntilClosed) {
  testing_support::MessageSeen seen;
  testing_support::close_next_message_box(seen);
  show_error_message("保存铃声", "无法写入 /tmp/<x>.mp3：磁盘已满");
  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(seen.title, "保存铃声");
  EXPECT_EQ(seen.text, "无法写入 /tmp/<x>.mp3：磁盘已满");
}

}  // namespace
}  // namespace ringlark
