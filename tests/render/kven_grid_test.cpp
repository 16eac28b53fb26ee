#include "render/kven_grid.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "pixels.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using testing::All;
using testing::Colours;
using testing::Count;
using testing::InkBounds;
using testing::PixelsOf;
using testing::Px;

constexpr QRgb kWhite = rgb::White & 0xFFFFFFu;
constexpr QRgb kBlack = rgb::Black & 0xFFFFFFu;
constexpr QRgb kSilver = rgb::Silver & 0xFFFFFFu;
constexpr QRgb kRed = rgb::Red & 0xFFFFFFu;

// A 5 x 5 puzzle on a grid of 6 x 6 cells.
class GridTest : public ::testing::Test {
 protected:
  GridTest() : puzzle(testing::FreshPuzzle(5, 5)), grid(puzzle, editor) { grid.SetCellCount(6, 6); }

  CanvasRect Cell(int col, int row) const { return CanvasRect::FromQRect(grid.CellRect(col, row)); }
  QImage Repainted() {
    grid.RepaintGrid();
    return grid.Snapshot();
  }
  // A header label's ink height shows the font size it was drawn at.
  int LabelHeight(const QImage& image) const { return InkBounds(image, Cell(1, 0), rgb::Red).Height(); }

  Puzzle puzzle;
  EditorState editor;
  KvenGrid grid;
};

TEST_F(GridTest, ControlIsSizedFromTheCellCount) {
  EXPECT_EQ(grid.size(), QSize(160, 160));
  grid.SetCellCount(13, 13);
  EXPECT_EQ(grid.size(), QSize(342, 342));
  EXPECT_EQ(grid.sizeHint(), QSize(342, 342));
  EXPECT_EQ(grid.Snapshot().size(), QSize(342, 342));
  grid.SetCellCount(0, 99);
  EXPECT_EQ(grid.ColumnCount(), 1);
  EXPECT_EQ(grid.RowCount(), 31);
}

struct HitCase {
  QPoint point;
  bool onCell;
  int col, row;
};

class GridHitTest : public GridTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(GridHitTest, CellUnderAPointAndItsRectangle) {
  const HitCase& c = GetParam();
  int col = -1;
  int row = -1;
  ASSERT_EQ(grid.CellAt(c.point, col, row), c.onCell);
  if (!c.onCell) return;
  EXPECT_EQ(col, c.col);
  EXPECT_EQ(row, c.row);
  const QRect cell = grid.CellRect(col, row);
  EXPECT_EQ(cell.size(), QSize(25, 25));
  EXPECT_EQ(cell.topLeft(), QPoint(2 + 26 * col, 2 + 26 * row));
}

INSTANTIATE_TEST_SUITE_P(Points, GridHitTest,
                         ::testing::Values(HitCase{{2, 2}, true, 0, 0},
                                           HitCase{{27, 27}, true, 0, 0},  // a cell owns the line after it
                                           HitCase{{28, 28}, true, 1, 1}, HitCase{{90, 60}, true, 3, 2},
                                           HitCase{{157, 157}, true, 5, 5}, HitCase{{1, 50}, false, 0, 0},
                                           HitCase{{50, 158}, false, 0, 0}, HitCase{{-3, 40}, false, 0, 0}));

TEST_F(GridTest, LinesAndRedLabelsOfTheHeader) {
  const QImage image = Repainted();
  EXPECT_EQ(Px(image, 27, 100), kBlack);   // right of the header column
  EXPECT_EQ(Px(image, 100, 27), kBlack);   // below the header row
  EXPECT_EQ(Px(image, 79, 10), kBlack);    // between two header cells
  EXPECT_EQ(Px(image, 79, 100), kSilver);  // between squares
  EXPECT_EQ(Px(image, 100, 79), kSilver);
  EXPECT_EQ(Px(image, 157, 100), kSilver);

  const auto label = [&](int col, int row) { return image.copy(grid.CellRect(col, row)); };
  for (int i = 0; i <= 5; ++i) {
    const CanvasRect cell = Cell(i, 0);
    EXPECT_EQ(Colours(image, cell), (std::set<QRgb>{kWhite, kRed})) << i;
    const CanvasRect ink = InkBounds(image, cell, rgb::Red);
    EXPECT_GE(ink.left, cell.left + 4);
    EXPECT_GE(ink.top, cell.top + 4);
    EXPECT_EQ(label(i, 0), label(0, i)) << i;  // columns along the top, rows down the side
  }
  EXPECT_NE(label(0, 0), label(1, 0));
  EXPECT_NE(label(1, 0), label(2, 0));
}

