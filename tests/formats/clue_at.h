#pragma once

#include "clues/puzzle_clues.h"

namespace kven::test {

// The clue standing on the entry that starts at [col, row] the given way,
// or nullptr.
inline const Clue* ClueAt(const PuzzleClues& clues, EntryDirection direction, int col, int row) {
  for (const Clue& clue : clues.clues)
    if (clue.direction == direction && clue.col == col && clue.row == row) return &clue;
  return nullptr;
}

}  // namespace kven::test
