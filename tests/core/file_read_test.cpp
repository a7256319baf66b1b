#include "core/file_read.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "core/text.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

class FileRead : public ::testing::Test {
 protected:
  testing_support::TempDir dir;
  std::string ten = dir.write("歌 (1).mp3", "0123456789");
  std::string empty = dir.write("empty.mp3", "");
  std::string folder = dir.path().string();
  std::string missing = dir.path().string() + "/missing.mp3";
};

TEST_F(FileRead, GivesTheBytesOrTheEmptyBuffer) {
  EXPECT_EQ(read_whole_file(ten), ByteBuffer({'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
  for (const std::string& nothing : {std::string(), empty, folder, missing}) {
    EXPECT_TRUE(read_whole_file(nothing).empty()) << nothing;
  }
}

TEST_F(FileRead, PartsAndCountsAgreeWithTheWholeRead) {
  const std::pair<std::int32_t, std::int32_t> parts[] = {
      {1, 10}, {0, 3}, {-15, 20}, {5, 3}, {10, 5}, {11, 1}, {3, 0}, {3, -2}, {-2147483647 - 1, 2147483647},
  };
  for (const std::string& path : {ten, std::string(), empty, folder, missing}) {
    const ByteBuffer whole = read_whole_file(path);
    EXPECT_EQ(readable_byte_count(path), whole.size()) << path;
    for (const auto& [start, count] : parts) {
      EXPECT_EQ(read_file_part(path, start, count), middle(whole, start, count))
          << path << " from " << start << " count " << count;
    }
  }
}

TEST_F(FileRead, OfAFileThatCannotBeOpenedIsEmpty) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  std::filesystem::permissions(ten, std::filesystem::perms::none);
  EXPECT_TRUE(read_whole_file(ten).empty());
  EXPECT_TRUE(read_file_part(ten, 1, 5).empty());
  EXPECT_EQ(readable_byte_count(ten), 0u);
}

}  // namespace
}  // namespace ringlark
