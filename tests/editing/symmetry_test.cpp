#include "editing/symmetry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_view.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::FreshPuzzle;
using test::RecordingView;

// The set blocks, horizontal and vertical bars in reading order: "B3,2 B10,11 H2,3 V9,2".
std::string Diagram(const Puzzle& p) {
  std::string out;
  auto add = [&](char tag, const SquareArray<std::uint8_t>& flags) {
    for (auto [col, row] : test::SetSquares(p, flags))
      out += (out.empty() ? "" : " ") + std::string(1, tag) + std::to_string(col) + "," + std::to_string(row);
  };
  add('B', p.Blocks);
  add('H', p.HBars);
  add('V', p.VBars);
  return out;
}

struct ClickRow {
  int h, v, symmetry;
  EntryMode mode;
  int col, row;
  const char* flipped;
};

TEST(GridEditClickTest, FlipsExactlyThePartnersAndADoubleClickRestores) {
  const ClickRow rows[] = {
      // No symmetry: a bar on the outer border does not exist.
      {12, 12, 0, EntryMode::Hbar, 5, 12, ""}, {12, 12, 0, EntryMode::Vbar, 12, 5, ""},
      // Twofold: the top half is entered; on the centre line only the left half.
      {12, 12, 2, EntryMode::Block, 3, 2, "B3,2 B10,11"}, {12, 12, 2, EntryMode::Block, 3, 7, ""}, {12, 12, 2, EntryMode::Block, 12, 6, "B12,6 B1,7"},
      {12, 12, 2, EntryMode::Hbar, 7, 6, ""}, {12, 12, 2, EntryMode::Vbar, 3, 6, "V3,6 V9,7"},
      {13, 13, 2, EntryMode::Block, 7, 7, "B7,7"}, {13, 13, 2, EntryMode::Block, 6, 7, "B6,7 B8,7"}, {13, 13, 2, EntryMode::Block, 8, 7, ""},
      {13, 13, 2, EntryMode::Vbar, 7, 7, ""},
      {13, 12, 2, EntryMode::Hbar, 7, 6, "H7,6"}, {13, 12, 2, EntryMode::Hbar, 6, 6, "H6,6 H8,6"}, {13, 12, 2, EntryMode::Hbar, 8, 6, ""},
      {13, 12, 2, EntryMode::Vbar, 7, 6, "V7,6 V6,7"},
      {12, 13, 2, EntryMode::Vbar, 6, 7, "V6,7"}, {12, 13, 2, EntryMode::Hbar, 3, 7, ""}, {12, 13, 2, EntryMode::Hbar, 3, 6, "H3,6 H10,7"},
      // Fourfold blocks are mirrored in both centre lines, on any size.
      {12, 12, 4, EntryMode::Block, 2, 3, "B2,3 B11,3 B2,10 B11,10"}, {12, 12, 4, EntryMode::Block, 7, 3, ""},
      {13, 13, 4, EntryMode::Block, 3, 7, "B3,7 B11,7"}, {13, 13, 4, EntryMode::Block, 7, 3, "B7,3 B7,11"}, {13, 13, 4, EntryMode::Block, 7, 7, "B7,7"},
      // Fourfold bars are turned through quarter turns, so need a square grid.
      {12, 12, 4, EntryMode::Hbar, 2, 3, "H2,3 H11,9 V9,2 V3,11"}, {12, 12, 4, EntryMode::Vbar, 2, 3, "H10,2 H3,10 V2,3 V10,10"},
      {13, 12, 4, EntryMode::Hbar, 2, 3, ""}, {12, 13, 4, EntryMode::Vbar, 2, 3, ""},
      // Any other symmetry value toggles nothing.
      {12, 12, 3, EntryMode::Block, 2, 2, ""},
  };
  for (const ClickRow& c : rows) {
    SCOPED_TRACE(::testing::Message() << c.h << "x" << c.v << " symmetry " << c.symmetry << " mode "
                                      << static_cast<int>(c.mode) << " at " << c.col << "," << c.row);
    Puzzle p = FreshPuzzle(c.h, c.v, c.symmetry);
    EditorState e;
    e.EntryMode = c.mode;
    RecordingView view;
    KvenGridMouseDown(p, e, view, c.col, c.row);
    EXPECT_EQ(Diagram(p), c.flipped);
    // Even a refused click decides the diagram's kind.
    EXPECT_EQ(p.BlockDiagram, c.mode == EntryMode::Block);
    EXPECT_EQ(p.BarDiagram, c.mode != EntryMode::Block);
    KvenGridMouseDown(p, e, view, c.col, c.row);
    EXPECT_EQ(Diagram(p), "");
  }
}

TEST(GridEditDiagramKindTest, OneKindRefusesTheOtherButStillRepaints) {
  for (const EntryMode kind : {EntryMode::Block, EntryMode::Vbar}) {
    SCOPED_TRACE("diagram of mode " + std::to_string(static_cast<int>(kind)));
    Puzzle p = FreshPuzzle(12, 12, 2);
    EditorState e;
    RecordingView view;
    e.EntryMode = kind;
    KvenGridMouseDown(p, e, view, 3, 2);
    const std::string built = Diagram(p);
    for (const EntryMode mode :
         kind == EntryMode::Block ? std::vector{EntryMode::Hbar, EntryMode::Vbar} : std::vector{EntryMode::Block}) {
      e.EntryMode = mode;
      view.calls.clear();
      KvenGridMouseDown(p, e, view, 2, 2);
      EXPECT_EQ(view.calls, std::vector<std::string>{"RepaintGrid"});
      EXPECT_EQ(Diagram(p), built);
      EXPECT_EQ(p.BlockDiagram, kind == EntryMode::Block);
      EXPECT_EQ(p.BarDiagram, kind != EntryMode::Block);
    }
    e.EntryMode = kind;
    KvenGridMouseDown(p, e, view, 1, 1);
    EXPECT_NE(Diagram(p), built);
  }
}

