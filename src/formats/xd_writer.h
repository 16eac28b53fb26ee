#pragma once

#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

// The puzzle as an .xd crossword in the form without headings (metadata,
// grid, clues and notes parted by two blank lines): Title (always, as
// readers tell the format by it), Author and Copyright, a Special header when squares are circled ("circle") or else
// shaded ("shaded"), the grid ("#" a block, "." a square without a letter,
// a marked square's letter in lower case), a clue line "A1. Text (3,4) ~
// ANSWER" for every entry with a clue (numbers as the grid gives them; markup as xd's
// braces; "." in the answer for a square without a letter), then the notes.
// Bars are not written (the caller refuses a bar diagram). What the file
// leaves out that the document's losses do not name (shading beside
// circles, marks on squares without a letter, the intro, clues on no entry)
// is told in `notes`. Never fails.
std::string WriteXd(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                    std::vector<std::string>& notes);

}  // namespace kven
