#pragma once

#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven {

// Whether a flagged square is written in its list, given Symmetry. The reader
// adds the symmetric partners of every listed square, so only one region is
// written: the whole grid without symmetry; with twofold symmetry the top
// half, whose middle row (odd heights) or the bars on whose centre line (even
// heights) are written for their left half; with fourfold symmetry the first
// quadrant, middle row and column included; with any other order nothing.
bool IsListedSquare(const Puzzle& p, Mark kind, int col, int row);

// The order a text of the puzzle gives: its own, when the lists written under
// it read back as every mark drawn and no other (every diagram symmetric
// under it, one with no mark, fourfold bars on an oblong whose quarter turns
// the reader adds); else 0, under which every mark is listed, so that no
// mark is lost between the screen and the text.
std::int32_t WrittenSymmetry(const Puzzle& p);

// The puzzle as KVEN text, one line per element.
TextLineList EncodeText(const Puzzle& p);

}  // namespace kven
