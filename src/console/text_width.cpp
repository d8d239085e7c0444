// Column counts of texts for UTF-8 terminals and Windows code pages.
#include "console/text_width.h"

namespace vaskorath {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

// Bytes that follow a lead byte, or -1 for a byte that cannot start a character (a continuation
// byte, the overlong leads 0xC0 and 0xC1, and 0xF5 to 0xFF beyond Unicode).
int continuationCount(unsigned char lead) {
  if (lead < 0x80) return 0;
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return -1;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t index = 0; index < text.size();) {
    const int following = continuationCount(static_cast<unsigned char>(text[index]));
    if (following < 0 || text.size() - index <= static_cast<std::size_t>(following)) return false;
    for (int offset = 1; offset <= following; ++offset) {
      if (!isUtf8ContinuationByte(text[index + offset])) return false;
    }
    index += static_cast<std::size_t>(following) + 1;
  }
  return true;
}

}  // namespace

std::size_t utf8TextWidth(std::string_view text) {
  if (!isValidUtf8(text)) return text.size();
  std::size_t characters = 0;
  for (char byte : text) {
    if (!isUtf8ContinuationByte(byte)) ++characters;
  }
  return characters;
}

std::size_t codePageTextWidth(std::string_view text, unsigned codePage) {
  return codePage == kUtf8CodePage ? utf8TextWidth(text) : text.size();
}

}  // namespace vaskorath
