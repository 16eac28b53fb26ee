// Random click sequences keep the diagram symmetric, and the KVEN text of
// every diagram they build reads back to the same diagram, under any order.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "editing/symmetry.h"
#include "support/test_puzzles.h"
#include "text/encoder.h"

namespace kven {
namespace {

using test::SetSquares;

// Every set block or bar has all its partners set, and no bar lies on the
// outer border.
bool Symmetric(const Puzzle& p) {
  for (int i = 1; i <= MaxSide; ++i)
    if ((i <= p.HSquares && p.HBars(i, p.VSquares)) || (i <= p.VSquares && p.VBars(p.HSquares, i))) return false;
  return HasAllPartners(p, p.Symmetry);
}

auto Shape(const Puzzle& p) {
  return std::tuple(p.HSquares, p.VSquares, p.Symmetry, p.BlockDiagram, p.BarDiagram, SetSquares(p, p.Blocks),
                    SetSquares(p, p.HBars), SetSquares(p, p.VBars));
}

auto Marks(const Puzzle& p) { return std::tuple(SetSquares(p, p.Blocks), SetSquares(p, p.HBars), SetSquares(p, p.VBars)); }

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
    Puzzle p = test::FreshPuzzle(c.h, c.v, c.symmetry);
    EditorState e;
    NullView view;
    for (int i = 1; i <= 200; ++i) {
      // Clicks land anywhere, so many fall outside the input region.
      const int col = static_cast<int>(rng() % static_cast<unsigned>(c.h)) + 1;
      const int row = static_cast<int>(rng() % static_cast<unsigned>(c.v)) + 1;
      e.EntryMode = c.bars ? (rng() % 2 ? EntryMode::Hbar : EntryMode::Vbar) : EntryMode::Block;
      KvenGridMouseDown(p, e, view, col, row);
      ASSERT_TRUE(Symmetric(p)) << "click " << i << " at " << col << "," << row;
      if (i % 50 == 0) {
        Puzzle q = test::FreshPuzzle(7, 9, 0);
        test::DecodeLines(q, EncodeText(p));
        ASSERT_EQ(Shape(q), Shape(p)) << "click " << i;
        // Another order chosen in the menu afterwards loses no mark either.
        for (const std::int32_t order : {NoSymmetry, Twofold, Fourfold}) {
          Puzzle chosen = p;
          chosen.Symmetry = order;
          test::DecodeLines(q, EncodeText(chosen));
          ASSERT_EQ(Marks(q), Marks(p)) << "click " << i << " then order " << order;
        }
      }
    }
    // The sequence built something worth reading back.
    EXPECT_FALSE(SetSquares(p, c.bars ? p.HBars : p.Blocks).empty());
  }
}

// The marks a click enters and the marks a text lists, for every size and
// order: of every set of symmetric partners a click enters exactly one, and
// the text lists it, so a diagram built by clicks is written whole. Fourfold
// bars on a grid whose sides differ take no click; on a square grid the
// quarter a click enters holds a horizontal and a vertical bar of many sets,
// and a click enters at least one of each.
TEST(SymmetryRegionTest, ClicksEnterOneOfEachSetOfPartnersAndTheTextListsIt) {
  int faults = 0;
  for (int h = MinSide; h <= MaxSide; ++h) {
    for (int v = MinSide; v <= MaxSide; ++v) {
      for (const std::int32_t order : {NoSymmetry, Twofold, Fourfold}) {
        Puzzle p;
        p.HSquares = h;
        p.VSquares = v;
        p.Symmetry = order;
        for (const Mark kind : {Mark::Block, Mark::HBar, Mark::VBar}) {
          const bool refused = kind != Mark::Block && order == Fourfold && h != v;
          // No bar lies on the outer border.
          const int lastCol = kind == Mark::VBar ? h - 1 : h;
          const int lastRow = kind == Mark::HBar ? v - 1 : v;
          for (int row = 1; row <= lastRow; ++row) {
            for (int col = 1; col <= lastCol; ++col) {
              const MarkAt mark{kind, col, row};
              int entered = EntersMark(p, mark) ? 1 : 0;
              for (const MarkAt& partner : SymmetricPartners(mark, order, h, v)) entered += EntersMark(p, partner);
              const bool listed = !EntersMark(p, mark) || IsListedSquare(p, kind, col, row);
              const bool several = !refused && kind != Mark::Block && order == Fourfold;
              const bool once = refused ? entered == 0 : several ? entered >= 1 : entered == 1;
              if (once && listed) continue;
              if (++faults <= 5)
                ADD_FAILURE() << h << "x" << v << " order " << order << " kind " << static_cast<int>(kind) << " at "
                              << col << "," << row << ": " << entered << " of its set entered, listed " << listed;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(faults, 0);
}

}  // namespace
}  // namespace kven
