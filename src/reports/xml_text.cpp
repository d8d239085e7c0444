// XML escaping of free texts.
#include "reports/xml_text.h"

#include <charconv>

namespace vaskorath {

namespace {

void appendCharacterReference(std::string& out, unsigned char code) {
  char digits[4];
  const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<int>(code)).ptr;
  out += "&#";
  out.append(digits, end);
  out += ';';
}

}  // namespace

void appendXmlText(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '"': out += "&quot;"; continue;
      case '\'': out += "&#39;"; continue;
      // References keep them as they are; written plainly, an attribute would turn them into blanks.
      case '\t':
      case '\n':
      case '\r': appendCharacterReference(out, code); continue;
      default: break;
    }
    if (code >= 0x80) {
      appendCharacterReference(out, code);
    } else if (code >= 0x20) {
      out += c;
    }
  }
}

}  // namespace vaskorath
