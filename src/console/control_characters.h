// Control characters: left out of typed texts, shown as "?" on a screen.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vaskorath {

// Bytes below 32 and 127: in a text they could clear, retitle or hide another player's terminal.
inline bool isControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 127;
}

// The high bit of each of eight bytes that is a control character other than the line end.
// Screens pass megabytes of text, so they are checked eight bytes at a time.
inline std::uint64_t controlBytes(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kLowBits = 0x7f * kOnes;
  constexpr std::uint64_t kHighBits = 0x80 * kOnes;
  // The high bit of each byte that is zero; no byte's sum carries into the next.
  const auto zeroBytes = [](std::uint64_t bytes) { return ~(((bytes & kLowBits) + kLowBits) | bytes) & kHighBits; };
  const std::uint64_t below32 = ~(((word & kLowBits) + 0x60 * kOnes) | word) & kHighBits;
  return (below32 & ~zeroBytes(word ^ ('\n' * kOnes))) | zeroBytes(word ^ (127 * kOnes));
}

// Makes the end of a screen's text from `from` on printable: every control character but the line
// end becomes "?", so a text from an old or hand-made file cannot take over the terminal either.
// Consoles gather their output and call this once before it is shown: reading text in words just
// after it was stored in smaller pieces would stall.
inline void makePrintable(std::string& screen, std::size_t from) {
  const auto replaceControls = [&screen](std::size_t begin, std::size_t end) {
    for (std::size_t index = begin; index < end; ++index) {
      if (screen[index] != '\n' && isControlCharacter(screen[index])) screen[index] = '?';
    }
  };
  if (screen.size() - from < 8) {
    replaceControls(from, screen.size());
    return;
  }
  // Whole words, the last one overlapping the one before.
  const auto check = [&](std::size_t index) {
    std::uint64_t word;
    std::memcpy(&word, screen.data() + index, 8);
    if (controlBytes(word) != 0) replaceControls(index, index + 8);
  };
  std::size_t index = from;
  for (; index + 8 <= screen.size(); index += 8) check(index);
  if (index < screen.size()) check(screen.size() - 8);
}

}  // namespace vaskorath
