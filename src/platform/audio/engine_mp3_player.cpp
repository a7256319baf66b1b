#include "platform/audio/engine_mp3_player.h"

#include <utility>

#include "platform/audio/pcm_format.h"

namespace ringlark {

EngineMp3Player::EngineMp3Player(AudioEngine& engine) : engine_(engine) {}

EngineMp3Player::~EngineMp3Player() { stop(); }

void EngineMp3Player::play_file(const std::string& path, int times) {
  stop();
  if (times >= 1) start(Decoder::open_file(path), times);
}

void EngineMp3Player::play_bytes(const ByteBuffer& bytes, int times) {
  stop();
  if (times >= 1) start(Decoder::open_bytes(bytes), times);
}

void EngineMp3Player::stop() {
  std::lock_guard lock(mutex_);
  if (voice_) engine_.remove(*voice_);
  voice_.reset();
}

void EngineMp3Player::start(std::unique_ptr<Decoder> decoder, int times) {
  if (!decoder) return;
  auto voice = std::make_shared<Voice>(std::move(decoder), times);
  voice->play_on();
  std::lock_guard lock(mutex_);
  if (engine_.add(voice)) voice_ = std::move(voice);
}

std::int32_t EngineMp3Player::position_ms() const {
  std::lock_guard lock(mutex_);
  if (!voice_) return -1;
  return static_cast<std::int32_t>(ms_from_frames(voice_->position_frames(engine_.latency_frames())));
}

bool EngineMp3Player::is_sounding() const {
  std::lock_guard lock(mutex_);
  return voice_ && voice_->is_playing();
}

}  // namespace ringlark
