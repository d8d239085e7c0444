// Save file writer and reader over one buffer; both follow the field order of save_fields.h.
#include "persistence/save_file.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "persistence/save_fields.h"

namespace vaskorath {

namespace {

// Longest int in decimal: "-2147483648".
constexpr std::size_t kMaxNumberLength = 11;

std::string_view formatNumber(int value, char (&buffer)[kMaxNumberLength]) {
  const auto [end, error] = std::to_chars(buffer, buffer + kMaxNumberLength, value);
  return std::string_view(buffer, static_cast<std::size_t>(end - buffer));
}

// A whole 32-bit number with an optional leading "-" and nothing else: no blanks, no "+".
std::optional<int> parseNumber(std::string_view line) {
  int value = 0;
  const char* end = line.data() + line.size();
  const auto [stop, error] = std::from_chars(line.data(), end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

// Exact size of the file, so the writer's buffer grows only once.
struct SizeCounter {
  std::size_t bytes = 0;

  void text(const std::string& value) { bytes += value.size() + 1; }
  void number(int value) {
    char buffer[kMaxNumberLength];
    bytes += formatNumber(value, buffer).size() + 1;
  }
  void flag(bool) { bytes += 2; }
};

struct LineWriter {
  std::string& out;

  void text(const std::string& value) {
    out += value;
    out += '\n';
  }
  void number(int value) {
    char buffer[kMaxNumberLength];
    out += formatNumber(value, buffer);
    out += '\n';
  }
  void flag(bool value) { out += value ? "1\n" : "0\n"; }
};

// Hands out the lines of a buffer in order, without their "\n" or "\r\n".
class LineCursor {
 public:
  explicit LineCursor(std::string_view content) : rest_(content) {}

  std::string_view next() {
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber_;
    return line;
  }

  int lineNumber() const { return lineNumber_; }

 private:
  std::string_view rest_;
  int lineNumber_ = 0;
};

// First pass: checks every number and flag line; remembers the first bad one.
struct LineChecker {
  LineCursor lines;
  ReadResult result;

  void text(const std::string&) { lines.next(); }
  void number(int) {
    const std::string_view line = lines.next();
    if (result.ok && !parseNumber(line)) fail("a whole 32-bit number");
  }
  void flag(bool) {
    const std::string_view line = lines.next();
    if (result.ok && line != "0" && line != "1") fail("a flag, 0 or 1");
  }

  void fail(std::string expected) {
    result = ReadResult{false, lines.lineNumber(), std::move(expected)};
  }
};

// Second pass, over a checked file: assigns every value.
struct LineLoader {
  LineCursor lines;

  void text(std::string& value) { value.assign(lines.next()); }
  void number(int& value) { value = parseNumber(lines.next()).value_or(0); }
  void flag(bool& value) { value = lines.next() == "1"; }
};

// Lines in the buffer; a last line without its line end counts as well.
std::ptrdiff_t countLines(std::string_view content) {
  if (content.empty()) return 0;
  const std::ptrdiff_t lineEnds = std::count(content.begin(), content.end(), '\n');
  return content.back() == '\n' ? lineEnds : lineEnds + 1;
}

ReadResult checkLineCount(std::string_view content) {
  const std::ptrdiff_t lines = countLines(content);
  const std::string expected = std::to_string(kSaveFileLines) + " lines, found " + std::to_string(lines);
  if (lines < kSaveFileLines) return ReadResult{false, static_cast<int>(lines) + 1, expected};
  if (lines > kSaveFileLines) return ReadResult{false, kSaveFileLines + 1, expected};
  return {};
}

}  // namespace

std::string writeSaveFile(const CampaignState& state) {
  SizeCounter size;
  walkSaveFields(state, size);
  std::string content;
  content.reserve(size.bytes);
  LineWriter writer{content};
  walkSaveFields(state, writer);
  return content;
}

ReadResult readSaveFile(std::string_view content, CampaignState& state) {
  if (ReadResult count = checkLineCount(content); !count) return count;
  // The checker walks the live state only for the shape of the file; it changes nothing.
  LineChecker checker{LineCursor(content), {}};
  walkSaveFields(std::as_const(state), checker);
  if (!checker.result) return checker.result;
  LineLoader loader{LineCursor(content)};
  walkSaveFields(state, loader);
  return {};
}

}  // namespace vaskorath
