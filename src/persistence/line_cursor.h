// Reading a save file line by line, and passing over many lines at once where they need no look.
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace vaskorath {

// Hands out the lines of a buffer in order, without their "\n" or "\r\n".
class LineCursor {
 public:
  explicit LineCursor(std::string_view content) : rest_(content) {}

  std::string_view next() {
    ++lineNumber_;
    if (rest_.empty()) pastTheEnd_ = true;
    // Most lines are empty slots: no search for them.
    if (!rest_.empty() && rest_.front() == '\n') {
      rest_.remove_prefix(1);
      return {};
    }
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  // The next line as a whole 32-bit number when its digits run right up to a "\n", as in a file
  // the program wrote; else none, and nothing passed. No search for the line end first.
  std::optional<int> nextPlainNumber() {
    int value = 0;
    const char* const end = rest_.data() + rest_.size();
    const auto [stop, error] = std::from_chars(rest_.data(), end, value);
    if (error != std::errc{} || stop == end || *stop != '\n') return std::nullopt;
    ++lineNumber_;
    rest_.remove_prefix(static_cast<std::size_t>(stop - rest_.data()) + 1);
    return value;
  }

  // Passes over the `count` lines of `lines` when the buffer goes on with exactly these bytes;
  // false, and nothing passed, when it does not.
  bool skipIfNext(std::string_view lines, int count) {
    // The first byte tells most other lines apart without a call to compare them all.
    if (rest_.empty() || lines.empty() || rest_.front() != lines.front() || !rest_.starts_with(lines)) return false;
    rest_.remove_prefix(lines.size());
    lineNumber_ += count;
    return true;
  }

  // Passes over an empty troop list in one step; false (and nothing passed) when the next lines
  // are anything else.
  bool skipEmptyTroopList();

  // The next 200 lines when each holds a text: "\n"-ended, without the "\r" before a line end (then
  // copied into `scratch`). None, and nothing passed, when a line is empty.
  std::optional<std::string_view> takeFullTroopList(std::string& scratch);

  // Passes over `count` lines, counting line ends a block of bytes at a time: most lines are
  // short, so this is much faster than taking them one by one.
  void skip(int count);

  int lineNumber() const { return lineNumber_; }
  // Whether the lines handed out or passed over are exactly those of the buffer.
  bool atTheEnd() const { return rest_.empty() && !pastTheEnd_; }
  // Hands out nothing more: every later line is empty.
  void abandon() {
    rest_ = {};
    pastTheEnd_ = true;
  }
  // What is left of the buffer, from the next line on.
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
  int lineNumber_ = 0;
  bool pastTheEnd_ = false;  // a line was asked for after the last one
};

}  // namespace vaskorath
