// Control characters: left out of typed texts, shown as "?" on a screen.
#pragma once

#include <string>
#include <string_view>

namespace vaskorath {

// Bytes below 32 and 127: in a text they could clear, retitle or hide another player's terminal.
inline bool isControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 127;
}

// Appends the text as a screen may show it: every control character but the line end becomes "?",
// so a text from an old or hand-made file cannot take over the terminal either.
inline void appendPrintable(std::string& screen, std::string_view text) {
  const std::size_t start = screen.size();
  screen += text;
  for (std::size_t index = start; index < screen.size(); ++index) {
    if (screen[index] != '\n' && isControlCharacter(screen[index])) screen[index] = '?';
  }
}

}  // namespace vaskorath
