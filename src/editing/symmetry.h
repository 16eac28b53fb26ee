#pragma once

#include "model/puzzle.h"

namespace kven {

// Predicates over the square (col, row) of the current puzzle.
bool IsCentreSquare(const Puzzle& p, int col, int row);
bool InFirstQuadrant(const Puzzle& p, int col, int row);
bool OnMiddleRow(const Puzzle& p, int col, int row);
bool OnMiddleColumn(const Puzzle& p, int col, int row);
bool InTwofoldInputRegion(const Puzzle& p, std::int32_t entryMode, int col, int row);
bool IsOwnTwofoldPartner(const Puzzle& p, std::int32_t entryMode, int col, int row);

// Toggle a square's block or bar together with its partners under Symmetry.
// A block is refused on a bar diagram and a bar on a block diagram.
void ToggleBlockSymmetric(Puzzle& p, GridView& view, int col, int row);
void ToggleHBarSymmetric(Puzzle& p, int col, int row);
void ToggleVBarSymmetric(Puzzle& p, int col, int row);

// A mouse press on square (col, row) of the grid (the widget maps the point
// to the square and ignores header cells and points beside the cells):
// dispatches on EntryMode, then has the view repaint the whole grid at once.
void KvenGridMouseDown(Puzzle& p, EditorState& e, PuzzleView& view, int col, int row);

}  // namespace kven