TEST_F(GridTest, BlocksAreSilverAndBarStripsGoOverThem) {
  puzzle.Blocks(2, 3) = 1;
  EXPECT_TRUE(All(Repainted(), Cell(2, 3), rgb::White));  // no diagram kind yet

  puzzle.BlockDiagram = true;
  QImage image = Repainted();
  EXPECT_TRUE(All(image, Cell(2, 3), rgb::Silver));
  EXPECT_TRUE(All(image, Cell(3, 3), rgb::White));

  puzzle.BarDiagram = true;
  image = Repainted();
  const auto [L, T, R, B] = Cell(2, 3);
  EXPECT_TRUE(All(image, {L, B - 2, R - 1, B}, rgb::White));
  EXPECT_TRUE(All(image, {L, T, R - 2, B - 2}, rgb::Silver));
  EXPECT_EQ(Px(image, R - 1, B - 1), kSilver);
}

class GridBarWidthTest : public GridTest, public ::testing::WithParamInterface<int> {};

TEST_P(GridBarWidthTest, RepaintedStripsAreSilverAndThicknessChangesPaintBlack) {
  const int width = GetParam();
  editor.BarWidth = width;
  puzzle.BarDiagram = true;
  puzzle.HBars(2, 2) = 1;
  puzzle.VBars(3, 2) = 1;
  const auto [L, T, R, B] = Cell(2, 2);
  const auto [L3, T3, R3, B3] = Cell(3, 2);

  QImage image = Repainted();
  // One pixel short of the side. The vertical strip comes second: with no
  // bar it whitens the corner of the horizontal strip but its bottom row.
  EXPECT_TRUE(All(image, {L, B - width, R - width, B}, rgb::Silver));
  EXPECT_TRUE(All(image, {L, B - 1, R - 1, B}, rgb::Silver));
  EXPECT_EQ(Px(image, R - 1, B - 1), kWhite);
  EXPECT_EQ(Count(image, {L, T, R, B}, rgb::Silver), 24 * width - (width - 1) * (width - 1));
  EXPECT_TRUE(All(image, {R3 - width, T3, R3, B3 - 1}, rgb::Silver));
  EXPECT_EQ(Count(image, {L3, T3, R3, B3}, rgb::Silver), 24 * width);

  const int thicker = std::min(width + 1, 6);
  grid.ChangeBarWidth(width, thicker);
  editor.BarWidth = thicker;
  image = grid.Snapshot();
  EXPECT_TRUE(All(image, {L, B - thicker, R, B}, rgb::Black));
  EXPECT_EQ(Count(image, {L, T, R, B}, rgb::Black), 25 * thicker);
  EXPECT_EQ(Count(image, {L, T, R, B}, rgb::Silver), 0);
  EXPECT_TRUE(All(image, {R3 - thicker, T3, R3, B3}, rgb::Black));
  EXPECT_EQ(Count(image, {L3, T3, R3, B3}, rgb::Black), 25 * thicker);

  image = Repainted();
  EXPECT_EQ(Count(image, {L, T, R, B}, rgb::Black), 0);
  EXPECT_EQ(Count(image, {L3, T3, R3, B3}, rgb::Silver), 24 * thicker);
}

