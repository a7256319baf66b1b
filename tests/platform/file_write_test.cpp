#include "platform/file_write.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "core/file_read.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

class FileWrite : public ::testing::Test {
 protected:
  testing_support::TempDir dir;
  ByteBuffer bytes{'c', 'u', 't'};
};

TEST_F(FileWrite, ReplacesTheTargetWhole) {
  const std::string target = dir.write("铃声.mp3", "an older and longer ringtone");
  EXPECT_EQ(write_file_atomically(target, bytes), std::nullopt);
  EXPECT_EQ(read_whole_file(target), bytes);
  EXPECT_EQ(write_file_atomically(target, {}), std::nullopt);
  EXPECT_EQ(std::filesystem::file_size(target), 0u);
}

TEST_F(FileWrite, FailsWithAReasonAndLeavesEverythingAsItWas) {
  const std::string in_missing_folder = dir.path("gone/ringtone.mp3");
  for (const std::string& target : {std::string(), in_missing_folder, std::string("/proc/ringtone.mp3")}) {
    const std::optional<std::string> failure = write_file_atomically(target, bytes);
    ASSERT_TRUE(failure.has_value()) << target;
    EXPECT_FALSE(failure->empty());
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path("gone")));
}

TEST_F(FileWrite, KeepsAReadOnlyFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes every file";
  const std::string target = dir.write("kept.mp3", "kept");
  std::filesystem::permissions(target, std::filesystem::perms::owner_read);
  EXPECT_TRUE(write_file_atomically(target, bytes).has_value());
  EXPECT_EQ(read_whole_file(target), ByteBuffer({'k', 'e', 'p', 't'}));
}

}  // namespace
}  // namespace ringlark
