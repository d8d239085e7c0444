// Any text as XML: names the players typed or an old file holds always give a well-formed file.
#pragma once

#include <string>
#include <string_view>

namespace vaskorath {

// Appends the text for use in XML content or in a quoted attribute: "&", "<", ">", quotes and
// apostrophes as entities, tab, line feed, carriage return and bytes above 127 as character
// references (a byte is read as the Latin-1 character of its code), and the other control
// characters, which XML forbids, left out.
void appendXmlText(std::string& out, std::string_view text);

}  // namespace vaskorath
