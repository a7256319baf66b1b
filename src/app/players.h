#pragma once

#include <memory>

#include "platform/audio/audio_engine.h"
#include "platform/media_player.h"
#include "platform/mp3_player.h"

namespace ringlark {

// The two players of a run, made here and nowhere else: 媒体播放1 and the preview's MP3 player.
// Both sound through `engine`, which must outlive them.
std::unique_ptr<MediaPlayer> make_media_player(AudioEngine& engine);
std::unique_ptr<Mp3Player> make_preview_player(AudioEngine& engine);

}  // namespace ringlark
