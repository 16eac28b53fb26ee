#include "formats/markup_escape.h"

#include <cctype>

namespace kven {

bool IsEntityAt(std::string_view text, std::size_t amp) {
  std::size_t i = amp + 1;
  if (i < text.size() && text[i] == '#') ++i;
  const std::size_t start = i;
  while (i < text.size() && i - start < 32 && std::isalnum(static_cast<unsigned char>(text[i]))) ++i;
  return i > start && i < text.size() && text[i] == ';';
}

void AppendAsMarkup(std::string& out, std::string_view plain) {
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const char c = plain[i];
    const char next = i + 1 < plain.size() ? plain[i + 1] : '\0';
    if (c == '&' && IsEntityAt(plain, i)) out += "&amp;";
    // Where PlainText could see a tag: "<b", "</", "<!--".
    else if (c == '<' && (std::isalpha(static_cast<unsigned char>(next)) || next == '/' || next == '!')) out += "&lt;";
    else out += c;
  }
}

std::string AsMarkup(std::string_view plain) {
  std::string out;
  AppendAsMarkup(out, plain);
  return out;
}

}  // namespace kven
