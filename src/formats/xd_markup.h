#pragma once

#include <string>
#include <string_view>

namespace kven {

// The clue markup of .xd files: {/italic/}, {*bold*}, {_underlined_},
// {-struck-}, {^superscript^}, {~subscript~}, nested as needed. The program
// keeps clue texts as HTML-ish markup (<i>, <b>, <u>, <s>, <sup>, <sub>);
// these convert between the two.

// An xd clue text as markup text: each pair of braces as its element,
// other text as AsMarkup keeps it; a brace left open is closed at the end.
std::string MarkupFromXd(std::string_view xd);

// A markup text as an xd clue text: the elements xd has as braces (<em>
// and <strong> too), other tags left out, entities as their characters.
std::string XdFromMarkup(std::string_view markup);

}  // namespace kven