INSTANTIATE_TEST_SUITE_P(Widths, GridBarWidthTest, ::testing::Values(1, 2, 3, 6));

TEST_F(GridTest, NumbersStayInTheirBoxAndZeroWhitensItOnOpenSquaresOnly) {
  puzzle.BlockDiagram = true;
  puzzle.Blocks(3, 3) = 1;
  puzzle.Numbers(1, 1) = 12;
  puzzle.Numbers(3, 3) = 0;
  EXPECT_EQ(Count(Repainted(), Cell(1, 1), rgb::Black), 0);  // numbers need a numbering flag

  puzzle.AutoNumbered = true;
  QImage image = Repainted();
  const auto [L, T, R, B] = Cell(1, 1);
  EXPECT_EQ(Colours(image, {L, T, R, B}), (std::set<QRgb>{kWhite, kBlack}));
  const CanvasRect ink = InkBounds(image, {L, T, R, B}, rgb::Black);
  EXPECT_LE(ink.right, L + 18);
  EXPECT_LE(ink.bottom, T + 10);
  EXPECT_TRUE(All(image, Cell(3, 3), rgb::Silver));

  grid.PaintNumber(1, 1, 88888888);  // too wide: cut off at the box's edge
  EXPECT_EQ(InkBounds(grid.Snapshot(), {L, T, R, B}, rgb::Black).right, L + 18);
  grid.PaintNumber(1, 1, 0);
  EXPECT_TRUE(All(grid.Snapshot(), {L, T, R, B}, rgb::White));
  grid.PaintNumber(3, 3, 0);
  EXPECT_TRUE(All(grid.Snapshot(), Cell(3, 3), rgb::Silver));
  grid.PaintNumber(3, 3, 4);  // a numbered block gets a white number box
  EXPECT_EQ(Count(grid.Snapshot(), Cell(3, 3), rgb::Silver), 25 * 25 - 18 * 10);
}

TEST_F(GridTest, LettersShowWithASolutionOrInSolutionModeAndTheCursorReplacesOne) {
  puzzle.Letters(2, 2) = 'W';
  puzzle.Letters(3, 2) = '.';
  puzzle.Letters(4, 2) = ' ';
  puzzle.Letters(5, 2) = 'q';
  editor.CursorCol = 1;
  editor.CursorRow = 5;
  EXPECT_TRUE(All(Repainted(), Cell(2, 2), rgb::White));

  puzzle.HasSolution = true;
  QImage image = Repainted();
  const auto [L, T, R, B] = Cell(2, 2);
  const CanvasRect ink = InkBounds(image, {L, T, R, B}, rgb::Black);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.left, L + 10);
  EXPECT_GE(ink.top, T + 9);
  EXPECT_LE(ink.right, R - 2);
  EXPECT_LE(ink.bottom, B - 2);
  for (const int col : {3, 4, 5}) EXPECT_TRUE(All(image, Cell(col, 2), rgb::White)) << col;
  EXPECT_GT(Count(image, Cell(1, 5), rgb::Silver), 0);

  puzzle.HasSolution = false;
  editor.EntryMode = Solution;
  editor.CursorCol = 2;
  editor.CursorRow = 2;
  image = Repainted();
  EXPECT_EQ(Count(image, Cell(2, 2), rgb::Black), 0);
  EXPECT_GT(Count(image, Cell(2, 2), rgb::Silver), 0);

  grid.DrawLetter(3, 3, 'W');  // a typed letter sits one pixel further in
  const CanvasRect typed = InkBounds(grid.Snapshot(), Cell(3, 3), rgb::Black);
  EXPECT_GE(typed.left, Cell(3, 3).left + 11);
  EXPECT_GE(typed.top, Cell(3, 3).top + 10);
  grid.DrawLetter(3, 3, ' ');
  EXPECT_TRUE(All(grid.Snapshot(), Cell(3, 3), rgb::White));
}

