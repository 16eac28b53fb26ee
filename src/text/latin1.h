#pragma once

#include <string>
#include <string_view>

namespace kven {

// Titles are single bytes read as Latin-1; documents of other programs are
// UTF-8. These convert between the two.

// Every byte becomes the UTF-8 form of the code point with its value.
std::string Latin1ToUtf8(std::string_view latin1);

// Every code point up to U+00FF becomes its byte; every other code point,
// and every byte that does not start a well-formed UTF-8 sequence, becomes
// `replacement`. Never fails.
std::string Utf8ToLatin1(std::string_view utf8, char replacement = '?');

// Whether Latin-1 holds every character of a UTF-8 text.
bool FitsLatin1(std::string_view utf8);

}  // namespace kven
