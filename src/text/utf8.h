#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one reader and writer of UTF-8 that every part of the program uses.
namespace kven {

// The code point of the well-formed UTF-8 sequence at text[i], moving i past
// it; none, with i unchanged, for an ill-formed one (a stray continuation
// byte, a sequence cut short, an overlong form, a surrogate, a code point
// past U+10FFFF). i must be inside text.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& i);

// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// The text as well-formed UTF-8: its well-formed sequences as they are, and
// every other byte read as the Latin-1 character it is, as a reader of
// texts of either kind would take it.
std::string ValidUtf8(std::string_view text);

// Appends the UTF-8 form of the code point, which must be a Unicode scalar
// value (up to U+10FFFF, no surrogate).
void AppendUtf8(std::string& out, char32_t c);

}  // namespace kven
