#pragma once

#include <string>
#include <string_view>

namespace kven {

// A plain text as the markup text the program keeps clues in (HTML-ish, as
// ipuz writes them), changed only where it would read otherwise: an "&"
// that starts an entity becomes "&amp;", a "<" that starts a tag "&lt;".
// PlainText of the result is the text again.
std::string AsMarkup(std::string_view plain);

// Whether what starts at the "&" at `amp` is written as PlainText reads an
// entity: "&name;", "&#233;" or "&#x2014;" (whether PlainText knows the
// name is another matter).
bool IsEntityAt(std::string_view text, std::size_t amp);

// Appends AsMarkup(plain) to out.
void AppendAsMarkup(std::string& out, std::string_view plain);

}  // namespace kven
