#pragma once

// A millisecond count as "MM:SS". Seconds round down. The minutes figure is the whole minutes,
// written with a "0" in front and cut to its last two characters, except that 100 minutes and
// more keep all their digits (6,000,000 ms reads 100:00). Negative counts keep the sign inside
// the two characters: -1 ms reads 00:-1 and -60,000 ms reads -1:00.

#include <cstdint>
#include <string>

namespace ringlark {

std::string minutes_figure(std::int32_t milliseconds);
std::string seconds_figure(std::int32_t milliseconds);

// The minutes of one reading and the seconds of another: callers read the player twice, so a
// minute boundary between the readings can pair the old minute with the new second.
std::string clock_text(std::int32_t minutes_reading, std::int32_t seconds_reading);

}  // namespace ringlark
