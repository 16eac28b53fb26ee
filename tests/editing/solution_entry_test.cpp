#include "editing/solution_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "editing/symmetry.h"
#include "support/recording_view.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::RecordingView;
using test::Square;

// One key stroke per character: 'A'..'Z' and ' ' type, '\b' is backspace,
// "<^>v" are the arrow keys, '*' any other key.
KeyEvent KeyFor(char c) {
  const std::string named = " \b<^>v";
  const Key keys[] = {Key::Space, Key::Backspace, Key::Left, Key::Up, Key::Right, Key::Down};
  KeyEvent k;
  k.letter = c;
  const auto i = named.find(c);
  k.key = i != std::string::npos ? keys[i] : c >= 'A' && c <= 'Z' ? Key::Letter : Key::Other;
  return k;
}

// A grid in Solution mode. setup lists blocked squares ("#5,1") and squares
// that already hold a letter ("C2,2").
struct Session {
  Puzzle p;
  EditorState e;
  RecordingView view;

  Session(int h, int v, const std::string& setup = "") : p(test::FreshPuzzle(h, v, 0)) {
    std::istringstream in(setup);
    for (std::string item; in >> item;) {
      int col = 0, row = 0;
      std::sscanf(item.c_str() + 1, "%d,%d", &col, &row);
      if (item[0] == '#') p.Blocks(col, row) = 1;
      else p.Letters(col, row) = item[0];
    }
    e.EntryMode = EntryMode::Solution;
  }
  void Click(int col, int row) { KvenGridMouseDown(p, e, view, col, row); }
  void Type(const std::string& keys) {
    for (char c : keys) {
      KvenGridKeyDown(p, e, view, KeyFor(c));
      KvenGridKeyUp(p, e, view, KeyFor(c));
    }
  }
  Square Cursor() const { return {e.CursorCol, e.CursorRow}; }
  // The letters drawn, in order: "4,1=D 2,1=_" (_ is the blank mark).
  std::string Drawn() const {
    std::string out;
    for (const std::string& call : view.Matching("DrawLetter")) {
      int col = 0, row = 0;
      char ch = 0;
      std::sscanf(call.c_str(), "DrawLetter %d %d '%c'", &col, &row, &ch);
      out += (out.empty() ? "" : " ") + std::to_string(col) + "," + std::to_string(row) + "=" + (ch == ' ' ? '_' : ch);
    }
    return out;
  }
};

TEST(SolutionEntryStartTest, CursorGoesToFirstUnblockedSquareOfRowOne) {
  const struct { const char* setup; int col; } rows[] = {{"", 1}, {"#1,1 #2,1", 3}, {"Q1,1", 1}};
  for (const auto& c : rows) {
    Session s(12, 12, c.setup);
    s.e.Direction = Direction::Down;
    StartSolutionEntry(s.p, s.e, s.view);
    EXPECT_EQ(s.Cursor(), (Square{c.col, 1})) << c.setup;
    EXPECT_EQ(s.view.calls, std::vector<std::string>{"PaintCursorArrow " + std::to_string(c.col) + " 1 3"});
  }
  // A blocked first row of the widest grid leaves the cursor just right of it.
  Session s(30, 12);
  for (int col = 1; col <= 30; ++col) s.p.Blocks(col, 1) = 1;
  StartSolutionEntry(s.p, s.e, s.view);
  EXPECT_EQ(s.Cursor(), (Square{31, 1}));
  EXPECT_TRUE(s.view.calls.empty());
}

struct WalkRow {
  int h, v;
  const char* setup;
  Square click;
  const char* keys;
  Square end;
  const char* drawn;
};

TEST(SolutionEntryWalkTest, TypedLettersLandAndCursorMovesOn) {
  const WalkRow rows[] = {
      {12, 12, "", {1, 1}, "AB", {3, 1}, "1,1=A 2,1=B"},
      {12, 12, "#1,2 C2,2", {11, 1}, "XY", {3, 2}, "11,1=X 12,1=Y"},
      {12, 12, "C5,1", {4, 1}, "D", {6, 1}, "4,1=D"},
      {12, 12, "", {1, 1}, " A", {3, 1}, "1,1=_ 2,1=A"},
      {12, 12, "#2,1", {2, 1}, "A", {4, 1}, "3,1=A"},  // a blocked cursor square advances first
      {12, 12, "#5,1", {4, 11}, "vABC", {5, 3}, "4,11=A 4,12=B 5,2=C"},
      {12, 12, "", {2, 2}, "<ABC", {11, 1}, "2,2=A 1,2=B 12,1=C"},
      {12, 12, "", {3, 2}, "^ABC", {2, 11}, "3,2=A 3,1=B 2,12=C"},
      // Running off an edge; further letters are ignored.
      {5, 5, "", {4, 5}, "ABC", {1, 6}, "4,5=A 5,5=B"},
      {5, 5, "", {5, 4}, "vABC", {6, 1}, "5,4=A 5,5=B"},
      {12, 12, "", {2, 1}, "<ABC", {12, 0}, "2,1=A 1,1=B"},
      {12, 12, "", {1, 2}, "^ABC", {0, 12}, "1,2=A 1,1=B"},
      // Backspace blanks the square before, and the next letter goes there.
      {12, 12, "", {3, 1}, "\b", {2, 1}, "2,1=_"},
      {12, 12, "", {1, 2}, "\b", {12, 1}, "12,1=_"},
      {12, 12, "", {1, 1}, "\b", {12, 0}, ""},
      {12, 12, "#2,1", {3, 1}, "\b", {1, 1}, "1,1=_"},
      {12, 12, "", {1, 1}, "AB\bQ", {3, 1}, "1,1=A 2,1=B 2,1=_ 2,1=Q"},
  };
  for (const WalkRow& c : rows) {
    SCOPED_TRACE(::testing::Message() << "keys '" << c.keys << "' at " << c.click.first << "," << c.click.second);
    Session s(c.h, c.v, c.setup);
    s.e.Direction = Direction::Up;  // a click points the cursor across whatever it pointed before
    s.Click(c.click.first, c.click.second);
    s.view.calls.clear();
    s.Type(c.keys);
    EXPECT_EQ(s.Cursor(), c.end);
    EXPECT_EQ(s.Drawn(), c.drawn);
    EXPECT_EQ(s.p.HasSolution, *c.drawn != '\0');
    // After a letter the arrow shows where the next one goes; backspace draws none.
    const std::string arrow = "PaintCursorArrow " + std::to_string(c.end.first) + " " +
                              std::to_string(c.end.second) + " " + std::to_string(static_cast<int>(s.e.Direction));
    if (InGrid(s.p, c.end.first, c.end.second) && std::string(c.keys).back() != '\b') {
      EXPECT_EQ(s.view.calls.back(), arrow);
    } else {
      EXPECT_EQ(s.view.Count(arrow), 0u);
    }
  }
}

