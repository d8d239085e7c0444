// Token and line rules shared by the scripted console and the real console.
#include "console/input_reader.h"

#include <cctype>
#include <charconv>
#include <utility>

#include "console/control_characters.h"

namespace vaskorath {

namespace {
constexpr std::size_t kChunkSize = 64 * 1024;

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

InputReader::InputReader(Source source) : source_(std::move(source)) {}

std::optional<char> InputReader::peek() {
  if (position_ < buffer_.size()) return buffer_[position_];
  if (ended_) return std::nullopt;
  buffer_.resize(kChunkSize);
  const std::size_t filled = source_(buffer_.data(), buffer_.size());
  buffer_.resize(filled);
  position_ = 0;
  if (filled == 0) {
    ended_ = true;
    return std::nullopt;
  }
  return buffer_[0];
}

void InputReader::advance() {
  atLineStart_ = buffer_[position_] == '\n';
  ++position_;
}

std::optional<char> InputReader::nextKey() {
  for (auto c = peek(); c; c = peek()) {
    advance();
    if (!isBlank(*c)) return c;
  }
  return std::nullopt;
}

std::optional<std::string> InputReader::nextWord() {
  auto c = peek();
  while (c && (isBlank(*c) || isControlCharacter(*c))) {
    advance();
    c = peek();
  }
  if (!c) return std::nullopt;
  std::string word;
  while (c && !isBlank(*c)) {
    if (!isControlCharacter(*c)) word += *c;
    advance();
    c = peek();
  }
  return word;
}

std::optional<std::string> InputReader::nextWordOfLine() {
  auto word = nextWord();
  if (word) skipRestOfLine();
  return word;
}

void InputReader::skipRestOfLine() {
  // Checked before peeking: at a line start nothing may wait for more input.
  while (!atLineStart_ && peek()) advance();
}

std::optional<std::string> InputReader::nextLine() {
  skipRestOfLine();
  auto c = peek();
  if (!c) return std::nullopt;
  std::string line;
  for (; c; c = peek()) {
    advance();
    if (*c == '\n') break;
    if (!isControlCharacter(*c)) line += *c;  // the carriage return of a "\r\n" line end too
  }
  return line;
}

void InputReader::discardBuffered() {
  buffer_.clear();
  position_ = 0;
  atLineStart_ = true;
}

std::optional<int> parseWholeNumber(std::string_view token) {
  bool negative = false;
  if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
    negative = token.front() == '-';
    token.remove_prefix(1);
  }
  if (token.empty() || token.front() == '+' || token.front() == '-') return std::nullopt;
  long long magnitude = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), magnitude);
  if (error != std::errc{} || end != token.data() + token.size()) return std::nullopt;
  const long long value = negative ? -magnitude : magnitude;
  if (value < -2147483648LL || value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace vaskorath
