#include "editing/symmetry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/recording_view.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using testing::FreshPuzzle;
using testing::RecordingView;
using testing::SetSquares;
using testing::Square;

std::vector<Square> ReadingOrder(std::vector<Square> squares) {
  std::sort(squares.begin(), squares.end(),
            [](const Square& a, const Square& b) { return std::pair(a.second, a.first) < std::pair(b.second, b.first); });
  return squares;
}

// ---------------------------------------------------------------------------
// Predicates

struct PredicateCase {
  int h, v, col, row;
  bool centre, quadrant, middleRow, middleColumn;
};

class GridEditPredicateTest : public ::testing::TestWithParam<PredicateCase> {};

TEST_P(GridEditPredicateTest, AnswersForSquare) {
  const PredicateCase& c = GetParam();
  const Puzzle p = FreshPuzzle(c.h, c.v, 2);
  EXPECT_EQ(IsCentreSquare(p, c.col, c.row), c.centre);
  EXPECT_EQ(InFirstQuadrant(p, c.col, c.row), c.quadrant);
  EXPECT_EQ(OnMiddleRow(p, c.col, c.row), c.middleRow);
  EXPECT_EQ(OnMiddleColumn(p, c.col, c.row), c.middleColumn);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridEditPredicateTest,
                         ::testing::Values(
                             // h   v  col row centre quad  midRow midCol
                             PredicateCase{13, 13, 7, 7, true, true, false, false},
                             PredicateCase{13, 13, 3, 7, false, true, true, false},
                             PredicateCase{13, 13, 7, 3, false, true, false, true},
                             PredicateCase{13, 13, 8, 7, false, false, false, false},
                             PredicateCase{13, 13, 7, 8, false, false, false, false},
                             PredicateCase{12, 12, 6, 6, false, true, false, false},
                             PredicateCase{12, 12, 7, 6, false, false, false, false},
                             PredicateCase{12, 12, 6, 7, false, false, false, false},
                             PredicateCase{13, 12, 7, 6, false, true, false, true},
                             PredicateCase{13, 12, 7, 7, false, false, false, false},
                             PredicateCase{12, 13, 6, 7, false, true, true, false},
                             PredicateCase{12, 13, 7, 7, false, false, false, false}));

struct RegionCase {
  int h, v;
  std::int32_t mode;
  int col, row;
  bool inRegion, ownPartner;
};

class GridEditRegionTest : public ::testing::TestWithParam<RegionCase> {};

TEST_P(GridEditRegionTest, AnswersForSquare) {
  const RegionCase& c = GetParam();
  const Puzzle p = FreshPuzzle(c.h, c.v, 2);
  EXPECT_EQ(InTwofoldInputRegion(p, c.mode, c.col, c.row), c.inRegion);
  EXPECT_EQ(IsOwnTwofoldPartner(p, c.mode, c.col, c.row), c.ownPartner);
}

INSTANTIATE_TEST_SUITE_P(
    OddFlags, GridEditRegionTest,
    ::testing::Values(
        // 12 x 12: only horizontal bars stop at the centre of the middle line.
        RegionCase{12, 12, Block, 12, 6, true, false}, RegionCase{12, 12, Block, 1, 7, false, false},
        RegionCase{12, 12, Vbar, 12, 6, true, false}, RegionCase{12, 12, Hbar, 6, 6, true, false},
        RegionCase{12, 12, Hbar, 7, 6, false, false}, RegionCase{12, 12, Hbar, 12, 5, true, false},
        // 13 x 12: the bar below (7, 6) is its own partner.
        RegionCase{13, 12, Hbar, 6, 6, true, false}, RegionCase{13, 12, Hbar, 7, 6, false, true},
        RegionCase{13, 12, Vbar, 7, 6, true, false}, RegionCase{13, 12, Block, 13, 6, true, false},
        // 12 x 13: the bar right of (6, 7) is its own partner; no bar below row 7 is entered.
        RegionCase{12, 13, Vbar, 6, 7, true, true}, RegionCase{12, 13, Vbar, 7, 7, false, false},
        RegionCase{12, 13, Hbar, 3, 7, false, false}, RegionCase{12, 13, Hbar, 12, 6, true, false},
        RegionCase{12, 13, Block, 6, 7, true, false}, RegionCase{12, 13, Hbar, 6, 7, false, false},
        // 13 x 13: the centre square is outside the region for every mode.
        RegionCase{13, 13, Block, 6, 7, true, false}, RegionCase{13, 13, Block, 7, 7, false, false},
        RegionCase{13, 13, Vbar, 6, 7, true, false}, RegionCase{13, 13, Hbar, 1, 7, false, false},
        RegionCase{13, 13, Hbar, 13, 6, true, false}, RegionCase{13, 13, ManualNumber, 7, 7, false, false}));

