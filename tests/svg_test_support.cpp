// Test helpers that read SVG text.
#include "svg_test_support.h"

#include <charconv>

namespace vaskorath::testing {

namespace {

// The attributes of the start tag that begins at `tag`, up to its ">".
std::map<std::string, std::string> attributesOf(std::string_view svg, std::size_t tag, std::size_t& end) {
  std::map<std::string, std::string> attributes;
  end = svg.find('>', tag);
  std::size_t at = svg.find(' ', tag);
  while (at < end) {
    const std::size_t equals = svg.find("=\"", at);
    const std::size_t close = svg.find('"', equals + 2);
    if (equals >= end || close >= end) break;
    attributes[std::string(svg.substr(at + 1, equals - at - 1))] = decodeXml(svg.substr(equals + 2, close - equals - 2));
    at = close + 1;
  }
  return attributes;
}

}  // namespace

std::vector<SvgGroup> groupsOfClass(std::string_view svg, std::string_view className) {
  std::vector<SvgGroup> groups;
  const std::string start = "<g class=\"" + std::string(className) + "\"";
  for (std::size_t tag = svg.find(start); tag != std::string_view::npos; tag = svg.find(start, tag + 1)) {
    SvgGroup group;
    std::size_t end = 0;
    group.attributes = attributesOf(svg, tag, end);
    const std::size_t close = svg.find("</g>", end);
    group.body = std::string(svg.substr(end + 1, close - end - 1));
    groups.push_back(std::move(group));
  }
  return groups;
}

std::vector<std::string> textsOfClass(std::string_view svg, std::string_view className) {
  std::vector<std::string> texts;
  const std::string marked = " class=\"" + std::string(className) + "\"";
  for (std::size_t tag = svg.find(marked); tag != std::string_view::npos; tag = svg.find(marked, tag + 1)) {
    if (svg.rfind("<text", tag) < svg.rfind('<', tag)) continue;  // another element of the class
    const std::size_t content = svg.find('>', tag) + 1;
    texts.push_back(decodeXml(svg.substr(content, svg.find("</text>", content) - content)));
  }
  return texts;
}

std::string decodeXml(std::string_view text) {
  std::string decoded;
  while (!text.empty()) {
    const std::size_t semicolon = text.find(';');
    if (text.front() != '&' || semicolon == std::string_view::npos) {
      decoded += text.front();
      text.remove_prefix(1);
      continue;
    }
    const std::string_view entity = text.substr(1, semicolon - 1);
    if (entity == "amp") {
      decoded += '&';
    } else if (entity == "lt") {
      decoded += '<';
    } else if (entity == "gt") {
      decoded += '>';
    } else if (entity == "quot") {
      decoded += '"';
    } else if (entity.starts_with('#')) {
      int code = 0;
      std::from_chars(entity.data() + 1, entity.data() + entity.size(), code);
      decoded += static_cast<char>(code);
    } else {
      decoded.append(text.substr(0, semicolon + 1));
    }
    text.remove_prefix(semicolon + 1);
  }
  return decoded;
}

}  // namespace vaskorath::testing