// A text naming both keywords ("BLK HBR Z") gives a diagram of both kinds,
// and with nothing placed in it: a click of any kind enters its mark and
// makes the diagram that kind, even one that enters nothing.
TEST(GridEditDiagramKindTest, ADiagramOfBothKindsTakesAClickOfEitherKind) {
  struct Row {
    EntryMode mode;
    int col, row;
    const char* flipped;
  };
  const Row rows[] = {{EntryMode::Block, 2, 2, "B2,2 B4,4"},
                      {EntryMode::Hbar, 2, 1, "H2,1 H4,4"},
                      {EntryMode::Vbar, 1, 2, "V1,2 V4,4"},
                      {EntryMode::Block, 2, 4, ""}};
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(r.mode) << " at " << r.col << "," << r.row);
    Puzzle p = test::Decoded({"KVEN   2   5   5", "BLK HBR Z", "VBR Z"});
    ASSERT_EQ(DiagramKindOf(p), DiagramKind::Both);
    EditorState e;
    e.EntryMode = r.mode;
    RecordingView view;
    KvenGridMouseDown(p, e, view, r.col, r.row);
    EXPECT_EQ(Diagram(p), r.flipped);
    EXPECT_EQ(DiagramKindOf(p), r.mode == EntryMode::Block ? DiagramKind::Blocks : DiagramKind::Bars);
  }
}

struct DispatchRow {
  EntryMode mode;
  int col, row;
  const char* diagram;
  std::int32_t number;
};

TEST(GridEditDispatchTest, CallsTheOperationOfTheModeThenRepaints) {
  const DispatchRow rows[] = {
      {EntryMode::Block, 4, 5, "B4,5", 0},
      {EntryMode::Hbar, 4, 5, "H4,5", 0},
      {EntryMode::Vbar, 4, 5, "V4,5", 0},
      {EntryMode::Solution, 4, 5, "", 0},
      {EntryMode::ManualNumber, 4, 5, "", 7},
      // Any other mode value only repaints.
      {EntryMode{0}, 4, 5, "", 0},
      {EntryMode{3}, 4, 5, "", 0},
      {EntryMode{32}, 4, 5, "", 0},
      // Header cells and points beside the squares are no click at all.
      {EntryMode::Block, 0, 5, "", 0},
      {EntryMode::Solution, 13, 5, "", 0},
      {EntryMode::ManualNumber, 4, 0, "", 0},
  };
  for (const DispatchRow& c : rows) {
    SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(c.mode) << " at " << c.col << "," << c.row);
    Puzzle p = FreshPuzzle(12, 12, 0);
    EditorState e{.EntryMode = c.mode, .CursorCol = 2, .CursorRow = 3, .Direction = Direction::Up};
    RecordingView view;
    view.SetNumberFieldText("7");
    view.calls.clear();

    KvenGridMouseDown(p, e, view, c.col, c.row);

    EXPECT_EQ(Diagram(p), c.diagram);
    EXPECT_EQ(p.Numbers(4, 5), c.number);
    if (!InGrid(p, c.col, c.row)) {
      EXPECT_TRUE(view.calls.empty());
      continue;
    }
    EXPECT_EQ(view.calls.back(), "RepaintGrid");
    EXPECT_EQ(view.Count("RepaintGrid"), 1u);
    const bool placed = c.mode == EntryMode::Solution;
    EXPECT_EQ((test::Square{e.CursorCol, e.CursorRow}), (placed ? test::Square{4, 5} : test::Square{2, 3}));
    if (placed) {
      EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearLetterArea 2 3", "PaintCursorArrow 4 5 3", "RepaintGrid"}));
    }
  }
}

// Blocks and bars in one diagram, as an ipuz document brings them: a click
// of either kind enters its mark and leaves the marks of the other kind.
TEST(GridEditDiagramKindTest, ADiagramHoldingBlocksAndBarsKeepsBothKinds) {
  for (const EntryMode mode : {EntryMode::Block, EntryMode::Hbar, EntryMode::Vbar}) {
    SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(mode));
    Puzzle p = FreshPuzzle(5, 5, NoSymmetry);
    p.Blocks(5, 5) = 1;
    p.HBars(1, 1) = 1;
    SetDiagramKind(p, DiagramKind::Both);
    EditorState e;
    e.EntryMode = mode;
    NullView view;
    KvenGridMouseDown(p, e, view, 3, 3);
    const std::string entered = mode == EntryMode::Block ? "B3,3 B5,5 H1,1" : mode == EntryMode::Hbar ? "B5,5 H1,1 H3,3" : "B5,5 H1,1 V3,3";
    EXPECT_EQ(Diagram(p), entered);
    EXPECT_EQ(DiagramKindOf(p), DiagramKind::Both);
  }
}

}  // namespace
}  // namespace kven