// ---------------------------------------------------------------------------
// Clicks

struct Flipped {
  std::vector<Square> blocks, hbars, vbars;
};

struct ClickCase {
  std::string name;
  int h, v, symmetry;
  std::int32_t mode;
  int col, row;
  Flipped flipped;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class GridEditClickTest : public ::testing::TestWithParam<ClickCase> {};

void ExpectDiagram(const Puzzle& p, const Flipped& want) {
  EXPECT_EQ(SetSquares(p, p.Blocks), ReadingOrder(want.blocks));
  EXPECT_EQ(SetSquares(p, p.HBars), ReadingOrder(want.hbars));
  EXPECT_EQ(SetSquares(p, p.VBars), ReadingOrder(want.vbars));
}

TEST_P(GridEditClickTest, FlipsExactlyThePartnersAndASecondClickRestores) {
  const ClickCase& c = GetParam();
  Puzzle p = FreshPuzzle(c.h, c.v, c.symmetry);
  EditorState e;
  e.EntryMode = c.mode;
  RecordingView view;

  KvenGridMouseDown(p, e, view, c.col, c.row);
  ExpectDiagram(p, c.flipped);
  // Even a refused click makes the diagram of the clicked kind.
  EXPECT_EQ(p.BlockDiagram, c.mode == Block);
  EXPECT_EQ(p.BarDiagram, c.mode != Block);
  ASSERT_FALSE(view.calls.empty());
  EXPECT_EQ(view.calls.back(), "RepaintGrid");
  EXPECT_EQ(view.Count("RepaintGrid"), 1u);
  // Bars are shown by the click's repaint alone.
  if (c.mode != Block) {
    EXPECT_EQ(view.Count("InvalidateGrid"), 0u);
  }

  KvenGridMouseDown(p, e, view, c.col, c.row);
  ExpectDiagram(p, Flipped{});
}

const Flipped kNothing{};

INSTANTIATE_TEST_SUITE_P(
    Tables, GridEditClickTest,
    ::testing::Values(
        // No symmetry: a bar on the outer border does not exist.
        ClickCase{"None_HbarLastRow", 12, 12, 0, Hbar, 5, 12, kNothing},
        ClickCase{"None_VbarLastColumn", 12, 12, 0, Vbar, 12, 5, kNothing},
        ClickCase{"None_Hbar", 12, 12, 0, Hbar, 5, 3, {{}, {{5, 3}}, {}}},
        ClickCase{"None_BlockCorner", 12, 12, 0, Block, 12, 12, {{{12, 12}}, {}, {}}},
        // Twofold blocks.
        ClickCase{"Two12x12_Block_3_2", 12, 12, 2, Block, 3, 2, {{{3, 2}, {10, 11}}, {}, {}}},
        ClickCase{"Two12x12_Block_3_7", 12, 12, 2, Block, 3, 7, kNothing},
        ClickCase{"Two12x12_Block_12_6", 12, 12, 2, Block, 12, 6, {{{12, 6}, {1, 7}}, {}, {}}},
        ClickCase{"Two13x13_Block_Centre", 13, 13, 2, Block, 7, 7, {{{7, 7}}, {}, {}}},
        ClickCase{"Two13x13_Block_6_7", 13, 13, 2, Block, 6, 7, {{{6, 7}, {8, 7}}, {}, {}}},
        ClickCase{"Two13x13_Block_8_7", 13, 13, 2, Block, 8, 7, kNothing},
        ClickCase{"Two12x13_Block_6_7", 12, 13, 2, Block, 6, 7, {{{6, 7}, {7, 7}}, {}, {}}},
        ClickCase{"Two12x13_Block_7_7", 12, 13, 2, Block, 7, 7, kNothing},
        ClickCase{"Two13x12_Block_13_6", 13, 12, 2, Block, 13, 6, {{{13, 6}, {1, 7}}, {}, {}}},
        // Twofold bars, every parity.
        ClickCase{"Two12x12_Hbar_6_6", 12, 12, 2, Hbar, 6, 6, {{}, {{6, 6}, {7, 6}}, {}}},
        ClickCase{"Two12x12_Hbar_7_6", 12, 12, 2, Hbar, 7, 6, kNothing},
        ClickCase{"Two12x12_Hbar_3_5", 12, 12, 2, Hbar, 3, 5, {{}, {{3, 5}, {10, 7}}, {}}},
        ClickCase{"Two12x12_Vbar_3_6", 12, 12, 2, Vbar, 3, 6, {{}, {}, {{3, 6}, {9, 7}}}},
        ClickCase{"Two12x12_VbarLastColumn", 12, 12, 2, Vbar, 12, 3, kNothing},
        ClickCase{"Two13x12_Hbar_7_6", 13, 12, 2, Hbar, 7, 6, {{}, {{7, 6}}, {}}},
        ClickCase{"Two13x12_Hbar_6_6", 13, 12, 2, Hbar, 6, 6, {{}, {{6, 6}, {8, 6}}, {}}},
        ClickCase{"Two13x12_Hbar_8_6", 13, 12, 2, Hbar, 8, 6, kNothing},
        ClickCase{"Two13x12_Vbar_7_6", 13, 12, 2, Vbar, 7, 6, {{}, {}, {{7, 6}, {6, 7}}}},
        ClickCase{"Two12x13_Vbar_6_7", 12, 13, 2, Vbar, 6, 7, {{}, {}, {{6, 7}}}},
        ClickCase{"Two12x13_Vbar_7_7", 12, 13, 2, Vbar, 7, 7, kNothing},
        ClickCase{"Two12x13_Hbar_3_7", 12, 13, 2, Hbar, 3, 7, kNothing},
        ClickCase{"Two12x13_Hbar_12_7", 12, 13, 2, Hbar, 12, 7, kNothing},
        ClickCase{"Two12x13_Hbar_3_6", 12, 13, 2, Hbar, 3, 6, {{}, {{3, 6}, {10, 7}}, {}}},
        ClickCase{"Two13x13_Hbar_7_6", 13, 13, 2, Hbar, 7, 6, {{}, {{7, 6}, {7, 7}}, {}}},
        ClickCase{"Two13x13_Hbar_7_7", 13, 13, 2, Hbar, 7, 7, kNothing},
        ClickCase{"Two13x13_Vbar_6_7", 13, 13, 2, Vbar, 6, 7, {{}, {}, {{6, 7}, {7, 7}}}},
        ClickCase{"Two13x13_Vbar_7_7", 13, 13, 2, Vbar, 7, 7, kNothing},
        // Fourfold blocks: mirror images, on any size.
        ClickCase{"Four12x12_Block_2_3", 12, 12, 4, Block, 2, 3, {{{2, 3}, {11, 10}, {11, 3}, {2, 10}}, {}, {}}},
        ClickCase{"Four12x12_Block_7_3", 12, 12, 4, Block, 7, 3, kNothing},
        ClickCase{"Four12x12_Block_6_6", 12, 12, 4, Block, 6, 6, {{{6, 6}, {7, 7}, {7, 6}, {6, 7}}, {}, {}}},
        ClickCase{"Four13x13_Block_3_7", 13, 13, 4, Block, 3, 7, {{{3, 7}, {11, 7}}, {}, {}}},
        ClickCase{"Four13x13_Block_7_3", 13, 13, 4, Block, 7, 3, {{{7, 3}, {7, 11}}, {}, {}}},
        ClickCase{"Four13x13_Block_Centre", 13, 13, 4, Block, 7, 7, {{{7, 7}}, {}, {}}},
        ClickCase{"Four13x13_Block_8_3", 13, 13, 4, Block, 8, 3, kNothing},
        ClickCase{"Four13x12_Block_7_2", 13, 12, 4, Block, 7, 2, {{{7, 2}, {7, 11}}, {}, {}}},
        ClickCase{"Four13x12_Block_3_6", 13, 12, 4, Block, 3, 6, {{{3, 6}, {11, 7}, {11, 6}, {3, 7}}, {}, {}}},
        ClickCase{"Four12x13_Block_3_7", 12, 13, 4, Block, 3, 7, {{{3, 7}, {10, 7}}, {}, {}}},
        ClickCase{"Four30x5_Block_15_3", 30, 5, 4, Block, 15, 3, {{{15, 3}, {16, 3}}, {}, {}}},
        // Fourfold bars: quarter turns on square grids.
        ClickCase{"Four12x12_Hbar_2_3", 12, 12, 4, Hbar, 2, 3, {{}, {{2, 3}, {11, 9}}, {{9, 2}, {3, 11}}}},
        ClickCase{"Four12x12_Vbar_2_3", 12, 12, 4, Vbar, 2, 3, {{}, {{10, 2}, {3, 10}}, {{2, 3}, {10, 10}}}},
        ClickCase{"Four12x12_Hbar_7_3", 12, 12, 4, Hbar, 7, 3, kNothing},
        ClickCase{"Four13x13_Hbar_Centre", 13, 13, 4, Hbar, 7, 7, {{}, {{7, 6}, {7, 7}}, {{6, 7}, {7, 7}}}},
        ClickCase{"Four30x30_Hbar_15_15", 30, 30, 4, Hbar, 15, 15, {{}, {{15, 15}, {16, 15}}, {{15, 15}, {15, 16}}}},
        // Fourfold bars on grids whose sides differ are refused.
        ClickCase{"Four13x12_Hbar_2_3", 13, 12, 4, Hbar, 2, 3, kNothing},
        ClickCase{"Four12x13_Vbar_2_3", 12, 13, 4, Vbar, 2, 3, kNothing},
        ClickCase{"Four5x30_Hbar_3_15", 5, 30, 4, Hbar, 3, 15, kNothing},
        ClickCase{"Four30x5_Vbar_15_3", 30, 5, 4, Vbar, 15, 3, kNothing},
        // Any other symmetry value toggles nothing.
        ClickCase{"Three_Block", 12, 12, 3, Block, 2, 2, kNothing},
        ClickCase{"Three_Hbar", 12, 12, 3, Hbar, 2, 2, kNothing}),
    [](const ::testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Diagram kind

TEST(GridEditDiagramKindTest, BarClickOnBlockDiagramChangesNothingAndBlocksStillWork) {
  Puzzle p = FreshPuzzle(12, 12, 2);
  EditorState e;
  NullView view;
  e.EntryMode = Block;
  KvenGridMouseDown(p, e, view, 3, 2);
  for (std::int32_t mode : {Hbar, Vbar}) {
    e.EntryMode = mode;
    KvenGridMouseDown(p, e, view, 2, 2);
    EXPECT_TRUE(SetSquares(p, p.HBars).empty());
    EXPECT_TRUE(SetSquares(p, p.VBars).empty());
    EXPECT_TRUE(p.BlockDiagram);
    EXPECT_FALSE(p.BarDiagram);
  }
  e.EntryMode = Block;
  KvenGridMouseDown(p, e, view, 1, 1);
  EXPECT_EQ(SetSquares(p, p.Blocks), (std::vector<Square>{{1, 1}, {3, 2}, {10, 11}, {12, 12}}));
}

TEST(GridEditDiagramKindTest, BlockClickOnBarDiagramChangesNothing) {
  Puzzle p = FreshPuzzle(12, 12, 2);
  EditorState e;
  RecordingView view;
  e.EntryMode = Vbar;
  KvenGridMouseDown(p, e, view, 3, 2);
  view.calls.clear();
  e.EntryMode = Block;
  KvenGridMouseDown(p, e, view, 3, 2);
  EXPECT_TRUE(SetSquares(p, p.Blocks).empty());
  EXPECT_EQ(SetSquares(p, p.VBars), (std::vector<Square>{{3, 2}, {9, 11}}));
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_FALSE(p.BlockDiagram);
  // The refused click still repaints, and only that.
  EXPECT_EQ(view.calls, (std::vector<std::string>{"RepaintGrid"}));
}

TEST(GridEditDiagramKindTest, RemovingEveryBlockDoesNotFreeTheDiagramForBars) {
  Puzzle p = FreshPuzzle(12, 12, 4);
  EditorState e;
  NullView view;
  e.EntryMode = Block;
  KvenGridMouseDown(p, e, view, 2, 3);
  KvenGridMouseDown(p, e, view, 2, 3);
  ASSERT_TRUE(SetSquares(p, p.Blocks).empty());
  e.EntryMode = Hbar;
  KvenGridMouseDown(p, e, view, 2, 3);
  EXPECT_TRUE(SetSquares(p, p.HBars).empty());
  EXPECT_TRUE(SetSquares(p, p.VBars).empty());
  EXPECT_FALSE(p.BarDiagram);
}

TEST(GridEditDiagramKindTest, BlockClickOutsideTheRegionStillInvalidatesTheGrid) {
  Puzzle p = FreshPuzzle(12, 12, 2);
  RecordingView view;
  ToggleBlockSymmetric(p, view, 3, 7);
  EXPECT_TRUE(SetSquares(p, p.Blocks).empty());
  EXPECT_TRUE(p.BlockDiagram);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"InvalidateGrid"}));
}

