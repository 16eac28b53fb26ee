#include "editing/solution_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "editing/symmetry.h"
#include "support/recording_view.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using testing::FreshPuzzle;
using testing::RecordingView;
using testing::Square;

struct LetterAt {
  int col, row;
  char ch;
};

KeyEvent KeyFor(char c) {
  KeyEvent k;
  if (c >= 'A' && c <= 'Z') {
    k.key = Key::Letter;
    k.letter = c;
  } else if (c == ' ') {
    k.key = Key::Space;
  } else if (c == '<') {
    k.key = Key::Backspace;
  }
  return k;
}

KeyEvent Arrow(Key key) {
  KeyEvent k;
  k.key = key;
  return k;
}

// A key stroke as the grid sees it: the press, then the release.
void Press(Puzzle& p, EditorState& e, GridView& view, const KeyEvent& key) {
  KvenGridKeyDown(p, e, view, key);
  KvenGridKeyUp(p, e, view, key);
}

// Letters are typed, ' ' is the space bar and '<' backspace.
void Type(Puzzle& p, EditorState& e, GridView& view, const std::string& keys) {
  for (char c : keys) Press(p, e, view, KeyFor(c));
}

struct Session {
  Puzzle p;
  EditorState e;
  RecordingView view;

  Session(int h, int v, const std::vector<Square>& blocks = {}) : p(FreshPuzzle(h, v, 0)) {
    for (auto [col, row] : blocks) p.Blocks(col, row) = 1;
    if (!blocks.empty()) p.BlockDiagram = true;
    e.EntryMode = Solution;
  }
  void Click(int col, int row) { KvenGridMouseDown(p, e, view, col, row); }
  Square Cursor() const { return {e.CursorCol, e.CursorRow}; }
};

// ---------------------------------------------------------------------------
// Start of Solution mode

