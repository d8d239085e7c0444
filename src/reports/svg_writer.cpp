// SVG text pieces, appended to one growing string.
#include "reports/svg_writer.h"

#include <charconv>
#include <iterator>

namespace vaskorath {

namespace {

void appendCharacterReference(std::string& out, unsigned char code) {
  out += "&#";
  appendNumber(out, code);
  out += ';';
}

}  // namespace

// Characters written as they are: printable ASCII except the five that XML gives a meaning.
bool isPlain(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 0x20 && code < 0x80 && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
}

void appendXmlText(std::string& out, std::string_view text) {
  while (!text.empty()) {
    // Most names are plain throughout: appended as one run.
    std::size_t plain = 0;
    while (plain < text.size() && isPlain(text[plain])) ++plain;
    out.append(text.substr(0, plain));
    if (plain == text.size()) return;
    const char c = text[plain];
    text.remove_prefix(plain + 1);
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
    if (code >= 0x80) appendCharacterReference(out, code);
  }
}

void appendNumber(std::string& out, int value) {
  char digits[12];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendAttribute(std::string& out, std::string_view name, std::string_view text) {
  out += ' ';
  out += name;
  out += "=\"";
  appendXmlText(out, text);
  out += '"';
}

void appendAttribute(std::string& out, std::string_view name, int value) {
  out += ' ';
  out += name;
  out += "=\"";
  appendNumber(out, value);
  out += '"';
}

void appendText(std::string& out, Point at, std::string_view presentation, std::string_view content) {
  out += "<text";
  appendAttribute(out, "x", at.x);
  appendAttribute(out, "y", at.y);
  out += presentation;
  out += '>';
  appendXmlText(out, content);
  out += "</text>\n";
}

void appendCircle(std::string& out, Point centre, int radius, std::string_view fill, std::string_view outline) {
  out += "<circle";
  appendAttribute(out, "cx", centre.x);
  appendAttribute(out, "cy", centre.y);
  appendAttribute(out, "r", radius);
  appendAttribute(out, "fill", fill);
  out += outline;
  out += "/>\n";
}

void appendSquare(std::string& out, Point centre, int side, std::string_view fill, std::string_view outline) {
  out += "<rect";
  appendAttribute(out, "x", centre.x - side / 2);
  appendAttribute(out, "y", centre.y - side / 2);
  appendAttribute(out, "width", side);
  appendAttribute(out, "height", side);
  appendAttribute(out, "fill", fill);
  out += outline;
  out += "/>\n";
}

void appendPolygon(std::string& out, Point centre, std::span<const Point> corners, std::string_view fill,
                   std::string_view outline) {
  out += "<polygon points=\"";
  // The corners are put together in a buffer first: a battle map draws thousands of them.
  constexpr std::size_t kIntBytes = 11;  // "-2147483648"
  constexpr std::size_t kCornerBytes = 2 * kIntBytes + 2;  // two ints, a comma and a blank
  char buffer[16 * kCornerBytes];
  char* cursor = buffer;
  for (const Point& corner : corners) {
    if (cursor + kCornerBytes > std::end(buffer)) {
      out.append(buffer, cursor);
      cursor = buffer;
    }
    if (&corner != corners.data()) *cursor++ = ' ';
    cursor = std::to_chars(cursor, cursor + kIntBytes, centre.x + corner.x).ptr;
    *cursor++ = ',';
    cursor = std::to_chars(cursor, cursor + kIntBytes, centre.y + corner.y).ptr;
  }
  out.append(buffer, cursor);
  out += '"';
  appendAttribute(out, "fill", fill);
  out += outline;
  out += "/>\n";
}

}  // namespace vaskorath
