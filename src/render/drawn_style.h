#pragma once

#include <QRgb>

#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

// The style a square is drawn with, by every drawing of the grid (picture,
// SVG, the control, the printed pages): its own on an open square; plain on
// a block, beyond the grid, and everywhere when there are no styles, so
// that a style left on a block never shows.
const SquareStyle& DrawnStyle(const SquareStyles* styles, const Puzzle& p, int col, int row);

// The opaque colour a shaded square is filled with.
inline QRgb ShadeRgb(const SquareStyle& style) { return 0xFF000000u | ShadeColour(style); }

}  // namespace kven
