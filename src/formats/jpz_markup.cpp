#include "formats/jpz_markup.h"

#include "clues/plain_text.h"
#include "formats/markup_escape.h"

namespace kven {

namespace {

constexpr int MaxMarkupDepth = 16;

// Where the entity that starts at `amp` ends (its ";"): an entity PlainText
// knows; npos for any other "&".
std::size_t EntityEnd(std::string_view text, std::size_t amp) {
  if (!IsEntityAt(text, amp)) return std::string_view::npos;
  const std::size_t semicolon = text.find(';', amp);
  const std::string_view entity = text.substr(amp, semicolon - amp + 1);
  return PlainText(entity) != entity ? semicolon : std::string_view::npos;
}

void AppendContent(std::string& out, const pugi::xml_node& node, int depth) {
  for (const pugi::xml_node& child : node.children()) {
    switch (child.type()) {
      case pugi::node_pcdata:
      case pugi::node_cdata:
        AppendAsMarkup(out, child.value());
        break;
      case pugi::node_element:
        if (depth >= MaxMarkupDepth) {
          AppendAsMarkup(out, child.text().get());
          break;
        }
        out += '<' + std::string(child.name()) + '>';
        AppendContent(out, child, depth + 1);
        out += "</" + std::string(child.name()) + '>';
        break;
      default:
        break;
    }
  }
}

}  // namespace

std::string MarkupOf(const pugi::xml_node& element) {
  std::string out;
  AppendContent(out, element, 0);
  return out;
}

void AppendMarkup(pugi::xml_node& element, std::string_view markup) {
  if (markup.find_first_of("<&") != std::string_view::npos) {
    // XML knows five entities; HTML's others become their characters first.
    std::string xml;
    for (std::size_t i = 0; i < markup.size(); ++i) {
      const std::size_t end = markup[i] == '&' ? EntityEnd(markup, i) : std::string_view::npos;
      const std::string_view entity = end == std::string_view::npos ? std::string_view() : markup.substr(i, end - i + 1);
      const bool xmlKnows = entity.empty() || entity[1] == '#' || entity == "&amp;" || entity == "&lt;" ||
                         entity == "&gt;" || entity == "&quot;" || entity == "&apos;";
      if (xmlKnows) {
        xml += markup[i];
      } else {
        xml += PlainText(entity);
        i = end;
      }
    }
    pugi::xml_document fragment;
    if (fragment.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_fragment, pugi::encoding_utf8)) {
      for (const pugi::xml_node& child : fragment.children()) element.append_copy(child);
      return;
    }
  }
  // Markup that is no XML goes out as the text it reads as.
  element.append_child(pugi::node_pcdata).set_value(PlainText(markup).c_str());
}

}  // namespace kven
