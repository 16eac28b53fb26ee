#include "render/kven_grid.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <tuple>

#include "pixels.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::All;
using test::Count;
using test::InkBounds;
using test::Px;

// A 5 x 5 puzzle on a grid of 6 x 6 cells.
class GridTest : public ::testing::Test {
 protected:
  GridTest() : puzzle(test::FreshPuzzle(5, 5)), grid(puzzle, editor) { grid.SetSquareCount(5, 5); }

  CanvasRect Cell(int col, int row) const { return CanvasRect::FromQRect(grid.CellRect(col, row)); }
  QImage Repainted() {
    grid.RepaintGrid();
    return grid.Snapshot();
  }

  Puzzle puzzle;
  EditorState editor;
  KvenGrid grid;
};

TEST_F(GridTest, CellsUnderPointsAndTheControlSize) {
  // A cell owns the line after it; the border and points beside the cells belong to none.
  for (const auto& [point, col, row] : {std::tuple{QPoint(2, 2), 0, 0}, {QPoint(27, 27), 0, 0},
                                        {QPoint(28, 28), 1, 1}, {QPoint(157, 157), 5, 5}, {QPoint(1, 50), -1, -1}}) {
    int c = -1;
    int r = -1;
    ASSERT_EQ(grid.CellAt(point, c, r), col >= 0) << point.x();
    if (col >= 0) {
      EXPECT_EQ(QRect(2 + 26 * c, 2 + 26 * r, 25, 25), grid.CellRect(col, row)) << point.x();
    }
  }
  EXPECT_EQ(grid.size(), QSize(160, 160));
  // Each square takes 26 pixels with its line, the header as much, the frame 4.
  grid.SetSquareCount(12, 12);
  EXPECT_EQ(grid.size(), QSize(342, 342));
  grid.SetSquareCount(13, 25);
  EXPECT_EQ(grid.size(), QSize(368, 680));
  // Counts outside 5..30 are clamped.
  grid.SetSquareCount(0, 99);
  EXPECT_EQ(grid.Snapshot().size(), QSize(160, 31 * 26 + 4));
}

TEST_F(GridTest, RepaintDrawsLinesRedLabelsSilverBlocksAndBarStripsOverThem) {
  puzzle.Blocks(2, 3) = 1;
  EXPECT_TRUE(All(Repainted(), Cell(2, 3), rgb::White));  // no diagram kind yet
  puzzle.BlockDiagram = true;
  QImage image = Repainted();
  EXPECT_TRUE(All(image, Cell(2, 3), rgb::Silver));
  EXPECT_TRUE(All(image, Cell(3, 3), rgb::White));
  // Lines right of the header column, below the header row, between header
  // cells are black; between squares silver.
  for (const auto& [x, y, colour] : {std::tuple{27, 100, rgb::Black}, {100, 27, rgb::Black}, {79, 10, rgb::Black},
                                     {79, 100, rgb::Silver}, {100, 79, rgb::Silver}})
    EXPECT_EQ(Px(image, x, y), colour) << x << "," << y;
  const auto label = [&](int col, int row) { return image.copy(grid.CellRect(col, row)); };
  for (int i = 0; i <= 5; ++i) {
    const CanvasRect cell = Cell(i, 0);
    EXPECT_EQ(Count(image, cell, rgb::White) + Count(image, cell, rgb::Red), 25 * 25) << i;
    const CanvasRect ink = InkBounds(image, cell, rgb::Red);
    EXPECT_TRUE(ink.left >= cell.left + 4 && ink.top >= cell.top + 4) << i;
    EXPECT_EQ(label(i, 0), label(0, i)) << i;  // columns along the top, rows down the side
  }
  EXPECT_NE(label(0, 0), label(1, 0));
  EXPECT_NE(label(1, 0), label(2, 0));

  puzzle.BarDiagram = true;
  image = Repainted();
  const auto [L, T, R, B] = Cell(2, 3);
  EXPECT_TRUE(All(image, {L, B - 2, R - 1, B}, rgb::White));
  EXPECT_TRUE(All(image, {L, T, R - 2, B - 2}, rgb::Silver));
}

