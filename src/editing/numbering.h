#pragma once

#include <cstdint>
#include <string>

#include "model/puzzle.h"

namespace kven {

// Start-of-entry rules. None looks at the square itself; each needs room for
// two squares, so the last column never starts an across entry and the last
// row never starts a down entry. Squares must lie in the grid.
bool StartsAcrossBlocks(const Puzzle& p, int col, int row);
bool StartsDownBlocks(const Puzzle& p, int col, int row);
bool StartsAcrossBars(const Puzzle& p, int col, int row);
bool StartsDownBars(const Puzzle& p, int col, int row);

// Numbers the squares in reading order and rebuilds the across and down
// lists, by the rules of the diagram's kind: the bar rules for bars, the
// block rules for blocks, and for both kinds wherever an entry starts after
// the edge, a block or a bar. A puzzle numbered by hand stays so.
// The lists hold one entry a square (MaxEntries), so no diagram of the grid
// overflows them; RangeError past that stays the guard of the lists.
void AutoNumber(Puzzle& p, GridView& view);
// The across and down lists of the numbered squares that start entries, by
// the same rules as AutoNumber; a diagram of no kind yet lists none.
void BuildEntryLists(Puzzle& p);

// Reads the number field as the program's integer reader does: leading
// blanks, an optional sign, decimal digits or "$" and hexadecimal digits, up
// to the first character that does not fit; 0 without digits. A "-" counts
// only when the digits run to the end. Values beyond 32 bits saturate.
std::int32_t ReadNumberFieldText(const std::string& text);

// A click in ManualNumber mode: stores the number field's value in the
// square and puts the next number into the field.
void EnterManualNumber(Puzzle& p, EditorState& e, PuzzleView& view, int col, int row);

}  // namespace kven
