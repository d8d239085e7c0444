// How many columns a terminal needs to show a text: the rule of each platform.
#pragma once

#include <cstddef>
#include <string_view>

namespace vaskorath {

// A byte that continues a UTF-8 character (0x80 to 0xBF) and so takes no column of its own.
inline bool isUtf8ContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The columns of a text on a UTF-8 terminal: one per character, that is per byte that is not a
// continuation byte (0x80 to 0xBF). A text that is not valid UTF-8 counts its bytes.
std::size_t utf8TextWidth(std::string_view text);

// The columns of a text in a Windows console with the given output code page: UTF-8 characters
// in code page 65001, bytes in every other one (a single-byte code page shows one character per
// byte; a double-byte one shows its two-byte characters two columns wide).
std::size_t codePageTextWidth(std::string_view text, unsigned codePage);

}  // namespace vaskorath
