#pragma once

#include <string_view>

#include "formats/import.h"

namespace kven {

// Reads the whole text of a file or of the clipboard as a Crossword
// Compiler .jpz puzzle: XML whose root is crossword-compiler-applet,
// crossword-compiler or rectangular-puzzle (namespace prefixes ignored),
// plain or as the one document of a zip archive. An imported puzzle is what
// the KVEN text of the same diagram decodes to:
//   - a block diagram, or a bar diagram (top-bar, bottom-bar, left-bar and
//     right-bar on either square beside an edge; none on the outer border);
//   - numbered automatically when the cells' numbers are the automatic ones,
//     by hand when they differ (a block's number kept), unnumbered without any;
//   - the strongest symmetry of its blocks or bars; the solution's letters
//     (a solution of several letters, or no letter, left empty and counted);
//   - title, creator (author), copyright, description (notes) and
//     instructions (intro); clues with their markup and "format" as the
//     enumeration, each on the entry of its word (or, failing that, of its
//     number and list: Across, Down);
//   - circled squares (background-shape "circle") and shaded ones (a
//     background-color other than white).
// Refuses other kinds (acrostic, coded, sudoku...), omitted ("void") and
// clue squares, blocks together with bars, sizes outside 5..30, squares
// the grid leaves out, and XML that cannot be read. Never throws.
Import ReadJpz(std::string_view text);

// The same for a zip archive holding a .jpz document; NotRecognised for any
// other bytes, and for an archive without a crossword in it.
Import ReadZippedJpz(std::string_view bytes);

}  // namespace kven
