// Clock access.
#include "console/clock.h"

#include <ctime>

namespace vaskorath {

std::uint32_t currentTimeSeconds() { return static_cast<std::uint32_t>(std::time(nullptr)); }

}  // namespace vaskorath