// Pixels of an axis or diagonal segment from a up to, not including, b.
std::set<std::pair<int, int>> Segment(QPoint a, QPoint b) {
  std::set<std::pair<int, int>> out;
  const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
  for (QPoint p = a; p != b; p += step) out.emplace(p.x(), p.y());
  return out;
}

struct ArrowCase {
  std::uint8_t direction;
  QPoint tail, tip, barb1, barb2;
};

class GridArrowTest : public GridTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(GridArrowTest, ArrowIsSilverFromTailToTipAndBarbsOverACleanedLetterArea) {
  const ArrowCase& c = GetParam();
  puzzle.HasSolution = true;
  puzzle.Letters(2, 2) = 'M';
  grid.RepaintGrid();
  grid.ChangeBarWidth(2, 3);  // paints with the brush; the pen stays silver
  grid.PaintCursorArrow(2, 2, c.direction);
  const QImage before = grid.Snapshot();
  // A cursor run off the grid stands on a header cell: nothing is drawn.
  grid.PaintCursorArrow(5, 0, c.direction);
  grid.PaintCursorArrow(0, 5, c.direction);
  grid.ClearLetterArea(5, 0);
  const QImage image = grid.Snapshot();
  EXPECT_EQ(image.copy(grid.CellRect(5, 0)), before.copy(grid.CellRect(5, 0)));
  EXPECT_EQ(image.copy(grid.CellRect(0, 5)), before.copy(grid.CellRect(0, 5)));

  const auto [L, T, R, B] = Cell(2, 2);
  std::set<std::pair<int, int>> expected;
  for (const auto& [a, b] : {std::pair{c.tail, c.tip}, {c.tip, c.barb1}, {c.tip, c.barb2}})
    for (const auto& [x, y] : Segment(a, b)) expected.emplace(L + x, T + y);
  EXPECT_EQ(PixelsOf(image, {L, T, R, B}, rgb::Silver), expected);
  EXPECT_EQ(Count(image, {L, T, R, B}, rgb::Black), 0);
}

INSTANTIATE_TEST_SUITE_P(Directions, GridArrowTest,
                         ::testing::Values(ArrowCase{DirUp, {15, 20}, {15, 10}, {10, 15}, {20, 15}},
                                           ArrowCase{DirLeft, {22, 13}, {10, 13}, {15, 8}, {15, 18}},
                                           ArrowCase{DirDown, {15, 10}, {15, 20}, {10, 15}, {20, 15}},
                                           ArrowCase{DirRight, {10, 13}, {22, 13}, {17, 8}, {17, 18}},
                                           ArrowCase{7, {10, 13}, {22, 13}, {17, 8}, {17, 18}}));

TEST_F(GridTest, ClearLetterAreaAlsoWhitensTheBarStripsInsideIt) {
  editor.BarWidth = 6;
  puzzle.BarDiagram = true;
  puzzle.VBars(2, 2) = 1;
  grid.RepaintGrid();
  grid.ClearLetterArea(2, 2);
  const QImage image = grid.Snapshot();
  const auto [L, T, R, B] = Cell(2, 2);
  EXPECT_TRUE(All(image, {L + 8, T + 9, R - 2, B - 2}, rgb::White));
  EXPECT_TRUE(All(image, {R - 2, T, R, B - 1}, rgb::Silver));
  EXPECT_TRUE(All(image, {R - 6, T, R, T + 9}, rgb::Silver));
}

TEST_F(GridTest, LabelsTakeTheFontSizeThePreviousOperationLeft) {
  const int eightPoints = LabelHeight(Repainted());
  grid.DrawLetter(2, 2, 'A');  // leaves 7 points
  const int sevenPoints = LabelHeight(Repainted());
  EXPECT_LT(sevenPoints, eightPoints);

  puzzle.AutoNumbered = true;
  grid.RepaintGrid();  // labels at 7; the numbered cells leave 8
  EXPECT_EQ(LabelHeight(Repainted()), eightPoints);
  grid.PaintNumber(1, 1, 1);  // numbering leaves 7
  puzzle.AutoNumbered = false;
  EXPECT_EQ(LabelHeight(Repainted()), sevenPoints);
}

