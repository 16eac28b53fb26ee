#include <gtest/gtest.h>

#include "model/puzzle.h"
#include "support/recording_view.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::FreshPuzzle;
using test::RecordingView;
using test::SetSquares;
using test::Square;

struct SizeCase {
  int h, v;
  int wantH, wantV, oddFlags, halfH, halfV;
};

class ResetSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ResetSizes, ClampsAndDerives) {
  const SizeCase c = GetParam();
  Puzzle p = FreshPuzzle();
  p.HSquares = c.h;
  p.VSquares = c.v;
  NullView view;
  ResetPuzzle(p, view);
  EXPECT_EQ(p.HSquares, c.wantH);
  EXPECT_EQ(p.VSquares, c.wantV);
  EXPECT_EQ(OddFlags(p), c.oddFlags);
  EXPECT_EQ(HalfH(p), c.halfH);
  EXPECT_EQ(HalfV(p), c.halfV);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResetSizes,
                         ::testing::Values(SizeCase{0, -4, 5, 5, 3, 3, 3}, SizeCase{3, 31, 5, 30, 1, 3, 15},
                                           SizeCase{999, 12, 30, 12, 0, 15, 6}, SizeCase{13, 13, 13, 13, 3, 7, 7},
                                           SizeCase{12, 13, 12, 13, 2, 6, 7}, SizeCase{12, 12, 12, 12, 0, 6, 6},
                                           SizeCase{-2147483647 - 1, 2147483647, 5, 30, 1, 3, 15}));

TEST(ResetPuzzle, ClearsEveryElementWhateverTheSize) {
  Puzzle p = FreshPuzzle(30, 30);
  NullView view;
  p.Blocks.Fill(1);
  p.HBars.Fill(1);
  p.VBars.Fill(1);
  p.Letters.Fill('Q');
  p.Numbers.Fill(7);
  p.Title = "Old";
  p.Symmetry = 4;
  p.BarDiagram = true;
  p.AutoNumbered = true;
  p.HSquares = 5;
  p.VSquares = 5;
  ResetPuzzle(p, view);
  for (int c = 1; c <= 30; ++c)
    for (int r = 1; r <= 30; ++r)
      ASSERT_TRUE(p.Blocks(c, r) == 0 && p.HBars(c, r) == 0 && p.VBars(c, r) == 0 &&
                  p.Letters(c, r) == '.' && p.Numbers(c, r) == 0)
          << c << "," << r;
  EXPECT_EQ(p.Title, "");
  // What a reset does not touch.
  EXPECT_EQ(p.Symmetry, 4);
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_TRUE(p.AutoNumbered);
}

TEST(ResetPuzzle, TellsTheWindowItsStepsInOrder) {
  Puzzle p = FreshPuzzle();
  p.HSquares = 13;
  p.VSquares = 25;
  RecordingView view;
  ResetPuzzle(p, view);
  const std::vector<std::string> want = {"SetBrushWhite",
                                         "SetSquareCount 13 25",
                                         "FitWindowToGrid 13 25",
                                         "ShowSize 13 25",
                                         "EnableFourfold",
                                         "WithdrawFourfoldUnlessBlockChecked",
                                         "FillSquaresWhite",
                                         "SetTitleField ''",
                                         "HideNumberEntry"};
  EXPECT_EQ(view.calls, want);
}

TEST(ResetPuzzle, EvenSizeKeepsFourfold) {
  Puzzle p = FreshPuzzle();
  RecordingView view;
  ResetPuzzle(p, view);
  EXPECT_EQ(view.Count("WithdrawFourfold"), 0u);
  EXPECT_EQ(view.IndexOf("SetSquareCount 12 12"), 1);
}

TEST(Toggles, BarsOnTheBorderSetOnlyTheKind) {
  Puzzle p = FreshPuzzle(12, 12);
  p.BlockDiagram = true;
  ToggleHBar(p, 4, 12);
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_FALSE(p.BlockDiagram);
  EXPECT_TRUE(SetSquares(p, p.HBars).empty());

  p.BlockDiagram = true;
  ToggleVBar(p, 12, 4);
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_FALSE(p.BlockDiagram);
  EXPECT_TRUE(SetSquares(p, p.VBars).empty());
}

