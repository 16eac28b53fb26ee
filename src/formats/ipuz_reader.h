#pragma once

#include <string>
#include <string_view>

#include "formats/import.h"

namespace kven {

// Reads the whole text of a file or of the clipboard (UTF-8) as an ipuz
// crossword; see FindIpuzDocument (ipuz_document.h) for what counts as one.
// An imported puzzle is what the KVEN text of the same diagram decodes to:
//   - a block diagram, or a bar diagram (bars come from "barred" letters
//     T, R, B, L on either square beside an edge; bars on the outer border
//     are dropped, except a bar below the last row or right of the last
//     column in our own export, which a KVEN text can list); blocks and
//     bars together give a diagram of both kinds; neither gives a block
//     diagram;
//   - numbered automatically when the clue numbers are the automatic ones, else by
//     hand when they all lie in 0..2147483647 (the numbers of blocks come
//     from the program's extension), unnumbered when there are none;
//   - Symmetry 4, 2 or 0: the strongest order under which every block or bar
//     has its partners (bars turn through quarter turns on square grids only);
//   - the title in Latin-1 ("?" for other characters, line breaks as blanks,
//     cut to 255 bytes);
//   - letters 'A'..'Z' (from either case), ' ' for an empty or blank string,
//     '.' for 0, null or the "empty" value; HasSolution when the "solution"
//     gives some square a letter or the blank mark.
//   - circled and shaded open squares in `styles`: a style's "shapebg"
//     "circle", its "highlight", or a background "color" other than white
//     (kept as "RRGGBB"; a colour given by number shades in the program's grey).
// The "kind" is a list of kinds, or one kind as a string. Refuses omitted
// squares, sizes outside 5..30,
// hand numbers outside 0..2147483647, cells that are not clue numbers, and wrong
// types or shapes. Never throws and never crashes on any input.
Import ReadIpuz(std::string_view text);

}  // namespace kven