// ---------------------------------------------------------------------------
// Dispatch

struct DispatchCase {
  std::string name;
  std::int32_t mode;
  bool block, hbar, vbar, cursorMoved, numbered;
};

void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.name; }

class GridEditDispatchTest : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(GridEditDispatchTest, CallsTheOperationOfTheMode) {
  const DispatchCase& c = GetParam();
  Puzzle p = FreshPuzzle(12, 12, 0);
  EditorState e;
  e.EntryMode = c.mode;
  RecordingView view;
  view.SetNumberFieldText("7");
  view.calls.clear();

  KvenGridMouseDown(p, e, view, 4, 5);

  EXPECT_EQ(p.Blocks(4, 5) != 0, c.block);
  EXPECT_EQ(p.HBars(4, 5) != 0, c.hbar);
  EXPECT_EQ(p.VBars(4, 5) != 0, c.vbar);
  EXPECT_EQ(e.CursorCol == 4 && e.CursorRow == 5, c.cursorMoved);
  EXPECT_EQ(p.Numbers(4, 5), c.numbered ? 7 : 0);
  EXPECT_EQ(view.Count("PaintCursorArrow 4 5 3"), c.cursorMoved ? 1u : 0u);
  ASSERT_FALSE(view.calls.empty());
  EXPECT_EQ(view.calls.back(), "RepaintGrid");
  EXPECT_EQ(view.Count("RepaintGrid"), 1u);
}

