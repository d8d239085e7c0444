// Pieces of SVG text: any text escaped, numbers, attributes, and the shapes the situation map uses.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vaskorath {

struct Point {
  int x = 0;
  int y = 0;
};

// Appends the text for use in XML content or in a quoted attribute: "&", "<", ">", quotes and
// apostrophes as entities, tab, line feed, carriage return and bytes above 127 as character
// references (a byte is read as the Latin-1 character of its code), and the other control
// characters, which XML forbids, left out. So any name gives a well-formed file.
void appendXmlText(std::string& out, std::string_view text);

// Appends the number in decimal.
void appendNumber(std::string& out, int value);

// Appends ` name="value"`, the text escaped.
void appendAttribute(std::string& out, std::string_view name, std::string_view text);
void appendAttribute(std::string& out, std::string_view name, int value);

// A <text> at `at` with presentation attributes (written as they are, each with a leading blank)
// and the content escaped.
void appendText(std::string& out, Point at, std::string_view presentation, std::string_view content);

// Shapes filled with `fill`; `outline` holds their stroke attributes, written as they are.
void appendCircle(std::string& out, Point centre, int radius, std::string_view fill, std::string_view outline);
void appendSquare(std::string& out, Point centre, int side, std::string_view fill, std::string_view outline);
// A polygon whose corners are given relative to the centre.
void appendPolygon(std::string& out, Point centre, std::span<const Point> corners, std::string_view fill,
                   std::string_view outline);

}  // namespace vaskorath
