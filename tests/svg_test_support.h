// Reading the situation map the way a group's own tool would: the groups of a class with their
// data attributes, and the texts of a class.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vaskorath::testing {

struct SvgGroup {
  std::map<std::string, std::string> attributes;  // values decoded, "class" included
  std::string body;                               // the XML between <g ...> and </g>, as written
};

// Every <g class="..."> of the class, in document order (the map never nests them).
std::vector<SvgGroup> groupsOfClass(const std::string& svg, const std::string& className);

// The decoded contents of every <text> element of the class, in document order.
std::vector<std::string> textsOfClass(const std::string& svg, const std::string& className);

// The text with &amp; &lt; &gt; &quot; &#39; and &#N; (one byte of code N) turned back.
std::string decodeXml(std::string text);

}  // namespace vaskorath::testing
