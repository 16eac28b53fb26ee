#pragma once

#include <cstdint>

#include "model/puzzle.h"

namespace kven {

enum class DecodeResult { Decoded, InvalidData };

// Reads the KVEN text in p.TextLines into the puzzle, in place. Returns
// InvalidData after telling the view (ReportInvalidData) when the text has no
// magic line, no diagram list, or no VBR list after an HBR list; what was read
// until then stays. Throws RangeError when automatic numbering overflows its
// lists; the sections after the numbering are then not read.
DecodeResult DecodeText(Puzzle& p, PuzzleView& view);

// The scanner steps, exposed for tests. They never read past the end of a
// line or of TextLines: running off a line reads as "Z" for list numbers and
// as 0 for manual numbers. Digit runs beyond 32 bits saturate at 2147483647.
std::int32_t ReadListNumber(Puzzle& p);
std::int32_t ReadNumber(Puzzle& p);

}  // namespace kven
