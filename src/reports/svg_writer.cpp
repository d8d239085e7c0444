// SVG text pieces, appended to one growing string.
#include "reports/svg_writer.h"

#include <charconv>

namespace vaskorath {

namespace {

void appendCharacterReference(std::string& out, unsigned char code) {
  out += "&#";
  appendNumber(out, code);
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
  for (const Point& corner : corners) {
    if (&corner != corners.data()) out += ' ';
    appendNumber(out, centre.x + corner.x);
    out += ',';
    appendNumber(out, centre.y + corner.y);
  }
  out += '"';
  appendAttribute(out, "fill", fill);
  out += outline;
  out += "/>\n";
}

}  // namespace vaskorath
