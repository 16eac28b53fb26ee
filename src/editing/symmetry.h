#pragma once

#include "model/puzzle.h"

namespace kven {

// Predicates over the square (col, row) of the current puzzle.
bool IsCentreSquare(const Puzzle& p, int col, int row);
bool InFirstQuadrant(const Puzzle& p, int col, int row);
// The squares from which a twofold diagram is entered: the top half, and on
// the centre line only the left half. `kind` is the mark being entered.
bool InTwofoldInputRegion(const Puzzle& p, Mark kind, int col, int row);
// A bar on a centre line that its half turn maps onto itself.
bool IsOwnTwofoldPartner(const Puzzle& p, Mark kind, int col, int row);

// Whether a click on the mark enters it under the puzzle's symmetry: one
// mark of each set of symmetric partners (none for fourfold bars on a grid
// whose sides differ, or for an order without a meaning). The text lists
// every mark a click enters, so a diagram built by clicks is written whole.
bool EntersMark(const Puzzle& p, const MarkAt& mark);

// A click that enters a mark: the mark and each of its symmetric partners
// flip once, when the click lies where the symmetry lets marks be entered;
// elsewhere nothing flips. A block is refused on a bar diagram and a bar on
// a block diagram; otherwise (a diagram of that kind, of no kind or of both
// with nothing placed) the click makes the diagram its kind, and a diagram
// of both kinds that holds marks stays so. A block click also schedules a
// repaint.
void ToggleMarkSymmetric(Puzzle& p, GridView& view, const MarkAt& mark);

// A mouse press on square (col, row) of the grid (the widget maps the point
// to the square and ignores header cells and points beside the cells):
// dispatches on EntryMode, then has the view repaint the whole grid at once.
void KvenGridMouseDown(Puzzle& p, EditorState& e, PuzzleView& view, int col, int row);

}  // namespace kven
