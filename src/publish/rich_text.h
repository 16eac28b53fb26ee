#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

namespace kven {

// A clue or fact, written with the small HTML markup documents use, as a
// tree that a page builds element by element and never parses as HTML: an
// array of nodes, each a string of plain text (entities already turned into
// their characters) or an array whose first member is one of the tags "i",
// "b", "sub", "sup" or "br" and whose others are its nodes. <em> and <strong>
// become "i" and "b"; any other tag is left out with its text kept, and tags
// left open are closed at the end.
nlohmann::ordered_json RichTextJson(std::string_view markup);

}  // namespace kven
