#include "platform/audio/audio_media_player.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/audio/decoder.h"
#include "platform/audio/pcm_format.h"

namespace ringlark {

namespace {

std::int32_t clamped_ms(std::int64_t frames) {
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(ms_from_frames(frames), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

AudioMediaPlayer::AudioMediaPlayer(AudioEngine& engine) : engine_(engine) {}

AudioMediaPlayer::~AudioMediaPlayer() { close(); }

void AudioMediaPlayer::close() {
  if (voice_) engine_.remove(*voice_);
  voice_.reset();
}

void AudioMediaPlayer::open(const std::string& path) {
  close();
  std::unique_ptr<Decoder> decoder = Decoder::open_file(path);
  if (!decoder) return;
  auto voice = std::make_shared<Voice>(std::move(decoder), 1);
  if (engine_.add(voice)) voice_ = std::move(voice);
}

void AudioMediaPlayer::play(std::int32_t from_ms) {
  paused_ = false;
  if (!voice_) return;
  if (from_ms < 0) {
    voice_->play_on();
  } else {
    voice_->play_from(frames_from_ms(from_ms));
  }
}

void AudioMediaPlayer::toggle_pause() {
  paused_ = !paused_;
  if (!voice_) return;
  if (paused_) {
    voice_->pause();
  } else {
    voice_->resume();
  }
}

void AudioMediaPlayer::stop_and_rewind() {
  if (voice_) voice_->stop_and_rewind();
}

std::int32_t AudioMediaPlayer::length_ms() const { return voice_ ? clamped_ms(voice_->length_frames()) : 0; }

std::int32_t AudioMediaPlayer::length_seconds() const { return length_ms() / 1000; }

std::int32_t AudioMediaPlayer::position_ms() const {
  return voice_ ? clamped_ms(voice_->position_frames(engine_.latency_frames())) : -1;
}

}  // namespace ringlark
