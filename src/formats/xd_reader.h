#pragma once

#include <string_view>

#include "formats/import.h"

namespace kven {

// Reads the whole text of a file or of the clipboard as an .xd crossword:
// sections led by "## Metadata", "## Grid", "## Clues", "## Notes" (and
// "## Design"), or, without such headings, metadata, grid, clues and notes
// parted by two blank lines. A text is one when it has a grid section under
// its heading, or a clue line "A1. Clue ~ ANSWER"; any other text is left
// alone. An imported puzzle is a block diagram numbered by the grid, with
// the strongest symmetry of its blocks:
//   - "#" a block; "." a square without a letter, or a block in a grid
//     without "#" where more clue answers fit their entries so (as some
//     writers mark blocks); A..Z a letter,
//     a..z a letter that the Special header ("circle" or "shaded") marks,
//     a character the Rebus header ("1=HEART 2=DIAMOND") names: the letter
//     of a one-letter rebus, else no letter (counted, as is any other
//     character);
//   - Title, Author, Copyright, the notes; clues "A1." and "D1." with their
//     markup ({/italic/}) as <i>..</i>, a closing bracket of numbers that add
//     up to the entry's length as the enumeration;
//   - from a Design section (a <style> block naming characters, then a grid
//     of them): circles ("background: circle"), shades
//     ("background-light: #RRGGBB") and bars ("bar-top", "bar-left",
//     "bar-bottom", "bar-right"), the diagram then one of bars.
// Refuses omitted squares ("_"), rows of different lengths, sizes outside
// 5..30, blocks together with bars. Never throws.
Import ReadXd(std::string_view text);

}  // namespace kven
