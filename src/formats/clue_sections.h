#pragma once

#include <vector>

#include "clues/clue_lines.h"
#include "clues/puzzle_clues.h"
#include "model/puzzle.h"

namespace kven {

// Every clue list of the puzzle as the printed pages and `clues --text`
// show them, in the document's order: across and down (DirectionSections),
// then each other list a document had ("Diagonal", "Inward"), under its
// heading ("Diagonal:Diagonals" is headed "Diagonals"), each clue under its
// label with its text, enumeration and the "answer" the document gave.
std::vector<ClueSection> ClueSections(const PuzzleClues& clues, const Puzzle& p);

}  // namespace kven
