#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "model/entries.h"
#include "model/puzzle.h"

namespace kven {

// The steps every reader of another program's grid takes once the squares
// are in the puzzle (its size reset, blocks, bars and letters set), so that
// the puzzle is the one the KVEN text of the same diagram would give.

// The largest hand number: a KVEN text carries any run of digits, and its
// reader holds what fits in 32 bits.
inline constexpr std::int64_t MaxHandNumber = std::numeric_limits<std::int32_t>::max();

// The kind of the marks set: blocks and bars together make a diagram of both
// kinds, whose entries end at either; a grid with neither is a block diagram.
void SetKindByMarks(Puzzle& p);

// The clue numbers a document gives for its squares (0 for none): numbered
// automatically when they are the automatic ones, else by hand, unnumbered
// when there are none. Returns the first square, in reading order, whose hand
// number lies outside 0..MaxHandNumber (the puzzle then unnumbered), or none.
std::optional<Square> TakeGivenNumbers(Puzzle& p, const SquareArray<std::int64_t>& numbers);

// Numbered as the grid itself gives it, as formats without numbers of
// their own (.puz, .xd) are.
void NumberByGrid(Puzzle& p);
// The drawn diagram (DrawnDiagram) so numbered, whatever numbers it had:
// what such a format writes.
Puzzle GridNumbered(const Puzzle& p);

// The strongest order, 4, 2 or 0, under which every block or bar has its
// partners; bars turn through quarter turns on square grids only.
std::int32_t StrongestSymmetry(const Puzzle& p);

// Whether the diagram's numbers, given by hand or not, are those the grid
// gives by itself: nothing is lost where a format numbers by the grid.
bool NumberedAsGridGives(const Puzzle& p);

}  // namespace kven
