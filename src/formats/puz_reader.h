#pragma once

#include <string_view>

#include "formats/import.h"

namespace kven {

// Reads the bytes of a file as an Across Lite .puz crossword, recognised by
// "ACROSS&DOWN" at its place in the header (bytes before the header, as
// some sites add, are passed over; so are bytes after the last section).
// An imported puzzle is a block diagram numbered by the grid, with the
// strongest symmetry its blocks have, the solution's letters, the title,
// author, copyright, notes and clues (texts in Latin-1 up to version 1.x,
// UTF-8 from 2.0 or wherever the texts are UTF-8; a clue's closing bracket
// of numbers that add up to its entry's length becomes its enumeration),
// and the circled squares of the GEXT section.
// Notes, not refusals: checksums that do not agree, a locked (scrambled)
// solution (read without its letters), a clue count other than the
// entries', a file that ends inside its strings. Rebus squares, and
// squares whose solution is no letter, are left without a letter and
// counted. Refuses a size outside 5..30, a diagramless puzzle and a file
// that ends inside its grids. Never throws and never crashes on any input.
Import ReadPuz(std::string_view bytes);

}  // namespace kven
