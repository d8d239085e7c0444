// Input rules over any byte source: keys, words, numbers and whole lines. Typed texts leave out
// control characters.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vaskorath {

class InputReader {
 public:
  // Fills the buffer with up to capacity bytes; returns 0 at the end of input.
  using Source = std::function<std::size_t(char* buffer, std::size_t capacity)>;

  explicit InputReader(Source source);

  // Next character that is not white space; nullopt at the end of input.
  std::optional<char> nextKey();
  // Next white-space separated token without its control characters (a token of nothing else
  // counts as none); nullopt at the end of input.
  std::optional<std::string> nextWord();
  // The next token as nextWord, and the rest of its line is discarded.
  std::optional<std::string> nextWordOfLine();
  // Discards the rest of the current line, then returns the next line without its line end and
  // without control characters; nullopt when no line is left.
  std::optional<std::string> nextLine();
  // Forgets what the source gave but no read has taken yet.
  void discardBuffered();

 private:
  std::optional<char> peek();
  void advance();
  void skipRestOfLine();

  Source source_;
  std::string buffer_;
  std::size_t position_ = 0;
  bool ended_ = false;
  bool atLineStart_ = true;  // nothing of the current line has been consumed yet
};

// Parses a whole decimal number with an optional sign that fits in 32 bits.
std::optional<int> parseWholeNumber(std::string_view token);

}  // namespace vaskorath