TEST(SolutionEntryClearTest, EveryOpenSquareIsBlankedSoTypingFindsNoFreeSquare) {
  Session s(12, 12, "#5,5");
  s.Click(1, 1);
  s.Type("XYZv");
  s.view.calls.clear();

  ClearLetters(s.p, s.e, s.view);

  EXPECT_EQ(s.view.Count("DrawLetter"), 143u);
  for (int row = 1; row <= 12; ++row) EXPECT_EQ(test::LetterRow(s.p, row), row == 5 ? "    .       " : "            ");
  EXPECT_FALSE(s.p.HasSolution);
  EXPECT_EQ(s.Cursor(), (Square{1, 1}));
  EXPECT_EQ(s.e.Direction, Direction::Down);

  s.Type(">AB");
  EXPECT_EQ(s.p.Letters(1, 1), 'A');
  EXPECT_EQ(s.p.Letters(2, 1), ' ');
  EXPECT_EQ(s.Cursor(), (Square{1, 13}));
  s.Click(4, 7);
  s.Type("C");
  EXPECT_EQ(s.p.Letters(4, 7), 'C');
  EXPECT_EQ(s.Cursor(), (Square{1, 13}));
}

TEST(SolutionEntryOtherModeTest, LettersAreIgnoredButArrowsSetDirectionUnlessCtrlOrAlt) {
  for (const EntryMode mode :
       {EntryMode::Block, EntryMode::Hbar, EntryMode::Vbar, EntryMode::ManualNumber, EntryMode{0}}) {
    SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(mode));
    Session s(12, 12);
    s.e.EntryMode = mode;
    s.Type("AB \b*");
    EXPECT_EQ(s.Drawn(), "");
    EXPECT_EQ(s.Cursor(), (Square{1, 1}));
    EXPECT_EQ(s.e.Direction, Direction::Right);
    s.Type("v");
    EXPECT_EQ(s.e.Direction, Direction::Down);
    EXPECT_EQ(s.view.calls.back(), "PaintCursorArrow 1 1 2");

    for (bool ctrl : {true, false}) {
      KeyEvent key = KeyFor('<');
      (ctrl ? key.ctrl : key.alt) = true;
      KvenGridKeyDown(s.p, s.e, s.view, key);
    }
    EXPECT_EQ(s.e.Direction, Direction::Down);
    // Off the grid the direction still changes, but no arrow is drawn.
    s.e.CursorRow = 13;
    s.view.calls.clear();
    s.Type("^");
    EXPECT_EQ(s.e.Direction, Direction::Up);
    EXPECT_TRUE(s.view.calls.empty());
  }
}

// Records BarWidth as it is when the view hears of the change, which must
// still be the old width so the view can wipe the old bars.
class WidthView : public test::RecordingView {
 public:
  explicit WidthView(const EditorState& e) : e_(e) {}
  void ChangeBarWidth(int oldWidth, int newWidth) override { seen.push_back({oldWidth, newWidth, e_.BarWidth}); }
  std::vector<std::array<int, 3>> seen;

 private:
  const EditorState& e_;
};

TEST(SolutionEntryBarWidthTest, CtrlBChangesWidthWithinLimitsInEveryMode) {
  const struct {
    EntryMode mode;
    int before;
    bool shift;
    int after;
  } rows[] = {{EntryMode::Solution, 2, false, 3},
              {EntryMode::Block, 6, false, 6},
              {EntryMode::Hbar, 1, true, 1},
              {EntryMode::Solution, 5, true, 4}};
  for (const auto& c : rows) {
    SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(c.mode) << " width " << c.before);
    Puzzle p = test::FreshPuzzle(12, 12, 0);
    EditorState e{.EntryMode = c.mode, .BarWidth = c.before};
    WidthView view(e);
    KeyEvent key = KeyFor('B');
    key.ctrl = true;
    key.shift = c.shift;
    KvenGridKeyDown(p, e, view, key);
    KvenGridKeyUp(p, e, view, key);
    EXPECT_EQ(e.BarWidth, c.after);
    ASSERT_EQ(view.seen.size(), 1u);
    EXPECT_EQ(view.seen[0], (std::array<int, 3>{c.before, c.after, c.before}));
    EXPECT_EQ(p.Letters(1, 1), '.');  // ctrl-B is no letter
  }
}

}  // namespace
}  // namespace kven
