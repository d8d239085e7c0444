// Clock access; the thread-safe local time has a different name on Windows.
#include "console/clock.h"

#include <ctime>

namespace vaskorath {

std::uint32_t currentTimeSeconds() { return static_cast<std::uint32_t>(std::time(nullptr)); }

std::string formatLocalTime(std::int64_t secondsSince1970) {
  const std::time_t moment = static_cast<std::time_t>(secondsSince1970);
  std::tm local{};
#ifdef _WIN32
  if (::localtime_s(&local, &moment) != 0) return "??.??.????  ??:??";
#else
  if (::localtime_r(&moment, &local) == nullptr) return "??.??.????  ??:??";
#endif
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%d.%m.%Y  %H:%M", &local);
  return std::string(text, length);
}

}  // namespace vaskorath
