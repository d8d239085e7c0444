// Helpers for the save and load tests.
#include "save_test_support.h"

#include <cstdlib>
#include <ctime>

namespace vaskorath::testing {

std::vector<std::string_view> splitLines(std::string_view content, std::string_view lineEnd) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find(lineEnd);
    lines.push_back(content.substr(0, end));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + lineEnd.size());
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += lineEnd;
  }
  return content;
}

namespace {

// Sets or (with nullptr) removes the time zone the C library converts local times with.
void setTimeZone(const char* zone) {
#ifdef _WIN32
  ::_putenv_s("TZ", zone != nullptr ? zone : "");  // an empty value removes it
  ::_tzset();
#else
  if (zone != nullptr) {
    ::setenv("TZ", zone, 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
#endif
}

}  // namespace

UtcTimeZone::UtcTimeZone() {
  if (const char* zone = std::getenv("TZ")) {
    hadZone_ = true;
    previousZone_ = zone;
  }
  setTimeZone("UTC");
}

UtcTimeZone::~UtcTimeZone() { setTimeZone(hadZone_ ? previousZone_.c_str() : nullptr); }

WorkingDirectory::WorkingDirectory(const std::filesystem::path& directory)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(directory);
}

WorkingDirectory::~WorkingDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

}  // namespace vaskorath::testing
