// The console interface: every screen and every typed answer of the game goes through it.
#pragma once

#include <concepts>
#include <stdexcept>
#include <string>
#include <string_view>

#include "console/text_width.h"

namespace vaskorath {

// Thrown by a read when standard input has ended; the program then stops with status 1.
class InputEnded : public std::runtime_error {
 public:
  InputEnded() : std::runtime_error("Eingabe beendet.") {}
};

class Console {
 public:
  virtual ~Console() = default;

  // Clears the screen (and the scroll-back) before a new screen is drawn.
  virtual void clearScreen() = 0;
  // Prints "Druecken Sie eine beliebige Taste . . ." and waits for a key.
  virtual void pause() = 0;
  // One key press, read without echo; in script mode the next input character that is not white space.
  virtual char readKey() = 0;
  // One white-space separated word, never empty; control characters typed in it are left out.
  // Interactive, the first word of a typed line (the rest of the line is discarded).
  virtual std::string readWord() = 0;
  // One whole 32-bit number, read as a word; anything else is refused with a message and read again.
  virtual int readNumber() = 0;
  // Discards the rest of the current input line, then reads the next whole line (blanks kept,
  // control characters left out).
  virtual std::string readLine() = 0;
  // Writes text; control characters other than the line end appear as "?".
  virtual void write(std::string_view text) = 0;
  // The columns the text takes on this console's screen; the UTF-8 rule unless the platform's
  // console shows text otherwise. Every column that is filled up to a width counts with it.
  virtual std::size_t textWidth(std::string_view text) const { return utf8TextWidth(text); }

  // The blanks that fill a column of `width` after `text`; none when the text fills it already.
  std::string columnFill(std::string_view text, std::size_t width) const {
    const std::size_t used = textWidth(text);
    return std::string(used < width ? width - used : 0, ' ');
  }

  // The longest beginning of the text that takes at most `width` columns, cut between characters.
  std::string_view leadingColumns(std::string_view text, std::size_t width) const {
    const std::size_t used = textWidth(text);
    if (used <= width) return text;
    // A console shows either one character per byte or, in UTF-8, one per lead byte.
    if (used == text.size()) return text.substr(0, width);
    std::size_t characters = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
      if (!isUtf8ContinuationByte(text[index]) && characters++ == width) return text.substr(0, index);
    }
    return text;
  }

  // Writes texts and numbers joined without separators.
  template <typename... Parts>
  void print(const Parts&... parts) {
    std::string text;
    (append(text, parts), ...);
    write(text);
  }

 private:
  static void append(std::string& text, std::string_view part) { text += part; }
  static void append(std::string& text, char part) { text += part; }
  template <std::integral Number>
    requires(!std::same_as<Number, char> && !std::same_as<Number, bool>)
  static void append(std::string& text, Number number) {
    text += std::to_string(number);
  }
};

inline constexpr std::string_view kPausePrompt = "Druecken Sie eine beliebige Taste . . .";
inline constexpr std::string_view kInvalidNumberPrompt =
    "Ungueltige Eingabe, bitte eine ganze Zahl eingeben: ";

}  // namespace vaskorath
