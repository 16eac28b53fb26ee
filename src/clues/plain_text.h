#pragma once

#include <string>
#include <string_view>

namespace kven {

// A clue, title or note as a reader sees it where no rich text is drawn: the
// one rule for the clue panel, the clue lists and the printed pages. HTML
// tags are left out (a line break, paragraph or list item as a blank), then
// the character entities (&amp;, &lt;, &eacute;, &#233;, &#x2014;: those of
// HTML 4) become their characters, so that "&lt;div&gt;" shows as "<div>".
// Runs of white space become one blank, none at either end. Text that only
// looks like markup (a "<" that closes nothing, an unknown entity) stays.
// UTF-8 in and out.
std::string PlainText(std::string_view markup);

// The length of the tag at the start of `rest` ("<i>", "</b>", "<br/>",
// "<!-- -->"), 0 when what starts there is no tag: how PlainText and every
// other reader of markup tell a tag.
std::size_t TagLength(std::string_view rest);
// The same for a run of text between two elements of a document's markup
// ("Sum of the " before "<i>whole</i>"): white space at either end stays one
// blank, since it parts the run's words from the element beside it.
std::string PlainTextRun(std::string_view markup);

}  // namespace kven
