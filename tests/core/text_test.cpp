#include "core/text.h"

#include <gtest/gtest.h>

namespace ringlark {
namespace {

using Components = std::vector<std::string>;
constexpr auto utf8 = TextEncoding::utf8;
constexpr auto ansi = TextEncoding::ansi_double_byte;

TEST(Split, MakesAComponentAtEverySeparatorButNoEmptyLastOne) {
  struct Case {
    std::string text;
    TextEncoding encoding;
    Components expected;
    char separator = '\\';
  };
  const Case cases[] = {
      {"C:\\music\\song.mp3", ansi, {"C:", "music", "song.mp3"}},
      {"C:\\music\\", ansi, {"C:", "music"}},
      {"\\", ansi, {""}},
      {"\\\\a", ansi, {"", "", "a"}},
      {"", ansi, {}},
      {"C:/music/song.mp3", ansi, {"C:/music/song.mp3"}},
      // GBK: a 0x5C that is the second byte of a double-byte character does not split.
      {"C:\\\xB1\x5C\\x", ansi, {"C:", "\xB1\x5C", "x"}},
      // A lead byte right before the end ends the scan but stays in the last component.
      {"ab\\\x81", ansi, {"ab", "\x81"}},
      {"C:\\\xD2\xF4\xC0\xD6\\\xB8\xE8\xC7\xFA.mp3",
       ansi,
       {"C:", "\xD2\xF4\xC0\xD6", "\xB8\xE8\xC7\xFA.mp3"}},
      // UTF-8: every byte after a multi-byte character is looked at again.
      {"/音乐/歌.mp3", utf8, {"", "音乐", "歌.mp3"}, '/'},
      {"a\xE6/b", utf8, {"a\xE6", "b"}, '/'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(split(c.text, c.separator, c.encoding), c.expected) << c.text;
  }
}

TEST(ReverseFind, GivesTheOneBasedPositionOfTheLastMatchAtACharacterStart) {
  struct Case {
    std::string text;
    TextEncoding encoding;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"my.song.mp3", utf8, 8},
      {"song", utf8, -1},
      {".mp3", utf8, 1},
      {"", utf8, -1},
      {"\xB8\xE8\xC7\xFA.mp3", ansi, 5},  // 歌曲.mp3 in GBK
      {"\x81.x", ansi, -1},               // the "." is the second byte of a double-byte character
      {"\x81.x", utf8, 2},
      {"歌.mp3", utf8, 4},    // 歌 is three bytes in UTF-8
      {"歌.mp3", ansi, -1},   // what a double-byte reading of UTF-8 would miss
      {"\xE6.mp3", utf8, 2},  // a cut-off sequence never swallows the "."
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reverse_find(c.text, ".", c.encoding), c.expected) << c.text;
  }
}

TEST(Left, TakesNothingForCountsBelowOneAndEverythingPastTheEnd) {
  EXPECT_EQ(left("song.mp3", -2), "");
  EXPECT_EQ(left("song.mp3", 0), "");
  EXPECT_EQ(left("song.mp3", 4), "song");
  EXPECT_EQ(left("song.mp3", 8), "song.mp3");
  EXPECT_EQ(left("song.mp3", 100), "song.mp3");
}

TEST(Middle, ClampsTheStartAndTheCountToTheBuffer) {
  const ByteBuffer bytes{10, 11, 12, 13, 14};
  struct Case {
    std::int32_t start;
    std::int32_t count;
    ByteBuffer expected;
  };
  const Case cases[] = {
      {1, 2, {10, 11}},
      {0, 2, {10, 11}},        // a start of 0 and one of 1 both begin at the first byte
      {-15, 3, {10, 11, 12}},  // a negative start begins at the first byte
      {4, 10, {13, 14}},       // the count stops at the end
      {6, 1, {}},              // a start just past the end
      {99, 1, {}},
      {2, 0, {}},
      {2, -3, {}},
      {1, 5, {10, 11, 12, 13, 14}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(middle(bytes, c.start, c.count), c.expected) << "start " << c.start << " count " << c.count;
  }
  EXPECT_EQ(middle({}, 1, 5), ByteBuffer{});
}

}  // namespace
}  // namespace ringlark
