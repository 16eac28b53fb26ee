#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/numbering.h"
#include "support/recording_view.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::FreshPuzzle;
using test::RecordingView;
using Grid = std::vector<std::vector<int>>;  // rows of numbers

Grid NumberRows(const Puzzle& p) {
  Grid g;
  for (int r = 1; r <= p.VSquares; ++r) {
    g.emplace_back();
    for (int c = 1; c <= p.HSquares; ++c) g.back().push_back(p.Numbers(c, r));
  }
  return g;
}

std::vector<int> List(const std::array<std::int32_t, MaxEntries + 1>& a, int count) {
  return std::vector<int>(a.begin() + 1, a.begin() + 1 + count);
}

TEST(AutoNumber, BlockExample) {
  Puzzle p = FreshPuzzle(5, 5, 0);
  NullGridView view;
  AutoNumber(p, view);  // no kind yet: block rules number, but no list is built
  EXPECT_EQ(NumberRows(p), (Grid{{1, 2, 3, 4, 5}, {6, 0, 0, 0, 0}, {7, 0, 0, 0, 0}, {8, 0, 0, 0, 0}, {9, 0, 0, 0, 0}}));
  EXPECT_EQ(p.AcrossCount + p.DownCount, 0);
  p = test::ExampleBlocks(0);
  AutoNumber(p, view);
  EXPECT_EQ(NumberRows(p), (Grid{{1, 0, 2, 0, 0}, {0, 0, 0, 0, 3}, {4, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 5, 0, 0, 0}}));
  EXPECT_EQ(List(p.AcrossNumbers, p.AcrossCount), (std::vector<int>{1, 4, 5}));
  EXPECT_EQ(List(p.DownNumbers, p.DownCount), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(p.AutoNumbered);
  EXPECT_EQ(p.AcrossNumbers[4], 0);
}

TEST(AutoNumber, BarExample) {
  Puzzle p = test::ExampleBars();
  RecordingView view;
  AutoNumber(p, view);
  EXPECT_EQ(NumberRows(p),
            (Grid{{1, 2, 3, 4, 5}, {6, 0, 0, 0, 0}, {7, 0, 0, 8, 0}, {9, 0, 0, 10, 0}, {11, 0, 0, 0, 0}}));
  EXPECT_EQ(List(p.AcrossNumbers, p.AcrossCount), (std::vector<int>{1, 3, 6, 7, 8, 9, 11}));
  EXPECT_EQ(List(p.DownNumbers, p.DownCount), (std::vector<int>{1, 2, 3, 4, 5, 7, 10}));
  // Every square is erased first, then numbered squares painted.
  EXPECT_EQ(view.calls[0], "PaintNumber 1 1 0");
  EXPECT_EQ(view.calls[1], "PaintNumber 1 1 1");
  EXPECT_EQ(view.Count("PaintNumber"), 25u + 11u);
}

// A text whose diagram line names both keywords reads as a diagram of both
// kinds: its numbers and its lists follow one rule, so each number that
// starts an entry stands once in each list it belongs to.
TEST(AutoNumber, BothKindsNumberAndListByOneRule) {
  Puzzle p = test::Decoded({"KVEN   0   5   5", "BLK HBR Z", "VBR Z"});
  ASSERT_TRUE(p.BlockDiagram && p.BarDiagram);
  EXPECT_EQ(NumberRows(p), (Grid{{1, 2, 3, 4, 5}, {6, 0, 0, 0, 0}, {7, 0, 0, 0, 0}, {8, 0, 0, 0, 0}, {9, 0, 0, 0, 0}}));
  EXPECT_EQ(List(p.AcrossNumbers, p.AcrossCount), (std::vector<int>{1, 6, 7, 8, 9}));
  EXPECT_EQ(List(p.DownNumbers, p.DownCount), (std::vector<int>{1, 2, 3, 4, 5}));
}

// Numbers given by hand and automatic numbering: whichever came last, one
// flag says the kind, and hand numbering once given stays the kind.
TEST(NumberingKind, OneFlagSaysTheKind) {
  struct Case {
    const char* steps;
    NumberingKind kind;
  };
  const Case cases[] = {{"auto, then a number by hand", NumberingKind::Manual},
                        {"auto, then a text with MN read over it", NumberingKind::Manual},
                        {"a number by hand, then auto", NumberingKind::Manual},
                        {"auto alone", NumberingKind::Auto}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    const std::string steps = c.steps;
    Puzzle p = test::ExampleBlocks(0);
    EditorState e;
    NullView view;
    if (steps.starts_with("a number")) EnterManualNumber(p, e, view, 1, 1);
    AutoNumber(p, view.Grid());
    if (steps.ends_with("by hand")) EnterManualNumber(p, e, view, 1, 1);
    if (steps.find("MN") != std::string::npos)
      test::DecodeLines(p, {"KVEN 0 5 5", "BLK 5 Z", "MN", "1 2 3 4 0", "5", "6", "7", "8"});
    EXPECT_EQ(NumberingKindOf(p), c.kind);
    EXPECT_EQ(std::pair(p.AutoNumbered, p.ManualNumbered),
              std::pair(c.kind == NumberingKind::Auto, c.kind == NumberingKind::Manual));
  }
}

struct StartCase {
  const char* name;
  std::vector<std::pair<int, int>> blocks;
  int col, row;
  bool across, down;
};

TEST(StartsBlocks, Rules) {
  const std::vector<StartCase> cases = {
      {"single between blocks", {{2, 3}, {4, 3}}, 3, 3, false, false},
      {"last column after block", {{4, 2}}, 5, 2, false, false},
      {"last row below block", {{2, 4}}, 2, 5, false, false},
      {"right of block", {{1, 2}}, 2, 2, true, false},
      {"below block", {{3, 1}}, 3, 2, false, true},
      {"left edge blocked right", {{2, 4}}, 1, 4, false, false},
  };
  for (const StartCase& c : cases) {
    Puzzle p = FreshPuzzle(5, 5, 0);
    for (auto [bc, br] : c.blocks) p.Blocks(bc, br) = 1;
    EXPECT_EQ(StartsAcrossBlocks(p, c.col, c.row), c.across) << c.name;
    EXPECT_EQ(StartsDownBlocks(p, c.col, c.row), c.down) << c.name;
  }
}

TEST(StartsBars, Rules) {
  Puzzle p = FreshPuzzle(5, 5, 0);
  p.VBars(2, 3) = 1;  // bar left of (3,3)
  p.VBars(3, 3) = 1;  // and right of it
  EXPECT_FALSE(StartsAcrossBars(p, 3, 3));
  p.VBars(3, 3) = 0;
  EXPECT_TRUE(StartsAcrossBars(p, 3, 3));
  p.VBars(1, 2) = 1;
  EXPECT_FALSE(StartsAcrossBars(p, 1, 2));
  EXPECT_FALSE(StartsAcrossBars(p, 5, 1));
  p.HBars(4, 1) = 1;
  EXPECT_FALSE(StartsDownBars(p, 4, 1));
  EXPECT_TRUE(StartsDownBars(p, 4, 2));
  EXPECT_FALSE(StartsDownBars(p, 4, 5));
}

TEST(AutoNumber, ListsEveryEntryOfAFullThirtyByThirty) {
  // 30 x 30 with a bar right of every odd column: 14 across entries a row.
  Puzzle p = FreshPuzzle(30, 30, 0);
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c < 30; c += 2) p.VBars(c, r) = 1;
  p.BarDiagram = true;
  NullGridView view;
  EXPECT_NO_THROW(AutoNumber(p, view));
  EXPECT_EQ(p.AcrossCount, 420);
  EXPECT_EQ(p.DownCount, 30);
  EXPECT_EQ(p.AcrossNumbers[1], 2);  // [2,1]: numbers 1 and 2 start the down entries of columns 1 and 2
  EXPECT_EQ(p.AcrossNumbers[420], p.Numbers(28, 30));
  EXPECT_NE(p.Numbers(28, 30), 0);

  // Exactly 100 across entries do not overflow.
  Puzzle q = FreshPuzzle(20, 30, 0);
  q.BlockDiagram = true;
  for (int r = 1; r <= 20; ++r)
    for (int c = 3; c <= 18; c += 4) q.Blocks(c, r) = 1;  // 5 entries in each of 20 rows
  for (int r = 21; r <= 30; ++r)
    for (int c = 2; c <= 20; c += 2) q.Blocks(c, r) = 1;  // no across entries below
  EXPECT_NO_THROW(AutoNumber(q, view));
  EXPECT_EQ(q.AcrossCount, 100);
}