TEST(Toggles, TwiceRestoresAndBlockInvalidates) {
  Puzzle p = FreshPuzzle();
  RecordingView view;
  p.BarDiagram = true;
  ToggleBlock(p, view, 0, 3);  // a zero index changes nothing, not even the kind
  ToggleBlock(p, view, 3, 0);
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_TRUE(view.calls.empty());
  ToggleBlock(p, view, 3, 4);
  EXPECT_EQ(SetSquares(p, p.Blocks), (std::vector<Square>{{3, 4}}));
  EXPECT_TRUE(p.BlockDiagram);
  ToggleBlock(p, view, 3, 4);
  EXPECT_TRUE(SetSquares(p, p.Blocks).empty());
  EXPECT_EQ(view.calls, (std::vector<std::string>{"InvalidateGrid", "InvalidateGrid"}));

  ToggleHBar(p, 2, 2);
  ToggleVBar(p, 5, 6);
  EXPECT_EQ(SetSquares(p, p.HBars), (std::vector<Square>{{2, 2}}));
  EXPECT_EQ(SetSquares(p, p.VBars), (std::vector<Square>{{5, 6}}));
  EXPECT_FALSE(p.BlockDiagram);
  ToggleHBar(p, 2, 2);
  ToggleVBar(p, 5, 6);
  EXPECT_TRUE(SetSquares(p, p.HBars).empty());
  EXPECT_TRUE(SetSquares(p, p.VBars).empty());
}

TEST(SquareNumbers, ConvertBothWays) {
  Puzzle p = FreshPuzzle(12, 12);
  struct Case {
    int n, col, row;
  };
  for (const Case c : {Case{1, 1, 1}, Case{12, 12, 1}, Case{13, 1, 2}, Case{144, 12, 12}}) {
    EXPECT_EQ(SquareNumber(p, c.col, c.row), c.n);
    int col = 0, row = 0;
    ASSERT_TRUE(SquareFromNumber(p, c.n, col, row));
    EXPECT_EQ(col, c.col);
    EXPECT_EQ(row, c.row);
  }
  int col = -1, row = -1;
  for (int bad : {0, -1, 145, 900, 2147483647}) EXPECT_FALSE(SquareFromNumber(p, bad, col, row)) << bad;
  EXPECT_EQ(col, -1);
}

TEST(NewPuzzle, ClearsFlagsButKeepsBarWidthAndCursor) {
  Puzzle p = FreshPuzzle(20, 8, 4);
  EditorState e;
  e.BarWidth = 5;
  e.CursorCol = 7;
  e.CursorRow = 3;
  e.Direction = Direction::Down;
  e.EntryMode = EntryMode::Solution;
  p.BlockDiagram = p.BarDiagram = p.AutoNumbered = p.ManualNumbered = p.HasSolution = true;
  p.AcrossCount = 5;
  p.AcrossNumbers[1] = 9;
  e.NextNumber = 40;
  RecordingView view;
  NewPuzzle(p, e, view);
  EXPECT_EQ(p.HSquares, 12);
  EXPECT_EQ(p.VSquares, 12);
  EXPECT_EQ(p.Symmetry, 2);
  EXPECT_FALSE(p.BlockDiagram || p.BarDiagram || p.AutoNumbered || p.ManualNumbered || p.HasSolution);
  EXPECT_EQ(p.AcrossCount, 0);
  EXPECT_EQ(p.AcrossNumbers[1], 9);  // the entries stay; only the counts are cleared
  EXPECT_EQ(e.NextNumber, 1);
  EXPECT_EQ(e.BarWidth, 5);
  EXPECT_EQ(e.CursorCol, 7);
  EXPECT_EQ(e.CursorRow, 3);
  EXPECT_EQ(e.Direction, Direction::Right);
  EXPECT_EQ(e.EntryMode, EntryMode::Hbar);
}

// The open squares still to be filled: blocks need no letter, blanks and
// squares without a mark count, squares beyond the grid do not.
TEST(SquaresWithoutLetter, CountsOpenSquaresWithoutALetter) {
  const struct {
    std::vector<std::string> rows;
    int missing;
  } cases[] = {
      {{"CLASP", "R.H.E", "AVERT", "N.E.E", "ESTER"}, 0},
      {{"CLASP", "R.H.E", "AV RT", "N.E.E", "ESTER"}, 1},
      {{"....P", "R.H.E", "AVERT", "N.E.E", "ESTER"}, 4},
  };
  for (const auto& c : cases) {
    Puzzle p = test::ExampleBlocks(Twofold);  // blocks at [2,2], [4,2], [2,4], [4,4], [5,1], [1,5]
    p.Blocks(5, 1) = p.Blocks(1, 5) = 0;
    test::SetLetters(p, c.rows);
    p.Letters(6, 1) = '.';  // beyond the grid
    EXPECT_EQ(SquaresWithoutLetter(p), c.missing) << c.rows[0] << " " << c.rows[2];
  }
}

}  // namespace
}  // namespace kven
