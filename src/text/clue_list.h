#pragma once

#include <cstdint>
#include <string>

#include "model/entries.h"
#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven {

// The ACROSS and DOWN skeleton built from the entry lists of the last
// automatic numbering: each listed number, two blanks and the text of the
// entry at the first square carrying that number.
TextLineList BuildClueList(const Puzzle& p);

// The letters of the entry starting at the square, then "   (length)";
// empty for a run shorter than two. The square's own letter counts whatever
// it is; the run goes on over blanks and letters up to a square without one,
// the edge of the grid or, in a bar diagram, a bar.
std::string EntryTextAt(const Puzzle& p, int col, int row, EntryDirection direction);

}  // namespace kven
