#include "clues/plain_text.h"

#include <charconv>
#include <cstdint>

#include "clues/plain_text_entities.h"

#include "text/utf8.h"

namespace kven {

namespace {


// The code point of an entity's name ("amp", "#233", "#x2014"); 0 for none.
std::uint32_t EntityValue(std::string_view name) {
  if (!name.starts_with('#')) return NamedEntity(name);
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

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Whether a tag parts the words on either side: a line break, a paragraph,
// an item of a list.
bool Breaks(std::string_view tag) {
  std::size_t i = tag.starts_with("</") ? 2 : 1;
  std::string name;
  for (; i < tag.size() && IsLetter(tag[i]); ++i) name += static_cast<char>(tag[i] | 0x20);
  return name == "br" || name == "p" || name == "div" || name == "li" || name == "tr";
}

// Runs of white space as one blank, none at either end: markup's own rule,
// and a clue is one paragraph wherever it is shown.
std::string Collapsed(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool pending = false;
  for (const char c : text) {
    if (IsBlank(c)) {
      pending = !out.empty();
      continue;
    }
    if (pending) out += ' ';
    pending = false;
    out += c;
  }
  return out;
}

}  // namespace

std::size_t TagLength(std::string_view rest) {
  if (rest.size() < 2 || rest[0] != '<' || !(IsLetter(rest[1]) || rest[1] == '/' || rest[1] == '!')) return 0;
  const auto close = rest.find('>');
  return close == std::string_view::npos ? 0 : close + 1;
}

std::string PlainText(std::string_view markup) {
  // Tags go first and entities after, in one pass that never reads its own
  // output again: "&lt;div&gt;" is the text "<div>", not a tag.
  std::string out;
  out.reserve(markup.size());
  std::size_t i = 0;
  while (i < markup.size()) {
    const std::string_view rest = markup.substr(i);
    if (const std::size_t tag = TagLength(rest); tag > 0) {
      if (Breaks(rest.substr(0, tag))) out += ' ';
      i += tag;
      continue;
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
  return Collapsed(out);
}

std::string PlainTextRun(std::string_view markup) {
  std::string plain = PlainText(markup);
  if (markup.empty()) return plain;
  if (IsBlank(markup.front()) && !plain.starts_with(' ')) plain.insert(plain.begin(), ' ');
  if (IsBlank(markup.back()) && plain != " ") plain += ' ';
  return plain;
}

}  // namespace kven
