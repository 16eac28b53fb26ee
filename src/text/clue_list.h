#pragma once

#include <cstdint>
#include <string>

#include "model/entries.h"
#include "model/puzzle.h"

namespace kven {

// Replaces p.ClueLines with the ACROSS and DOWN skeleton built from the
// entry lists of the last automatic numbering.
void BuildClueList(Puzzle& p);

// The entry text of the first square carrying number n (reading order for
// across, column order for down); empty when no square carries it.
std::string EntryTextForNumber(const Puzzle& p, std::int32_t n, EntryDirection direction);

// The letters of the entry starting at the square, then "   (length)";
// empty for a run shorter than two.
std::string EntryTextAt(const Puzzle& p, int col, int row, EntryDirection direction);

}  // namespace kven
