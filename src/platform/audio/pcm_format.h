#pragma once

#include <cstdint>

namespace ringlark {

// The one PCM format that every voice is decoded to and the output plays: interleaved stereo
// 32-bit float at 44.1 kHz, so that voices mix by plain addition.
inline constexpr int kMixRate = 44100;
inline constexpr int kMixChannels = 2;

// Milliseconds to frames rounds up so that ms_from_frames(frames_from_ms(ms)) == ms: a seek to
// 1 ms must read back as 1 ms, not 0. Both take non-negative counts.
constexpr std::int64_t frames_from_ms(std::int64_t ms) { return (ms * kMixRate + 999) / 1000; }
constexpr std::int64_t ms_from_frames(std::int64_t frames) { return frames * 1000 / kMixRate; }

}  // namespace ringlark
