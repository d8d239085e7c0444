// Column widths of names: UTF-8 characters, bytes for anything else, and the Windows code pages.
#include "console/text_width.h"

#include <gtest/gtest.h>

namespace vaskorath {
namespace {

TEST(TextWidth, CountsUtf8CharactersAndTheBytesOfAnythingElse) {
  EXPECT_EQ(utf8TextWidth("Terra (Heimatplanet)"), 20u);
  EXPECT_EQ(utf8TextWidth("S\xc3\xbc" "dstern"), 8u);            // two-byte umlaut
  EXPECT_EQ(utf8TextWidth("\xe2\x82\xac" "100"), 4u);              // three-byte euro sign
  EXPECT_EQ(utf8TextWidth("\xf0\x9f\x9a\x80"), 1u);                // four-byte character
  EXPECT_EQ(utf8TextWidth("Gr\xfcn"), 4u);                         // Latin-1 from an old file
  EXPECT_EQ(utf8TextWidth("S\xc3"), 2u);                           // cut off in the middle
  EXPECT_EQ(utf8TextWidth("\x80" "ab"), 3u);                       // a continuation byte first
  EXPECT_EQ(utf8TextWidth("\xc0\xa0"), 2u);                        // overlong lead byte
  EXPECT_EQ(utf8TextWidth("\xc3\xbc\xc3\xbc\xfc"), 5u);            // one bad byte: all bytes count
}

TEST(TextWidth, AWindowsConsoleCountsBytesUnlessItsCodePageIsUtf8) {
  EXPECT_EQ(codePageTextWidth("S\xc3\xbc" "dstern", 65001), 8u);
  EXPECT_EQ(codePageTextWidth("S\x81" "dstern", 850), 8u);  // the umlaut of code page 850 is one byte
  EXPECT_EQ(codePageTextWidth("S\xc3\xbc" "dstern", 1252), 9u);
}

}  // namespace
}  // namespace vaskorath
