#pragma once

#include <string_view>

namespace kven {

// The blanks that documents, lists and typed fields have around their words.
inline constexpr std::string_view Blanks = " \t\r\n";

// The text without any of `blanks` at either end.
inline std::string_view Trimmed(std::string_view text, std::string_view blanks = Blanks) {
  const std::size_t start = text.find_first_not_of(blanks);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

// The text without the byte-order mark some editors write before UTF-8.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view Mark = "\xEF\xBB\xBF";
  return text.starts_with(Mark) ? text.substr(Mark.size()) : text;
}

}  // namespace kven