struct StartCase {
  std::string name;
  int h;
  std::vector<Square> blocks;
  std::vector<LetterAt> filled;
  Square cursor;
  bool arrow;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class SolutionEntryStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(SolutionEntryStartTest, CursorGoesToFirstUnblockedSquareOfRowOne) {
  const StartCase& c = GetParam();
  Session s(c.h, 12, c.blocks);
  for (const LetterAt& l : c.filled) s.p.Letters(l.col, l.row) = l.ch;
  s.e.CursorCol = 4;
  s.e.CursorRow = 9;
  s.e.Direction = DirDown;

  StartSolutionEntry(s.p, s.e, s.view);

  EXPECT_EQ(s.Cursor(), c.cursor);
  EXPECT_EQ(s.e.Direction, DirRight);
  const std::string arrow =
      "PaintCursorArrow " + std::to_string(c.cursor.first) + " " + std::to_string(c.cursor.second) + " 3";
  EXPECT_EQ(s.view.calls, c.arrow ? std::vector<std::string>{arrow} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SolutionEntryStartTest,
    ::testing::Values(StartCase{"Empty", 12, {}, {}, {1, 1}, true},
                      StartCase{"TwoBlocks", 12, {{1, 1}, {2, 1}}, {}, {3, 1}, true},
                      StartCase{"FilledSquareIsNotSkipped", 12, {}, {{1, 1, 'Q'}}, {1, 1}, true},
                      StartCase{"WholeRowBlocked", 5, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}, {}, {6, 1}, false}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return info.param.name; });

TEST(SolutionEntryStartLimitTest, WholeRowOfThirtyBlockedStaysInsideTheArrays) {
  std::vector<Square> row;
  for (int col = 1; col <= 30; ++col) row.emplace_back(col, 1);
  Session s(30, 12, row);
  StartSolutionEntry(s.p, s.e, s.view);
  EXPECT_EQ(s.Cursor(), (Square{31, 1}));
  EXPECT_TRUE(s.view.calls.empty());
  Type(s.p, s.e, s.view, "A");
  EXPECT_EQ(s.view.Count("DrawLetter"), 0u);
}

// ---------------------------------------------------------------------------
// Cursor walks

struct WalkCase {
  std::string name;
  int h, v;
  std::vector<Square> blocks;
  std::vector<LetterAt> filled;
  Square start;
  Key direction;
  std::string typed;
  Square end;
  std::vector<LetterAt> letters;  // every letter drawn, in order
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class SolutionEntryWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(SolutionEntryWalkTest, TypedLettersLandAndCursorMovesOn) {
  const WalkCase& c = GetParam();
  Session s(c.h, c.v, c.blocks);
  for (const LetterAt& l : c.filled) s.p.Letters(l.col, l.row) = l.ch;
  s.Click(c.start.first, c.start.second);
  Press(s.p, s.e, s.view, Arrow(c.direction));
  s.view.calls.clear();

  Type(s.p, s.e, s.view, c.typed);

  EXPECT_EQ(s.Cursor(), c.end);
  std::vector<std::string> drawn;
  for (const LetterAt& l : c.letters) {
    EXPECT_EQ(s.p.Letters(l.col, l.row), l.ch) << l.col << "," << l.row;
    drawn.push_back("DrawLetter " + std::to_string(l.col) + " " + std::to_string(l.row) + " '" + l.ch + "'");
  }
  EXPECT_EQ(s.view.Matching("DrawLetter"), drawn);
  EXPECT_EQ(s.p.HasSolution, !c.letters.empty());
  // A cursor left on the grid shows its arrow; one that ran off shows none.
  const bool onGrid = InGrid(s.p, c.end.first, c.end.second);
  const std::string arrow = "PaintCursorArrow " + std::to_string(c.end.first) + " " +
                            std::to_string(c.end.second) + " " + std::to_string(s.e.Direction);
  if (onGrid) {
    ASSERT_FALSE(s.view.calls.empty());
    EXPECT_EQ(s.view.calls.back(), arrow);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Walks, SolutionEntryWalkTest,
    ::testing::Values(
        WalkCase{"AcrossFromStart", 12, 12, {}, {}, {1, 1}, Key::Right, "AB", {3, 1}, {{1, 1, 'A'}, {2, 1, 'B'}}},
        WalkCase{"AcrossWrapsSkippingBlockedAndFilled",
                 12,
                 12,
                 {{1, 2}},
                 {{2, 2, 'C'}},
                 {11, 1},
                 Key::Right,
                 "XYZ",
                 {4, 2},
                 {{11, 1, 'X'}, {12, 1, 'Y'}, {3, 2, 'Z'}}},
        WalkCase{"JumpsOverFilledSquare", 12, 12, {}, {{5, 1, 'C'}}, {4, 1}, Key::Right, "D", {6, 1}, {{4, 1, 'D'}}},
        WalkCase{"AcrossRunsOffBottom", 5, 5, {}, {}, {4, 5}, Key::Right, "ABC", {1, 6}, {{4, 5, 'A'}, {5, 5, 'B'}}},
        WalkCase{"DownWrapsToNextColumn",
                 12,
                 12,
                 {},
                 {},
                 {4, 11},
                 Key::Down,
                 "ABC",
                 {5, 2},
                 {{4, 11, 'A'}, {4, 12, 'B'}, {5, 1, 'C'}}},
        WalkCase{"DownSkipsBlocks", 12, 12, {{4, 2}, {4, 3}}, {}, {4, 1}, Key::Down, "AB", {4, 5},
                 {{4, 1, 'A'}, {4, 4, 'B'}}},
        WalkCase{"DownRunsOffRight", 5, 5, {}, {}, {5, 4}, Key::Down, "ABC", {6, 1}, {{5, 4, 'A'}, {5, 5, 'B'}}},
        WalkCase{"LeftWrapsToRowAbove",
                 12,
                 12,
                 {},
                 {},
                 {2, 2},
                 Key::Left,
                 "ABC",
                 {11, 1},
                 {{2, 2, 'A'}, {1, 2, 'B'}, {12, 1, 'C'}}},
        WalkCase{"LeftRunsOffTop", 12, 12, {}, {}, {2, 1}, Key::Left, "ABC", {12, 0}, {{2, 1, 'A'}, {1, 1, 'B'}}},
        WalkCase{"UpWrapsToColumnLeft",
                 12,
                 12,
                 {},
                 {},
                 {3, 2},
                 Key::Up,
                 "ABC",
                 {2, 11},
                 {{3, 2, 'A'}, {3, 1, 'B'}, {2, 12, 'C'}}},
        WalkCase{"UpRunsOffLeft", 12, 12, {}, {}, {1, 2}, Key::Up, "ABC", {0, 12}, {{1, 2, 'A'}, {1, 1, 'B'}}},
        WalkCase{"SpaceStoresBlankMarkAndAdvances", 12, 12, {}, {}, {1, 1}, Key::Right, " A", {3, 1},
                 {{1, 1, ' '}, {2, 1, 'A'}}},
        WalkCase{"ClickOnBlockThenLetter", 12, 12, {{2, 1}}, {}, {2, 1}, Key::Right, "A", {4, 1}, {{3, 1, 'A'}}},
        WalkCase{"BlockedCursorRunsOffBeforeLetter", 5, 5, {{5, 5}}, {}, {5, 5}, Key::Right, "A", {1, 6}, {}}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return info.param.name; });

TEST(SolutionEntryTypingTest, LetterInLastFreeSquareSendsCursorOffUntilAClick) {
  Session s(12, 12, {{6, 6}});
  for (int row = 1; row <= 12; ++row)
    for (int col = 1; col <= 12; ++col) s.p.Letters(col, row) = 'E';
  s.p.Letters(12, 12) = '.';
  s.Click(12, 12);
  Type(s.p, s.e, s.view, "AB");
  EXPECT_EQ(s.p.Letters(12, 12), 'A');
  EXPECT_EQ(s.Cursor(), (Square{1, 13}));
  EXPECT_EQ(s.view.Count("DrawLetter"), 1u);

  s.Click(3, 4);
  Type(s.p, s.e, s.view, "C");
  EXPECT_EQ(s.p.Letters(3, 4), 'C');
  EXPECT_EQ(s.Cursor(), (Square{1, 13}));
}

TEST(SolutionEntryTypingTest, ModifiersOnLetterKeys) {
  Session s(12, 12);
  s.Click(1, 1);
  KeyEvent key = KeyFor('A');
  key.ctrl = true;
  Press(s.p, s.e, s.view, key);
  key.ctrl = false;
  key.alt = true;
  Press(s.p, s.e, s.view, key);
  EXPECT_EQ(s.p.Letters(1, 1), '.');
  EXPECT_EQ(s.Cursor(), (Square{1, 1}));
  EXPECT_FALSE(s.p.HasSolution);

  key.alt = false;
  key.shift = true;
  Press(s.p, s.e, s.view, key);
  EXPECT_EQ(s.p.Letters(1, 1), 'A');
  EXPECT_EQ(s.Cursor(), (Square{2, 1}));
}

// ---------------------------------------------------------------------------
// Backspace

struct BackspaceCase {
  std::string name;
  std::vector<Square> blocks;
  Square start;
  Square end;
  bool blanks;  // the end square gets the blank mark
};

void PrintTo(const BackspaceCase& c, std::ostream* os) { *os << c.name; }

class SolutionEntryBackspaceTest : public ::testing::TestWithParam<BackspaceCase> {};

TEST_P(SolutionEntryBackspaceTest, StepsBackAndBlanks) {
  const BackspaceCase& c = GetParam();
  Session s(12, 12, c.blocks);
  s.Click(c.start.first, c.start.second);
  s.view.calls.clear();

  Press(s.p, s.e, s.view, KeyFor('<'));

  EXPECT_EQ(s.Cursor(), c.end);
  if (c.blanks) {
    EXPECT_EQ(s.p.Letters(c.end.first, c.end.second), ' ');
    // No arrow follows the blanked square.
    EXPECT_EQ(s.view.calls.back(),
              "DrawLetter " + std::to_string(c.end.first) + " " + std::to_string(c.end.second) + " ' '");
  }
  EXPECT_EQ(s.view.Count("DrawLetter"), c.blanks ? 1u : 0u);
  EXPECT_EQ(s.p.HasSolution, c.blanks);
}

INSTANTIATE_TEST_SUITE_P(
    Squares, SolutionEntryBackspaceTest,
    ::testing::Values(BackspaceCase{"WithinRow", {}, {3, 1}, {2, 1}, true},
                      BackspaceCase{"ToEndOfRowAbove", {}, {1, 2}, {12, 1}, true},
                      BackspaceCase{"OffTheFirstSquare", {}, {1, 1}, {12, 0}, false},
                      BackspaceCase{"OverBlock", {{2, 1}}, {3, 1}, {1, 1}, true},
                      BackspaceCase{"OverBlockAtRowEnd", {{12, 1}}, {1, 2}, {11, 1}, true},
                      // The blocked cursor square first advances to (3, 1).
                      BackspaceCase{"FromBlockedSquare", {{2, 1}}, {2, 1}, {1, 1}, true}),
    [](const ::testing::TestParamInfo<BackspaceCase>& info) { return info.param.name; });

TEST(SolutionEntryBackUpTest, NextLetterGoesIntoBlankedSquare) {
  Session s(12, 12);
  s.Click(1, 1);
  Type(s.p, s.e, s.view, "AB<Q");
  EXPECT_EQ(s.p.Letters(1, 1), 'A');
  EXPECT_EQ(s.p.Letters(2, 1), 'Q');
  EXPECT_EQ(s.Cursor(), (Square{3, 1}));
}

TEST(SolutionEntryBackUpTest, CalledFromAboveTheGridTouchesNothing) {
  Session s(12, 12);
  s.e.CursorCol = 12;
  s.e.CursorRow = 0;
  BackUpCursor(s.p, s.e, s.view);
  EXPECT_TRUE(s.view.calls.empty());
  EXPECT_FALSE(InGrid(s.p, s.e.CursorCol, s.e.CursorRow));
  EXPECT_FALSE(s.p.HasSolution);
}

// ---------------------------------------------------------------------------
// Clear

TEST(SolutionEntryClearTest, BlanksOpenSquaresAndLeavesNoFreeSquare) {
  Session s(12, 12, {{5, 5}});
  s.p.HBars(3, 3) = 1;
  s.p.Numbers(1, 1) = 1;
  s.Click(1, 1);
  Type(s.p, s.e, s.view, "XYZ");
  s.e.Direction = DirDown;
  s.e.CursorCol = 7;
  s.view.calls.clear();

  ClearLetters(s.p, s.e, s.view);

  EXPECT_EQ(s.view.Count("DrawLetter"), 143u);
  EXPECT_EQ(s.view.Count("PaintCursorArrow"), 0u);
  EXPECT_EQ(s.p.Letters(5, 5), '.');
  for (int row = 1; row <= 12; ++row) EXPECT_EQ(testing::LetterRow(s.p, row), row == 5 ? "    .       " : "            ");
  EXPECT_FALSE(s.p.HasSolution);
  EXPECT_EQ(s.Cursor(), (Square{1, 1}));
  EXPECT_EQ(s.e.Direction, DirDown);
  EXPECT_EQ(s.p.Blocks(5, 5), 1);
  EXPECT_EQ(s.p.HBars(3, 3), 1);
  EXPECT_EQ(s.p.Numbers(1, 1), 1);

  s.e.Direction = DirRight;
  Type(s.p, s.e, s.view, "AB");
  EXPECT_EQ(s.p.Letters(1, 1), 'A');
  EXPECT_EQ(s.p.Letters(2, 1), ' ');
  EXPECT_EQ(s.Cursor(), (Square{1, 13}));
  EXPECT_TRUE(s.p.HasSolution);

  s.Click(4, 7);
  Type(s.p, s.e, s.view, "C");
  EXPECT_EQ(s.p.Letters(4, 7), 'C');
  EXPECT_EQ(s.Cursor(), (Square{1, 13}));
}

// ---------------------------------------------------------------------------
// Keys in other modes, modifiers and arrow drawing

class SolutionEntryOtherModeTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(SolutionEntryOtherModeTest, LettersAreIgnoredAndArrowsStillSetDirection) {
  Session s(12, 12);
  s.e.EntryMode = GetParam();
  Type(s.p, s.e, s.view, "AB <");
  EXPECT_EQ(s.view.Count("DrawLetter"), 0u);
  EXPECT_EQ(testing::LetterRow(s.p, 1), "............");
  EXPECT_EQ(s.Cursor(), (Square{1, 1}));
  EXPECT_FALSE(s.p.HasSolution);

  s.view.calls.clear();
  KvenGridKeyDown(s.p, s.e, s.view, Arrow(Key::Down));
  EXPECT_EQ(s.e.Direction, DirDown);
  EXPECT_EQ(s.view.calls, (std::vector<std::string>{"PaintCursorArrow 1 1 2"}));
}

INSTANTIATE_TEST_SUITE_P(Modes, SolutionEntryOtherModeTest, ::testing::Values(Block, Hbar, Vbar, ManualNumber, 0, 3));

TEST(SolutionEntryKeyDownTest, ArrowsSetDirectionUnlessCtrlOrAlt) {
  Session s(12, 12);
  const std::vector<std::pair<Key, std::uint8_t>> arrows = {
      {Key::Left, DirLeft}, {Key::Up, DirUp}, {Key::Down, DirDown}, {Key::Right, DirRight}};
  for (auto [key, dir] : arrows) {
    KvenGridKeyDown(s.p, s.e, s.view, Arrow(key));
    EXPECT_EQ(s.e.Direction, dir);
  }
  KvenGridKeyDown(s.p, s.e, s.view, Arrow(Key::Other));
  EXPECT_EQ(s.e.Direction, DirRight);
  EXPECT_EQ(s.view.calls.back(), "PaintCursorArrow 1 1 3");

  s.view.calls.clear();
  KeyEvent key = Arrow(Key::Up);
  key.ctrl = true;
  KvenGridKeyDown(s.p, s.e, s.view, key);
  key.ctrl = false;
  key.alt = true;
  KvenGridKeyDown(s.p, s.e, s.view, key);
  EXPECT_EQ(s.e.Direction, DirRight);
  EXPECT_TRUE(s.view.calls.empty());
}

TEST(SolutionEntryKeyDownTest, NoArrowOnBlockedSquareOrOffTheGrid) {
  Session s(12, 12, {{2, 2}});
  s.e.CursorCol = 2;
  s.e.CursorRow = 2;
  KvenGridKeyDown(s.p, s.e, s.view, Arrow(Key::Down));
  EXPECT_EQ(s.e.Direction, DirDown);
  s.e.CursorCol = 1;
  s.e.CursorRow = 13;
  KvenGridKeyDown(s.p, s.e, s.view, Arrow(Key::Left));
  EXPECT_EQ(s.e.Direction, DirLeft);
  EXPECT_TRUE(s.view.calls.empty());
}

// ---------------------------------------------------------------------------
// Bar width

// Records the editor's width at the moment the view is told of the change.
class WidthView : public GridView {
 public:
  explicit WidthView(const EditorState& e) : e_(e) {}
  void ChangeBarWidth(int oldWidth, int newWidth) override {
    seen.push_back({oldWidth, newWidth, e_.BarWidth});
  }
  std::vector<std::array<int, 3>> seen;

 private:
  const EditorState& e_;
};

struct WidthCase {
  std::int32_t mode;
  int before;
  bool shift;
  int after;
};

class SolutionEntryBarWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(SolutionEntryBarWidthTest, CtrlBChangesWidthWithinLimits) {
  const WidthCase& c = GetParam();
  Puzzle p = FreshPuzzle(12, 12, 0);
  EditorState e;
  e.EntryMode = c.mode;
  e.BarWidth = c.before;
  WidthView view(e);
  KeyEvent key = KeyFor('B');
  key.ctrl = true;
  key.shift = c.shift;

  Press(p, e, view, key);

  EXPECT_EQ(e.BarWidth, c.after);
  ASSERT_EQ(view.seen.size(), 1u);
  EXPECT_EQ(view.seen[0], (std::array<int, 3>{c.before, c.after, c.before}));
  // ctrl-B enters no letter and leaves the cursor where it was.
  EXPECT_EQ(p.Letters(1, 1), '.');
  EXPECT_FALSE(p.HasSolution);
  EXPECT_EQ(e.CursorCol, 1);
  EXPECT_EQ(e.CursorRow, 1);
}

INSTANTIATE_TEST_SUITE_P(Widths, SolutionEntryBarWidthTest,
                         ::testing::Values(WidthCase{Solution, 2, false, 3}, WidthCase{Solution, 5, true, 4},
                                           WidthCase{Block, 6, false, 6}, WidthCase{Hbar, 1, true, 1},
                                           WidthCase{ManualNumber, 3, true, 2}, WidthCase{Vbar, 5, false, 6},
                                           WidthCase{0, 2, true, 1}));

TEST(SolutionEntryBarKeyTest, PlainBAndAltBChangeNothing) {
  Puzzle p = FreshPuzzle(12, 12, 0);
  EditorState e;
  e.EntryMode = Block;
  WidthView view(e);
  KeyEvent key = KeyFor('B');
  Press(p, e, view, key);
  key.alt = true;
  Press(p, e, view, key);
  EXPECT_TRUE(view.seen.empty());
  EXPECT_EQ(e.BarWidth, 2);
}

// ---------------------------------------------------------------------------
// PlaceCursor and cursors off the grid

TEST(SolutionEntryPlaceCursorTest, WipesOldArrowAndDrawsNewOne) {
  Session s(12, 12);
  s.e.CursorCol = 2;
  s.e.CursorRow = 3;
  s.e.Direction = DirUp;
  PlaceCursor(s.p, s.e, s.view, 5, 6);
  EXPECT_EQ(s.view.calls, (std::vector<std::string>{"ClearLetterArea 2 3", "PaintCursorArrow 5 6 3"}));
  EXPECT_EQ(s.Cursor(), (Square{5, 6}));
  EXPECT_EQ(s.e.Direction, DirRight);
}

bool CallInGrid(const Puzzle& p, const std::string& call) {
  int col = 0, row = 0;
  for (const char* name : {"ClearLetterArea %d %d", "PaintCursorArrow %d %d", "DrawLetter %d %d"})
    if (std::sscanf(call.c_str(), name, &col, &row) == 2) return InGrid(p, col, row);
  return true;
}

TEST(SolutionEntryOffGridTest, NothingReachesSquaresOutsideTheGrid) {
  const std::vector<Square> outside = {{12, 0}, {0, 12}, {1, 13}, {13, 1}, {40, 40}, {-5, 3}, {0, 0}, {31, 31}};
  for (auto [col, row] : outside) {
    for (std::uint8_t dir : {DirUp, DirLeft, DirDown, DirRight, std::uint8_t{9}}) {
      Session s(12, 12, {{1, 1}});
      s.e.CursorCol = col;
      s.e.CursorRow = row;
      s.e.Direction = dir;
      AdvanceCursor(s.p, s.e, s.view);
      s.e.CursorCol = col;
      s.e.CursorRow = row;
      BackUpCursor(s.p, s.e, s.view);
      s.e.CursorCol = col;
      s.e.CursorRow = row;
      Type(s.p, s.e, s.view, "A <");
      PlaceCursor(s.p, s.e, s.view, 3, 3);
      for (const std::string& call : s.view.calls) EXPECT_TRUE(CallInGrid(s.p, call)) << call;
      EXPECT_EQ(s.view.calls.back(), "PaintCursorArrow 3 3 3");
    }
  }
}

TEST(SolutionEntryOffGridTest, UnknownDirectionTakesNoStep) {
  Session s(12, 12);
  s.e.CursorCol = 2;
  s.e.CursorRow = 2;
  s.e.Direction = 7;
  AdvanceCursor(s.p, s.e, s.view);
  EXPECT_EQ(s.Cursor(), (Square{2, 2}));
  EXPECT_EQ(s.view.calls, (std::vector<std::string>{"PaintCursorArrow 2 2 7"}));
}

}  // namespace
}  // namespace kven
