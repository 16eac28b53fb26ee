// Random click sequences keep the diagram symmetric, and the KVEN text of
// every diagram they build reads back to the same diagram.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "editing/symmetry.h"
#include "support/test_puzzles.h"
#include "text/decoder.h"
#include "text/encoder.h"

namespace kven {
namespace {

using testing::FreshPuzzle;
using testing::SetSquares;

// Blocks under the twofold half turn, or the fourfold mirrors in both centre lines.
bool BlocksSymmetric(const Puzzle& p) {
  const int h = p.HSquares, v = p.VSquares;
  for (int row = 1; row <= v; ++row) {
    for (int col = 1; col <= h; ++col) {
      const std::uint8_t b = p.Blocks(col, row);
      if (p.Symmetry == 2 && b != p.Blocks(h - col + 1, v - row + 1)) return false;
      if (p.Symmetry == 4 && (b != p.Blocks(h - col + 1, row) || b != p.Blocks(col, v - row + 1))) return false;
    }
  }
  return true;
}

// Bars under the half turn (twofold) or the quarter turn of a square grid
// (fourfold); no bar ever lies on the outer border.
bool BarsSymmetric(const Puzzle& p) {
  const int h = p.HSquares, v = p.VSquares;
  for (int col = 1; col <= h; ++col)
    if (p.HBars(col, v) != 0) return false;
  for (int row = 1; row <= v; ++row)
    if (p.VBars(h, row) != 0) return false;
  for (int row = 1; row <= v; ++row) {
    for (int col = 1; col <= h; ++col) {
      if (row < v) {
        const std::uint8_t bar = p.HBars(col, row);
        if (p.Symmetry == 2 && bar != p.HBars(h - col + 1, v - row)) return false;
        if (p.Symmetry == 4 && bar != p.VBars(h - row, col)) return false;
      }
      if (col < h) {
        const std::uint8_t bar = p.VBars(col, row);
        if (p.Symmetry == 2 && bar != p.VBars(h - col, v - row + 1)) return false;
        if (p.Symmetry == 4 && bar != p.HBars(v - row + 1, col)) return false;
      }
    }
  }
  return true;
}

void ExpectReadsBack(Puzzle& p, const std::string& where) {
  EncodeText(p);
  Puzzle q = FreshPuzzle(7, 9, 0);
  testing::DecodeLines(q, p.TextLines);
  EXPECT_EQ(q.HSquares, p.HSquares) << where;
  EXPECT_EQ(q.VSquares, p.VSquares) << where;
  EXPECT_EQ(q.Symmetry, p.Symmetry) << where;
  EXPECT_EQ(q.BlockDiagram, p.BlockDiagram) << where;
  EXPECT_EQ(q.BarDiagram, p.BarDiagram) << where;
  EXPECT_EQ(SetSquares(q, q.Blocks), SetSquares(p, p.Blocks)) << where;
  EXPECT_EQ(SetSquares(q, q.HBars), SetSquares(p, p.HBars)) << where;
  EXPECT_EQ(SetSquares(q, q.VBars), SetSquares(p, p.VBars)) << where;
}

struct PropertyCase {
  int h, v, symmetry;
  bool bars;
  std::uint32_t seed;
};

void PrintTo(const PropertyCase& c, std::ostream* os) {
  *os << c.h << "x" << c.v << " symmetry " << c.symmetry << (c.bars ? " bars" : " blocks") << " seed " << c.seed;
}

class GridEditPropertyTest : public ::testing::TestWithParam<PropertyCase> {};

TEST_P(GridEditPropertyTest, ClicksKeepDiagramSymmetricAndTextReadsBack) {
  const PropertyCase& c = GetParam();
  Puzzle p = FreshPuzzle(c.h, c.v, c.symmetry);
  EditorState e;
  NullView view;
  std::mt19937 rng(c.seed);
  constexpr int kClicks = 400;
  for (int i = 1; i <= kClicks; ++i) {
    // Clicks land anywhere, so many fall outside the input region.
    const int col = static_cast<int>(rng() % static_cast<std::uint32_t>(c.h)) + 1;
    const int row = static_cast<int>(rng() % static_cast<std::uint32_t>(c.v)) + 1;
    e.EntryMode = c.bars ? (rng() % 2 == 0 ? Hbar : Vbar) : Block;
    KvenGridMouseDown(p, e, view, col, row);
    const std::string where = "click " + std::to_string(i) + " at " + std::to_string(col) + "," + std::to_string(row);
    ASSERT_TRUE(c.bars ? BarsSymmetric(p) : BlocksSymmetric(p)) << where;
    if (i % 40 == 0) ExpectReadsBack(p, where);
    if (::testing::Test::HasFailure()) return;
  }
  // The sequence built something worth reading back.
  EXPECT_FALSE(SetSquares(p, c.bars ? p.HBars : p.Blocks).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Twofold, GridEditPropertyTest,
    ::testing::Values(PropertyCase{12, 12, 2, false, 1}, PropertyCase{13, 13, 2, false, 2},
                      PropertyCase{13, 12, 2, false, 3}, PropertyCase{12, 13, 2, false, 4},
                      PropertyCase{30, 5, 2, false, 5}, PropertyCase{5, 30, 2, false, 6},
                      PropertyCase{30, 30, 2, false, 7}, PropertyCase{12, 12, 2, true, 8},
                      PropertyCase{13, 13, 2, true, 9}, PropertyCase{13, 12, 2, true, 10},
                      PropertyCase{12, 13, 2, true, 11}));

INSTANTIATE_TEST_SUITE_P(
    Fourfold, GridEditPropertyTest,
    ::testing::Values(PropertyCase{12, 12, 4, false, 21}, PropertyCase{13, 13, 4, false, 22},
                      PropertyCase{13, 12, 4, false, 23}, PropertyCase{12, 13, 4, false, 24},
                      PropertyCase{30, 5, 4, false, 25}, PropertyCase{5, 29, 4, false, 26},
                      PropertyCase{30, 30, 4, false, 27}, PropertyCase{12, 12, 4, true, 28},
                      PropertyCase{13, 13, 4, true, 29}, PropertyCase{6, 6, 4, true, 30},
                      PropertyCase{5, 5, 4, true, 31}, PropertyCase{30, 30, 4, true, 32}));

INSTANTIATE_TEST_SUITE_P(None, GridEditPropertyTest,
                         ::testing::Values(PropertyCase{12, 13, 0, false, 41}, PropertyCase{13, 12, 0, true, 42}));

}  // namespace
}  // namespace kven
