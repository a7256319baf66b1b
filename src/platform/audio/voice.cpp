#include "platform/audio/voice.h"

#include <algorithm>
#include <utility>

#include "platform/audio/pcm_format.h"

namespace ringlark {

Voice::Voice(std::unique_ptr<Decoder> decoder, int plays)
    : decoder_(std::move(decoder)),
      length_frames_(decoder_->length_frames()),
      plays_left_(std::max(plays, 1)) {}

void Voice::move_to(std::int64_t frame) {
  start_ = std::clamp<std::int64_t>(frame, 0, length_frames_);
  consumed_ = 0;
  pending_seek_ = start_;
  ++moves_;
}

void Voice::play_on() {
  std::lock_guard lock(mutex_);
  state_ = State::playing;
}

void Voice::play_from(std::int64_t frame) {
  std::lock_guard lock(mutex_);
  move_to(frame);
  state_ = State::playing;
}

bool Voice::pause() {
  std::lock_guard lock(mutex_);
  if (state_ != State::playing) return false;
  state_ = State::paused;
  return true;
}

bool Voice::resume() {
  std::lock_guard lock(mutex_);
  if (state_ != State::paused) return false;
  state_ = State::playing;
  return true;
}

void Voice::stop_and_rewind() {
  std::lock_guard lock(mutex_);
  move_to(0);
  state_ = State::stopped;
}

std::int64_t Voice::position_frames(std::int64_t latency) const {
  std::lock_guard lock(mutex_);
  std::int64_t position = start_ + consumed_;
  if (state_ == State::playing) position -= std::min(consumed_, latency);
  return std::clamp<std::int64_t>(position, 0, length_frames_);
}

bool Voice::is_playing() const {
  std::lock_guard lock(mutex_);
  return state_ == State::playing;
}

void Voice::mix_into(float* out, float* scratch, std::size_t frames) {
  std::optional<std::int64_t> seek;
  std::uint64_t moves = 0;
  {
    std::lock_guard lock(mutex_);
    if (state_ != State::playing) return;
    moves = moves_;
    seek = std::exchange(pending_seek_, std::nullopt);
  }
  bool ended = seek && !decoder_->seek(*seek);
  std::size_t filled = 0;
  std::optional<std::size_t> restart;  // where in this block the last play began
  while (!ended && filled < frames) {
    filled += decoder_->read(scratch + filled * kMixChannels, frames - filled);
    if (filled == frames) break;
    // A play that yields nothing would start over forever.
    ended = plays_left_ <= 1 || restart == filled || !decoder_->seek(0);
    if (!ended) {
      --plays_left_;
      restart = filled;
    }
  }
  for (std::size_t i = 0; i < filled * kMixChannels; ++i) out[i] += scratch[i];

  std::lock_guard lock(mutex_);
  if (moves_ != moves) return;  // a player moved the stream meanwhile: its place stands
  if (restart) {
    start_ = 0;
    consumed_ = static_cast<std::int64_t>(filled - *restart);
  } else {
    consumed_ += static_cast<std::int64_t>(filled);
  }
  if (ended && state_ == State::playing) state_ = State::stopped;
}

}  // namespace ringlark
