#include "core/clock_text.h"

#include <cmath>

#include "core/truncating_conversion.h"

namespace ringlark {
namespace {

double seconds_of(std::int32_t milliseconds) { return static_cast<double>(milliseconds) / 1000.0; }

// "0" in front, then the last two characters: 5 -> "05", 65 -> "65", -1 -> "-1".
std::string two_character_figure(std::int32_t value) {
  const std::string padded = "0" + std::to_string(value);
  return padded.substr(padded.size() - 2);
}

}  // namespace

std::string minutes_figure(std::int32_t milliseconds) {
  const std::int32_t minutes = truncate_to_int32(std::floor(std::trunc(seconds_of(milliseconds) / 60.0)));
  // Songs of 100 minutes and more would otherwise lose their hundreds and read as short ones.
  if (minutes >= 100) return std::to_string(minutes);
  return two_character_figure(minutes);
}

std::string seconds_figure(std::int32_t milliseconds) {
  // fmod is exact and keeps the sign of the dividend: -60 < r <= 0 for negative counts.
  const double remainder = std::fmod(seconds_of(milliseconds), 60.0);
  return two_character_figure(truncate_to_int32(std::floor(remainder)));
}

std::string clock_text(std::int32_t minutes_reading, std::int32_t seconds_reading) {
  return minutes_figure(minutes_reading) + ":" + seconds_figure(seconds_reading);
}

}  // namespace ringlark
