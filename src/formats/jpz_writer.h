#pragma once

#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

// The puzzle as a Crossword Compiler .jpz document (UTF-8 XML, not zipped):
// a rectangular-puzzle crossword with a cell for every square (blocks as
// type "block", hand numbers on blocks too), the solution's letters, the
// numbers the diagram carries, bars as bottom-bar and right-bar, circles
// (background-shape "circle") and shades (background-color, the program's
// grey for one without a colour), a word for every entry and the clues of
// the entries under "Across" and "Down" with their markup and enumerations
// ("format"); the title, author, copyright, notes (description) and intro
// (instructions). Only the marks of the puzzle's own diagram kind are
// written, as the KVEN writer does. Clues on no entry of the diagram have
// no place; `notes` says so. Never fails.
std::string WriteJpz(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                     std::vector<std::string>& notes);

}  // namespace kven
