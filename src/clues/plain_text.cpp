#include "clues/plain_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <utility>

#include "text/utf8.h"

namespace kven {

namespace {

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 12> NamedEntities{{
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
    {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
    {"rdquo", 0x201D},
}};

// The code point of an entity's name ("amp", "#233", "#x2014"); 0 for none.
std::uint32_t EntityValue(std::string_view name) {
  if (name.starts_with('#')) {
    name.remove_prefix(1);
    int base = 10;
    if (name.starts_with('x') || name.starts_with('X')) {
      name.remove_prefix(1);
      base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), value, base);
    const bool valid = ec == std::errc() && end == name.data() + name.size() && value > 0 && value <= 0x10FFFF &&
                       !(value >= 0xD800 && value <= 0xDFFF);
    return valid ? value : 0;
  }
  for (const auto& [entity, value] : NamedEntities)
    if (entity == name) return value;
  return 0;
}

bool IsTagStart(std::string_view rest) {
  if (rest.size() < 2) return false;
  const char c = rest[1];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '/';
}

}  // namespace

std::string PlainText(std::string_view markup) {
  std::string out;
  out.reserve(markup.size());
  std::size_t i = 0;
  while (i < markup.size()) {
    const std::string_view rest = markup.substr(i);
    if (rest.front() == '<' && IsTagStart(rest)) {
      const auto close = rest.find('>');
      if (close != std::string_view::npos) {
        std::string_view tag = rest.substr(1, close - 1);
        if (tag.starts_with("br") || tag.starts_with("BR")) out += ' ';
        i += close + 1;
        continue;
      }
    }
    if (rest.front() == '&') {
      const auto semicolon = rest.find(';');
      if (semicolon != std::string_view::npos && semicolon <= 10) {
        if (const std::uint32_t cp = EntityValue(rest.substr(1, semicolon - 1)); cp != 0) {
          AppendUtf8(out, cp);
          i += semicolon + 1;
          continue;
        }
      }
    }
    out += rest.front();
    ++i;
  }
  return out;
}

}  // namespace kven
