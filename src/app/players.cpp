#include "app/players.h"

#include "platform/audio/audio_media_player.h"
#include "platform/audio/engine_mp3_player.h"

namespace ringlark {

std::unique_ptr<MediaPlayer> make_media_player(AudioEngine& engine) {
  return std::make_unique<AudioMediaPlayer>(engine);
}

std::unique_ptr<Mp3Player> make_preview_player(AudioEngine& engine) {
  return std::make_unique<EngineMp3Player>(engine);
}

}  // namespace ringlark
