#include "core/file_stem.h"

#include <gtest/gtest.h>

#include <set>

#include "core/text_path.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

// Windows paths in the GBK code page, with the folder test scripted.
TEST(FileStem, CutsTheExtensionOfTheLastComponentUnlessThePathIsAFolder) {
  const std::set<std::string> folders{"C:\\music.old", "C:\\music\\", "C:\\"};
  std::vector<std::string> tried;
  const ChangeDirectory scripted = [&](const std::string& path) {
    tried.push_back(path);
    return folders.count(path) > 0;
  };
  const PathSyntax windows_gbk{'\\', TextEncoding::ansi_double_byte};
  struct Case {
    std::string path;
    std::string stem;
  };
  const Case cases[] = {
      {"C:\\music\\song.mp3", "song"},
      {"C:\\music\\my.song.mp3", "my.song"},
      {"C:\\music\\song", ""},
      {"C:\\my.music\\song", ""},
      {"song.mp3", "song"},
      {"C:/music/song.mp3", "C:/music/song"},
      {"C:\\\xD2\xF4\xC0\xD6\\\xB8\xE8\xC7\xFA.mp3", "\xB8\xE8\xC7\xFA"},  // C:\音乐\歌曲.mp3
      {"C:\\music.old", "music.old"},
      {"C:\\music\\", "music"},
      {"C:\\", "C:"},
      {"C:\\music\\.mp3", ""},
      {"C:\\\xB1\x5C.mp3", "\xB1\x5C"},  // a 0x5C trail byte is no separator
  };
  for (const Case& c : cases) {
    tried.clear();
    EXPECT_EQ(file_stem(c.path, scripted, windows_gbk), c.stem) << c.path;
    EXPECT_EQ(tried, std::vector<std::string>{c.path}) << "the whole path is tried as a folder";
  }
}

TEST(FileStem, OfTheEmptyPathIsEmptyAndEntersNoFolder) {
  bool tried = false;
  EXPECT_EQ(file_stem("", [&](const std::string&) { return tried = true; }), "");
  EXPECT_FALSE(tried);
}

class FileStemOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(root.path() / "music");
    std::filesystem::create_directories(root.path() / path_from_text("music.old"));
    std::filesystem::create_directories(root.path() / path_from_text("音乐"));
    root.write("music/song.mp3", "x");
    root.write("音乐/歌曲.mp3", "x");
    std::filesystem::current_path(root.path());
  }
  void TearDown() override { std::filesystem::current_path(original); }

  std::string in_root(const std::string& relative) const {
    return text_from_path(root.path()) + "/" + relative;
  }

  std::filesystem::path original = std::filesystem::current_path();
  testing_support::TempDir root;
};

TEST_F(FileStemOnDisk, EntersOnlyPathsThatAreFolders) {
  struct Case {
    std::string path;
    std::string stem;
    std::string current_directory;  // relative to the root, "." when unchanged
  };
  const Case cases[] = {
      {in_root("music/song.mp3"), "song", "."},
      {in_root("music/my.song.mp3"), "my.song", "."},
      {in_root("music/song"), "", "."},
      {in_root("my.music/song"), "", "."},
      {"song.mp3", "song", "."},
      {in_root("音乐/歌曲.mp3"), "歌曲", "."},
      {in_root("music/nothing/"), "", "."},
      {in_root("music.old"), "music.old", "music.old"},
      {in_root("music/"), "music", "music"},
      {"音乐", "音乐", "音乐"},  // relative to the current directory
  };
  for (const Case& c : cases) {
    std::filesystem::current_path(root.path());
    EXPECT_EQ(file_stem(c.path), c.stem) << c.path;
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(),
                                            root.path() / path_from_text(c.current_directory)))
        << c.path << " left the current directory at " << std::filesystem::current_path();
  }
}

}  // namespace
}  // namespace ringlark
