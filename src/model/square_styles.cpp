#include "model/square_styles.h"

namespace kven {

namespace {

template <typename Test>
bool AnySquare(const SquareStyles& styles, int hSquares, int vSquares, Test test) {
  for (int row = 1; row <= vSquares && row <= MaxSide; ++row)
    for (int col = 1; col <= hSquares && col <= MaxSide; ++col)
      if (test(styles(col, row))) return true;
  return false;
}

}  // namespace

bool AnyCircled(const SquareStyles& styles, int hSquares, int vSquares) {
  return AnySquare(styles, hSquares, vSquares, [](const SquareStyle& s) { return s.circled; });
}

bool AnyShaded(const SquareStyles& styles, int hSquares, int vSquares) {
  return AnySquare(styles, hSquares, vSquares, [](const SquareStyle& s) { return s.shaded; });
}

}  // namespace kven
