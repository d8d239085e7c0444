// Test helpers that read SVG text.
#include "svg_test_support.h"

#include <regex>

namespace vaskorath::testing {

std::vector<SvgGroup> groupsOfClass(const std::string& svg, const std::string& className) {
  static const std::regex attribute(R"re(([\w-]+)="([^"]*)")re");
  const std::regex group("<g( class=\"" + className + R"re("[^>]*)>([\s\S]*?)</g>)re");
  std::vector<SvgGroup> groups;
  for (std::sregex_iterator found(svg.begin(), svg.end(), group), end; found != end; ++found) {
    SvgGroup result{{}, (*found)[2]};
    const std::string tag = (*found)[1];
    for (std::sregex_iterator each(tag.begin(), tag.end(), attribute); each != end; ++each) {
      result.attributes[(*each)[1]] = decodeXml((*each)[2].str());
    }
    groups.push_back(std::move(result));
  }
  return groups;
}

std::vector<std::string> textsOfClass(const std::string& svg, const std::string& className) {
  const std::regex text("<text[^>]* class=\"" + className + "\"[^>]*>([^<]*)</text>");
  std::vector<std::string> texts;
  for (std::sregex_iterator found(svg.begin(), svg.end(), text), end; found != end; ++found) {
    texts.push_back(decodeXml((*found)[1].str()));
  }
  return texts;
}

std::string decodeXml(std::string text) {
  for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}}) {
    text = std::regex_replace(text, std::regex(entity), character);
  }
  std::string decoded;
  std::smatch reference;
  while (std::regex_search(text, reference, std::regex("&#([0-9]+);"))) {
    decoded += reference.prefix().str() + static_cast<char>(std::stoi(reference[1]));
    text = reference.suffix();
  }
  return std::regex_replace(decoded + text, std::regex("&amp;"), "&");
}

}  // namespace vaskorath::testing