TEST_F(GridTest, InvalidationRepaintsAfterTheCommandAndRepaintAtOnce) {
  grid.InvalidateGrid();
  grid.DrawLetter(2, 2, 'A');  // the pending repaint, with no solution, wipes it
  EXPECT_TRUE(All(grid.Snapshot(), Cell(2, 2), rgb::White));

  grid.InvalidateGrid();
  grid.RepaintGrid();
  grid.DrawLetter(2, 2, 'A');
  EXPECT_GT(Count(grid.Snapshot(), Cell(2, 2), rgb::Black), 0);

  puzzle.BlockDiagram = true;
  puzzle.Blocks(3, 3) = 1;
  grid.InvalidateGrid();
  const QImage shown = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, grid.Snapshot());
  EXPECT_TRUE(All(shown, Cell(3, 3), rgb::Silver));

  grid.FillSquaresWhite();
  EXPECT_TRUE(All(grid.Snapshot(), Cell(3, 3), rgb::White));
  EXPECT_EQ(Px(grid.Snapshot(), 79, 100), kSilver);
}

TEST_F(GridTest, PressesOnSquaresAreReportedWhateverTheButton) {
  std::vector<std::pair<int, int>> pressed;
  grid.onSquarePressed = [&](int col, int row) { pressed.emplace_back(col, row); };
  for (const QPoint p : {QPoint(90, 60), QPoint(10, 60), QPoint(60, 10), QPoint(1, 1), QPoint(157, 157)}) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      QMouseEvent event(QEvent::MouseButtonPress, QPointF(p), grid.mapToGlobal(QPointF(p)), button, button,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(&grid, &event);
    }
  }
  EXPECT_EQ(pressed, (std::vector<std::pair<int, int>>{{3, 2}, {3, 2}, {5, 5}, {5, 5}}));
}

TEST_F(GridTest, KeysAreTranslatedAndAutoRepeatedReleasesDropped) {
  std::vector<KeyEvent> downs;
  std::vector<KeyEvent> ups;
  grid.onKeyDown = [&](const KeyEvent& key) { downs.push_back(key); };
  grid.onKeyUp = [&](const KeyEvent& key) { ups.push_back(key); };
  const auto send = [&](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool repeat) {
    QKeyEvent event(type, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(&grid, &event);
  };
  send(QEvent::KeyPress, Qt::Key_Q, Qt::ShiftModifier, true);
  send(QEvent::KeyRelease, Qt::Key_Q, Qt::ShiftModifier, true);
  send(QEvent::KeyRelease, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, false);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].key, Key::Letter);
  EXPECT_EQ(downs[0].letter, 'Q');
  EXPECT_TRUE(downs[0].shift);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].letter, 'B');
  EXPECT_TRUE(ups[0].ctrl && ups[0].shift && !ups[0].alt);

  const std::pair<int, Key> table[] = {{Qt::Key_A, Key::Letter},       {Qt::Key_Space, Key::Space},
                                       {Qt::Key_Backspace, Key::Backspace}, {Qt::Key_Left, Key::Left},
                                       {Qt::Key_Up, Key::Up},             {Qt::Key_Right, Key::Right},
                                       {Qt::Key_Down, Key::Down},         {Qt::Key_5, Key::Other}};
  for (const auto& [qtKey, key] : table) {
    const KeyEvent mapped = ToKeyEvent(QKeyEvent(QEvent::KeyPress, qtKey, Qt::AltModifier));
    EXPECT_EQ(mapped.key, key) << qtKey;
    EXPECT_EQ(mapped.letter, key == Key::Letter ? 'A' : 0) << qtKey;
    EXPECT_TRUE(mapped.alt && !mapped.ctrl && !mapped.shift) << qtKey;
  }
}

}  // namespace
}  // namespace kven
