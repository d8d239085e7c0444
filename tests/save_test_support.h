// Helpers shared by the save and load tests: lines of a file, a fixed time zone, a working directory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vaskorath::testing {

// The line end of the files the real program writes on this platform.
#ifdef _WIN32
inline constexpr std::string_view kSavedLineEnd = "\r\n";
#else
inline constexpr std::string_view kSavedLineEnd = "\n";
#endif

// The lines of a file written with "\n" (or the given line end) after every line; lines[0] is line 1.
std::vector<std::string_view> splitLines(std::string_view content, std::string_view lineEnd = "\n");

// Joins lines with "\n" after each (or the given line end).
std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\n");

// Local time is UTC while this lives, so dates in the list of saves are the same on every machine.
class UtcTimeZone {
 public:
  UtcTimeZone();
  ~UtcTimeZone();
  UtcTimeZone(const UtcTimeZone&) = delete;
  UtcTimeZone& operator=(const UtcTimeZone&) = delete;

 private:
  bool hadZone_ = false;
  std::string previousZone_;
};

// Makes `directory` the working directory while this lives (the real file system works there).
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& directory);
  ~WorkingDirectory();
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace vaskorath::testing
