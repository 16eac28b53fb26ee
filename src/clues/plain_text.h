#pragma once

#include <string>
#include <string_view>

namespace kven {

// A clue or note as a reader sees it where no rich text is drawn: HTML
// tags left out (<br> as a blank), the character entities (&amp;, &lt;,
// &#233;, &#x2014; ...) as their characters, UTF-8 in and out. Text that only
// looks like markup (a "<" that closes nothing, an unknown entity) stays.
std::string PlainText(std::string_view markup);

}  // namespace kven
