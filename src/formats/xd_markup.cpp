#include "formats/xd_markup.h"

#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "clues/plain_text.h"
#include "formats/markup_escape.h"

namespace kven {

namespace {

// Each xd marker with the element it stands for.
constexpr std::array<std::pair<char, std::string_view>, 6> Markers{{
    {'/', "i"}, {'*', "b"}, {'_', "u"}, {'-', "s"}, {'^', "sup"}, {'~', "sub"},
}};

std::string_view ElementOf(char marker) {
  for (const auto& [m, element] : Markers)
    if (m == marker) return element;
  return {};
}

// The marker of an element name, '\0' for one xd has none for.
char MarkerOf(std::string_view element) {
  if (element == "em") return '/';
  if (element == "strong") return '*';
  if (element == "strike" || element == "del") return '-';
  for (const auto& [m, name] : Markers)
    if (name == element) return m;
  return '\0';
}

}  // namespace

std::string MarkupFromXd(std::string_view xd) {
  std::string out;
  std::string plain;
  std::vector<char> open;
  const auto flush = [&] {
    AppendAsMarkup(out, plain);
    plain.clear();
  };
  for (std::size_t i = 0; i < xd.size(); ++i) {
    const char c = xd[i];
    const char next = i + 1 < xd.size() ? xd[i + 1] : '\0';
    if (c == '{' && !ElementOf(next).empty()) {
      flush();
      out += '<' + std::string(ElementOf(next)) + '>';
      open.push_back(next);
      ++i;
    } else if (!open.empty() && c == open.back() && next == '}') {
      flush();
      out += "</" + std::string(ElementOf(c)) + '>';
      open.pop_back();
      ++i;
    } else {
      plain += c;
    }
  }
  flush();
  while (!open.empty()) {
    out += "</" + std::string(ElementOf(open.back())) + '>';
    open.pop_back();
  }
  return out;
}

std::string XdFromMarkup(std::string_view markup) {
  std::string out;
  std::size_t text = 0;  // where the text not yet written starts
  std::size_t i = 0;
  while (i < markup.size()) {
    const std::size_t size = TagLength(markup.substr(i));
    if (size == 0) {
      ++i;
      continue;
    }
    const std::size_t close = i + size - 1;
    out += PlainTextRun(markup.substr(text, i - text));
    std::string_view name = markup.substr(i + 1, close - i - 1);
    const bool ending = name.starts_with('/');
    if (ending) name.remove_prefix(1);
    name = name.substr(0, name.find_first_of(" /"));
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (const char marker = MarkerOf(lower)) out += ending ? std::string{marker, '}'} : std::string{'{', marker};
    else if (lower == "br") out += ' ';
    i = close + 1;
    text = i;
  }
  out += PlainTextRun(markup.substr(text));
  return out;
}

}  // namespace kven
