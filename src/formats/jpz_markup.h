#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace kven {

// Clue texts and notes of a .jpz file are XML with a few HTML elements in
// them (<i>, <b>, <sub>, <sup>, <span>); the program keeps such texts as
// ipuz does, as HTML-ish markup text. These convert between the two.

// The content of an element as markup text: elements as bare tags
// (attributes left out), text with "&" escaped where it would read as an
// entity and "<" where it would read as a tag, so that PlainText gives the
// text as the file meant it. Elements nested deeper than a few levels give
// their text only.
std::string MarkupOf(const pugi::xml_node& element);

// Appends a markup text to an element: as elements and text where it is
// well-formed XML, else as the text it is.
void AppendMarkup(pugi::xml_node& element, std::string_view markup);

}  // namespace kven
