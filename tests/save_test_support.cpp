// Helpers for the save and load tests.
#include "save_test_support.h"

#include <cstdlib>
#include <ctime>

namespace vaskorath::testing {

std::vector<std::string_view> splitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    lines.push_back(content.substr(0, end));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
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

UtcTimeZone::UtcTimeZone() {
  if (const char* zone = std::getenv("TZ")) {
    hadZone_ = true;
    previousZone_ = zone;
  }
  ::setenv("TZ", "UTC", 1);
  ::tzset();
}

UtcTimeZone::~UtcTimeZone() {
  if (hadZone_) {
    ::setenv("TZ", previousZone_.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& directory)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(directory);
}

WorkingDirectory::~WorkingDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

}  // namespace vaskorath::testing