TEST_F(GridTest, RepaintedBarStripsAreSilverAndShortThicknessChangesFullSideBlack) {
  puzzle.BarDiagram = true;
  puzzle.HBars(2, 2) = 1;
  puzzle.VBars(3, 2) = 1;
  const CanvasRect h = Cell(2, 2);
  const CanvasRect v = Cell(3, 2);
  for (const int width : {1, 3, 6}) {
    editor.BarWidth = width;
    QImage image = Repainted();
    // One pixel short of the side. The vertical strip comes second: with no
    // bar it whitens the corner of the horizontal strip but its bottom row.
    EXPECT_TRUE(All(image, {h.left, h.bottom - width, h.right - width, h.bottom}, rgb::Silver)) << width;
    EXPECT_TRUE(All(image, {h.left, h.bottom - 1, h.right - 1, h.bottom}, rgb::Silver)) << width;
    EXPECT_EQ(Count(image, h, rgb::Silver), 24 * width - (width - 1) * (width - 1)) << width;
    EXPECT_TRUE(All(image, {v.right - width, v.top, v.right, v.bottom - 1}, rgb::Silver)) << width;
    EXPECT_EQ(Count(image, v, rgb::Silver), 24 * width) << width;
    grid.ClearLetterArea(3, 2);  // (L + 8, T + 9, R - 2, B - 2) takes the strip's part inside it
    EXPECT_EQ(Count(grid.Snapshot(), v, rgb::Silver), 24 * width - 14 * std::max(width - 2, 0)) << width;

    const int thicker = std::min(width + 1, 6);
    grid.ChangeBarWidth(width, thicker);
    editor.BarWidth = thicker;
    image = grid.Snapshot();
    EXPECT_TRUE(All(image, {h.left, h.bottom - thicker, h.right, h.bottom}, rgb::Black)) << width;
    EXPECT_TRUE(All(image, {v.right - thicker, v.top, v.right, v.bottom}, rgb::Black)) << width;
    EXPECT_EQ(Count(image, h, rgb::Black) + Count(image, v, rgb::Black), 50 * thicker) << width;
    EXPECT_EQ(Count(image, h, rgb::Silver) + Count(image, v, rgb::Silver), 0) << width;

    image = Repainted();
    EXPECT_EQ(Count(image, h, rgb::Black) + Count(image, v, rgb::Black), 0) << width;
    EXPECT_EQ(Count(image, v, rgb::Silver), 24 * thicker) << width;
  }
}

// A header label's ink height shows the font size that the previous operation left.
TEST_F(GridTest, NumbersStayInTheirBoxZeroWhitensItOnOpenSquaresAndTheSizeLeftShowsInTheLabels) {
  const auto labelHeight = [&](const QImage& image) { return InkBounds(image, Cell(1, 0), rgb::Red).Height(); };
  puzzle.BlockDiagram = true;
  puzzle.Blocks(3, 3) = 1;
  puzzle.Numbers(1, 1) = 12;
  QImage image = Repainted();
  const int eightPoints = labelHeight(image);          // where the canvas starts
  EXPECT_EQ(Count(image, Cell(1, 1), rgb::Black), 0);  // numbers need a numbering flag

  puzzle.AutoNumbered = true;
  image = Repainted();
  const CanvasRect cell = Cell(1, 1);
  const CanvasRect box{cell.left, cell.top, cell.left + 18, cell.top + 10};
  EXPECT_GT(Count(image, box, rgb::Black), 0);
  EXPECT_EQ(Count(image, cell, rgb::White) + Count(image, box, rgb::Black), 25 * 25);
  EXPECT_TRUE(All(image, Cell(3, 3), rgb::Silver));
  grid.PaintNumber(1, 1, 88888888);  // too wide: cut off at the box's edge
  EXPECT_EQ(InkBounds(grid.Snapshot(), cell, rgb::Black).right, box.right);
  grid.PaintNumber(1, 1, 0);
  EXPECT_TRUE(All(grid.Snapshot(), cell, rgb::White));
  grid.PaintNumber(3, 3, 0);
  EXPECT_TRUE(All(grid.Snapshot(), Cell(3, 3), rgb::Silver));
  grid.PaintNumber(3, 3, 4);  // a numbered block gets a white number box
  EXPECT_EQ(Count(grid.Snapshot(), Cell(3, 3), rgb::Silver), 25 * 25 - 18 * 10);

  const int sevenPoints = labelHeight(Repainted());  // numbering left 7 points
  EXPECT_LT(sevenPoints, eightPoints);
  EXPECT_EQ(labelHeight(Repainted()), eightPoints);  // the numbered cells left 8
  grid.DrawLetter(2, 2, 'A');                        // leaves 7
  EXPECT_EQ(labelHeight(Repainted()), sevenPoints);
}