struct FieldCase {
  std::string text;
  int want;
};

TEST(ReadNumberFieldText, ProgramIntegerReader) {
  const std::vector<FieldCase> cases = {
      {"1", 1},        {"", 0},          {"12a", 12},      {"-3", -3},       {"-3x", 3},
      {"  +7", 7},     {"$1F", 31},      {"$ff", 255},     {"-$10", -16},    {"$", 0},
      {"abc", 0},      {" 0", 0},        {"99999999999", 2147483647},      {"007", 7},
      {"$FFFFFFFFFF", 2147483647},
  };
  for (const FieldCase& c : cases) EXPECT_EQ(ReadNumberFieldText(c.text), c.want) << "'" << c.text << "'";
}

TEST(EnterManualNumber, StoresPaintsAndAdvancesTheField) {
  struct Case {
    std::string field;
    int stored;
    std::string next;
    bool painted;
  };
  for (const Case& c : {Case{"1", 1, "2", true}, Case{"0", 0, "1", true}, Case{"12a", 12, "13", true},
                        Case{"-3", -3, "-2", true}, Case{"2147483647", 2147483647, "2147483647", true}}) {
    Puzzle p = FreshPuzzle();
    EditorState e;
    e.CursorCol = 4;
    e.CursorRow = 5;
    RecordingView view;
    view.SetNumberFieldText(c.field);
    view.calls.clear();
    EnterManualNumber(p, e, view, 2, 3);
    EXPECT_TRUE(p.ManualNumbered);
    EXPECT_EQ(p.Numbers(2, 3), c.stored) << c.field;
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearLetterArea 4 5", "NumberFieldText",
                                                    "PaintNumber 2 3 " + std::to_string(c.stored),
                                                    "SetNumberFieldText '" + c.next + "'"}))
        << c.field;
  }
}

}  // namespace
}  // namespace kven
