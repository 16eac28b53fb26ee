// Random click sequences keep the diagram symmetric, and the KVEN text of
// every diagram they build reads back to the same diagram.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "editing/symmetry.h"
#include "support/test_puzzles.h"
#include "text/encoder.h"

namespace kven {
namespace {

using testing::SetSquares;

// Every set block or bar has its image set too; as the images form a
// permutation, that makes the whole diagram symmetric. Twofold is the half
// turn; fourfold mirrors blocks in both centre lines and turns bars (square
// grids only) through a quarter turn. No bar ever lies on the outer border.
bool Symmetric(const Puzzle& p) {
  const int h = p.HSquares, v = p.VSquares;
  const bool two = p.Symmetry == 2, four = p.Symmetry == 4;
  for (int row = 1; row <= v; ++row) {
    for (int col = 1; col <= h; ++col) {
      if ((row == v && p.HBars(col, row)) || (col == h && p.VBars(col, row))) return false;
      if (p.Blocks(col, row) && ((two && !p.Blocks(h - col + 1, v - row + 1)) ||
                                 (four && !(p.Blocks(h - col + 1, row) && p.Blocks(col, v - row + 1)))))
        return false;
      if (p.HBars(col, row) && ((two && !p.HBars(h - col + 1, v - row)) || (four && !p.VBars(h - row, col))))
        return false;
      if (p.VBars(col, row) && ((two && !p.VBars(h - col, v - row + 1)) || (four && !p.HBars(v - row + 1, col))))
        return false;
    }
  }
  return true;
}

auto Shape(const Puzzle& p) {
  return std::tuple(p.HSquares, p.VSquares, p.Symmetry, p.BlockDiagram, p.BarDiagram, SetSquares(p, p.Blocks),
                    SetSquares(p, p.HBars), SetSquares(p, p.VBars));
}

struct Config {
  int h, v, symmetry;
  bool bars;
};

TEST(GridEditPropertyTest, RandomClicksKeepDiagramSymmetricAndTextReadsBack) {
  const Config configs[] = {{12, 12, 2, false}, {13, 13, 2, false}, {13, 12, 2, false}, {12, 13, 2, false},
                            {12, 12, 2, true},  {13, 13, 2, true},  {13, 12, 2, true},  {12, 13, 2, true},
                            {12, 13, 4, false}, {13, 13, 4, false}, {12, 12, 4, true},  {13, 13, 4, true},
                            {13, 12, 0, true}};
  std::mt19937 rng(20240607);
  for (const Config& c : configs) {
    SCOPED_TRACE(::testing::Message() << c.h << "x" << c.v << " symmetry " << c.symmetry << " bars " << c.bars);
    Puzzle p = testing::FreshPuzzle(c.h, c.v, c.symmetry);
    EditorState e;
    NullView view;
    for (int i = 1; i <= 200; ++i) {
      // Clicks land anywhere, so many fall outside the input region.
      const int col = static_cast<int>(rng() % static_cast<unsigned>(c.h)) + 1;
      const int row = static_cast<int>(rng() % static_cast<unsigned>(c.v)) + 1;
      e.EntryMode = c.bars ? (rng() % 2 ? Hbar : Vbar) : Block;
      KvenGridMouseDown(p, e, view, col, row);
      ASSERT_TRUE(Symmetric(p)) << "click " << i << " at " << col << "," << row;
      if (i % 50 == 0) {
        EncodeText(p);
        Puzzle q = testing::FreshPuzzle(7, 9, 0);
        testing::DecodeLines(q, p.TextLines);
        ASSERT_EQ(Shape(q), Shape(p)) << "click " << i;
      }
    }
    // The sequence built something worth reading back.
    EXPECT_FALSE(SetSquares(p, c.bars ? p.HBars : p.Blocks).empty());
  }
}

}  // namespace
}  // namespace kven
