#pragma once

#include <vector>

#include "model/puzzle.h"

namespace kven {

enum class EntryDirection { Across, Down };

// An entry of the diagram: a run of two or more open squares across or down.
struct DiagramEntry {
  EntryDirection direction = EntryDirection::Across;
  int col = 0;  // the first square
  int row = 0;
  int length = 0;
  bool operator==(const DiagramEntry&) const = default;
};

// True when a run across (down) may pass from [col, row] to the next square
// to the right (below): both squares are in the grid and open, and no bar
// lies between them.
bool JoinsAcross(const Puzzle& p, int col, int row);
bool JoinsDown(const Puzzle& p, int col, int row);

// The entries read from the diagram itself, whatever its numbering: runs
// broken by blocks, by bars (a bar on a square's right edge ends an across
// run there, on its bottom edge a down run) and by the grid's edge. Across
// entries first, then down entries, each in the reading order of their first
// squares, which is the order of the clue list.
std::vector<DiagramEntry> DiagramEntries(const Puzzle& p);

}  // namespace kven
