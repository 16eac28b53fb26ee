#include "render/drawn_style.h"

namespace kven {

const SquareStyle& DrawnStyle(const SquareStyles* styles, const Puzzle& p, int col, int row) {
  static const SquareStyle Plain;
  return styles != nullptr && IsOpenSquare(p, col, row) ? (*styles)(col, row) : Plain;
}

}  // namespace kven