TEST_F(GridTest, LettersShowWithASolutionAndATypedLetterSitsOnePixelFurtherIn) {
  puzzle.Letters(2, 2) = 'W';
  puzzle.Letters(3, 2) = '.';
  puzzle.Letters(4, 2) = 'q';
  EXPECT_TRUE(All(Repainted(), Cell(2, 2), rgb::White));
  puzzle.HasSolution = true;
  const QImage image = Repainted();
  const auto [L, T, R, B] = Cell(2, 2);
  const CanvasRect ink = InkBounds(image, {L, T, R, B}, rgb::Black);
  EXPECT_TRUE(ink.left >= L + 10 && ink.top >= T + 9 && ink.right <= R - 2 && ink.bottom <= B - 2);
  EXPECT_TRUE(All(image, Cell(3, 2), rgb::White) && All(image, Cell(4, 2), rgb::White));
  grid.DrawLetter(3, 3, 'W');
  const CanvasRect typed = InkBounds(grid.Snapshot(), Cell(3, 3), rgb::Black);
  EXPECT_TRUE(typed.left >= Cell(3, 3).left + 11 && typed.top >= Cell(3, 3).top + 10);
  grid.DrawLetter(3, 3, ' ');
  EXPECT_TRUE(All(grid.Snapshot(), Cell(3, 3), rgb::White));
}

TEST_F(GridTest, CursorArrowIsSilverFromTailToTipAndBarbsInPlaceOfTheLetter) {
  editor.EntryMode = EntryMode::Solution;  // shows letters and the cursor without a solution
  editor.CursorCol = editor.CursorRow = 2;
  puzzle.Letters(2, 2) = 'M';
  const auto [L, T, R, B] = Cell(2, 2);
  // direction: tail, tip, first barb, second barb; any other value points right.
  for (const auto& [direction, tail, tip, barb1, barb2] :
       {std::tuple{Direction::Up, QPoint(15, 20), QPoint(15, 10), QPoint(10, 15), QPoint(20, 15)},
        {Direction::Left, {22, 13}, {10, 13}, {15, 8}, {15, 18}},
        {Direction::Down, {15, 10}, {15, 20}, {10, 15}, {20, 15}},
        {Direction::Right, {10, 13}, {22, 13}, {17, 8}, {17, 18}},
        {Direction{7}, {10, 13}, {22, 13}, {17, 8}, {17, 18}}}) {
    editor.Direction = direction;
    const QImage image = Repainted();
    // A cursor run off the grid stands on a header cell: nothing is drawn.
    grid.PaintCursorArrow(5, 0, direction);
    grid.PaintCursorArrow(0, 5, direction);
    grid.ClearLetterArea(5, 0);
    EXPECT_EQ(grid.Snapshot(), image);

    // Each segment covers its first point and stops short of its second.
    std::set<std::pair<int, int>> expected;
    for (auto [a, b] : {std::pair{tail, tip}, {tip, barb1}, {tip, barb2}}) {
      const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
      for (; a != b; a += step) expected.emplace(L + a.x(), T + a.y());
    }
    EXPECT_EQ(test::PixelsOf(image, {L, T, R, B}, rgb::Silver), expected) << int(direction);
    EXPECT_EQ(Count(image, {L, T, R, B}, rgb::Black), 0) << int(direction);
  }
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
  EXPECT_EQ(Px(grid.Snapshot(), 79, 100), rgb::Silver);
}

TEST_F(GridTest, KeysAreTranslatedAndAutoRepeatedReleasesDropped) {
  std::vector<KeyEvent> keys;  // presses and releases
  grid.onKeyDown = grid.onKeyUp = [&](const KeyEvent& key) { keys.push_back(key); };
  for (const auto& [type, repeat] : {std::pair{QEvent::KeyPress, true}, {QEvent::KeyRelease, true},
                                     {QEvent::KeyRelease, false}}) {
    QKeyEvent event(type, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, QString(), repeat);
    QCoreApplication::sendEvent(&grid, &event);
  }
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_TRUE(keys[1].key == Key::Letter && keys[1].letter == 'B' && keys[1].ctrl && keys[1].shift && !keys[1].alt);
  for (const auto& [qtKey, key] : {std::pair{Qt::Key_Q, Key::Letter}, {Qt::Key_Space, Key::Space},
                                   {Qt::Key_Backspace, Key::Backspace}, {Qt::Key_Left, Key::Left},
                                   {Qt::Key_Up, Key::Up}, {Qt::Key_Right, Key::Right}, {Qt::Key_Down, Key::Down},
                                   {Qt::Key_5, Key::Other}}) {
    const KeyEvent mapped = ToKeyEvent(QKeyEvent(QEvent::KeyPress, qtKey, Qt::AltModifier));
    EXPECT_TRUE(mapped.key == key && mapped.letter == (key == Key::Letter ? 'Q' : 0) && mapped.alt && !mapped.ctrl)
        << qtKey;
  }
}

}  // namespace
}  // namespace kven
