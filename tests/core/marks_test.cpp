#include "core/marks.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "support/temp_dir.h"

namespace ringlark {
namespace {

// Bytes whose value follows their index, so a wrong slice cannot pass for the right one.
std::string numbered_bytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

ByteBuffer slice(const std::string& bytes, std::size_t first, std::size_t count) {
  return ByteBuffer(bytes.begin() + static_cast<std::ptrdiff_t>(first),
                    bytes.begin() + static_cast<std::ptrdiff_t>(first + count));
}

TEST(ByteOffset, IsThePositionTimesTheSizeOverTheLengthTruncated) {
  struct Case {
    std::int32_t position;
    double source_size;
    std::int32_t length;
    std::int32_t offset;
  };
  const Case cases[] = {
      {30'000, 5'000'000.0, 200'000, 750'000},
      {60'000, 5'000'000.0, 200'000, 1'500'000},
      {61'234, 4'123'456.0, 257'731, 979'686},
      {95'877, 4'123'456.0, 257'731, 1'533'942},
      {-1, 4'123'456.0, 257'731, -15},
      {-1, 0.0, 0, 0},             // no song open: 0 / 0
      {-1, 5'000'000.0, 0, 0},     // -inf
      {1'000, 5'000'000.0, 0, 0},  // +inf
      // The product comes first: the size times a long position exceeds 32 bits on the way.
      {2'000'000'000, 3'000'000'000.0, 2'100'000'000, -1'437'824'439},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(byte_offset(c.position, c.source_size, c.length), c.offset)
        << c.position << " x " << c.source_size << " / " << c.length;
  }
}

class Marks : public ::testing::Test {
 protected:
  std::string song_bytes = numbered_bytes(5'000'000);
  testing_support::TempDir dir;
  std::string song = dir.write("song.mp3", song_bytes);
  ProgramState state;
};

TEST_F(Marks, CutTheWorkedExample) {
  record_source_size(state, song);
  EXPECT_EQ(state.source_size, 5'000'000.0);

  set_start(state, 30'000, 200'000);
  EXPECT_EQ(state.start_offset, 750'000);
  EXPECT_TRUE(state.ringtone_data.empty()) << "only Set end cuts";

  set_end(state, 60, 60'000, 200'000, song);
  EXPECT_EQ(state.end_slider, 60);
  EXPECT_EQ(state.end_offset, 1'500'000);
  EXPECT_EQ(state.ringtone_data, slice(song_bytes, 749'999, 750'000));
}

TEST_F(Marks, SetEndReplacesTheCutWithWhatItFindsAlsoWhenNothing) {
  const std::string short_song = dir.write("short.mp3", numbered_bytes(1'000));
  struct Case {
    const char* what;
    double source_size;
    std::int32_t start_position;
    std::int32_t end_position;
    std::int32_t length;
    std::string path;
    ByteBuffer expected;
  };
  const Case cases[] = {
      {"no song open", 0.0, -1, -1, 0, song, {}},
      {"no Set start: from the first byte", 5'000'000.0, 0, 1'000, 200'000, song,
       slice(song_bytes, 0, 25'000)},
      {"start at 0 ms", 5'000'000.0, 0, 40, 200'000, song, slice(song_bytes, 0, 1'000)},
      {"negative start: from the first byte, the count includes it", 5'000'000.0, -1, 40, 200'000, song,
       slice(song_bytes, 0, 1'025)},
      {"end before start", 5'000'000.0, 2'000, 1'000, 200'000, song, {}},
      {"unreadable file", 5'000'000.0, 0, 1'000, 200'000, dir.path().string() + "/missing.mp3", {}},
      {"empty path", 5'000'000.0, 0, 1'000, 200'000, "", {}},
      {"end beyond a shorter file", 5'000'000.0, 20, 1'000, 200'000, short_song,
       ByteBuffer(slice(numbered_bytes(1'000), 499, 501))},
      {"start beyond a shorter file", 5'000'000.0, 1'000, 2'000, 200'000, short_song, {}},
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.ringtone_data = {1, 2, 3};
    s.source_size = c.source_size;
    set_start(s, c.start_position, c.length);
    set_end(s, 7, c.end_position, c.length, c.path);
    EXPECT_EQ(s.ringtone_data, c.expected) << c.what;
    EXPECT_EQ(s.end_slider, 7) << c.what;
  }
}

TEST_F(Marks, RecordSourceSizeFollowsTheLatestPlay) {
  record_source_size(state, song);
  record_source_size(state, dir.path().string() + "/missing.mp3");
  EXPECT_EQ(state.source_size, 0.0);
  record_source_size(state, dir.write("empty.mp3", ""));
  EXPECT_EQ(state.source_size, 0.0);
}

TEST_F(Marks, UseTheSizeOfTheLastPlayAndTheBytesOfTheFileNamedNow) {
  record_source_size(state, song);  // played: 5,000,000 bytes
  const std::string other_bytes(100'000, 'o');
  const std::string other = dir.write("other.mp3", other_bytes);
  set_start(state, 0, 200'000);
  set_end(state, 1, 2'000, 200'000, other);  // the offset 50,000 comes from the played size
  EXPECT_EQ(state.ringtone_data, ByteBuffer(50'000, 'o'));
}

}  // namespace
}  // namespace ringlark
