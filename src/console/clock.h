// The system clock: the seed of the random generator and the dates shown in the list of saves.
#pragma once

#include <cstdint>
#include <string>

namespace vaskorath {

// Current time in whole seconds since 1970, truncated to 32 bits.
std::uint32_t currentTimeSeconds();

// A moment in seconds since 1970 as local date and time, "TT.MM.JJJJ  HH:MM".
std::string formatLocalTime(std::int64_t secondsSince1970);

}  // namespace vaskorath
