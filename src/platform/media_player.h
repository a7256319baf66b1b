#pragma once

#include <cstdint>
#include <string>

namespace ringlark {

// The song player that the playback handlers drive. All values are milliseconds unless named
// otherwise; failures are values, never exceptions: a player with nothing open (or whose last
// open failed) reports the length 0 and the position -1.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Closes what was open, which ends its playback, then opens the file at `path`.
  virtual void open(const std::string& path) = 0;
  // Clears the paused state; -1 plays on from the current position, a value >= 0 from there.
  virtual void play(std::int32_t from_ms) = 0;
  // Pauses or resumes; the paused state flips on every call, also when the player refuses.
  virtual void toggle_pause() = 0;
  // Stops playback; only when that succeeded, the position moves to 0.
  virtual void stop_and_rewind() = 0;

  virtual std::int32_t length_ms() const = 0;
  virtual std::int32_t length_seconds() const = 0;  // length_ms() / 1000, remainder dropped
  virtual std::int32_t position_ms() const = 0;     // -1 when nothing is open
};

}  // namespace ringlark
