// The system clock, read once to seed the random generator.
#pragma once

#include <cstdint>

namespace vaskorath {

// Current time in whole seconds since 1970, truncated to 32 bits.
std::uint32_t currentTimeSeconds();

}  // namespace vaskorath