INSTANTIATE_TEST_SUITE_P(Modes, GridEditDispatchTest,
                         ::testing::Values(DispatchCase{"Block", Block, true, false, false, false, false},
                                           DispatchCase{"Hbar", Hbar, false, true, false, false, false},
                                           DispatchCase{"Vbar", Vbar, false, false, true, false, false},
                                           DispatchCase{"Solution", Solution, false, false, false, true, false},
                                           DispatchCase{"Manual", ManualNumber, false, false, false, false, true},
                                           DispatchCase{"Zero", 0, false, false, false, false, false},
                                           DispatchCase{"Three", 3, false, false, false, false, false},
                                           DispatchCase{"ThirtyTwo", 32, false, false, false, false, false}),
                         [](const ::testing::TestParamInfo<DispatchCase>& info) { return info.param.name; });

TEST(GridEditOutsideClickTest, ClickBesideTheSquaresDoesNothingAtAll) {
  for (std::int32_t mode : {Block, Hbar, Vbar, Solution, ManualNumber}) {
    Puzzle p = FreshPuzzle(12, 12, 4);
    EditorState e;
    e.EntryMode = mode;
    RecordingView view;
    for (auto [col, row] : std::vector<Square>{{0, 0}, {0, 5}, {5, 0}, {13, 5}, {5, 13}, {31, 1}, {-1, 2}}) {
      KvenGridMouseDown(p, e, view, col, row);
    }
    EXPECT_TRUE(view.calls.empty()) << "mode " << mode;
    EXPECT_FALSE(p.BlockDiagram || p.BarDiagram || p.ManualNumbered) << "mode " << mode;
    EXPECT_EQ(e.CursorCol, 1);
    EXPECT_EQ(e.CursorRow, 1);
  }
}

}  // namespace
}  // namespace kven
