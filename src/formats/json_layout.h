#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace kven {

// Writes a JSON value for people and for line diffs: a table (an array of
// arrays) puts each of its rows on a line of its own, an object that holds a
// table puts each member on a line; everything else stays on one line, with
// a blank after each comma and colon. Ends with a line break. The values
// themselves (strings, numbers) are written by the JSON library.
std::string LayOutJson(const nlohmann::ordered_json& value);

// The value as compact JSON on one line. A string that is no UTF-8 is
// written with U+FFFD where it fails rather than failing the whole text.
std::string CompactJson(const nlohmann::ordered_json& value);

}  // namespace kven
