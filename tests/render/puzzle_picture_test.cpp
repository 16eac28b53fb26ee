#include "render/puzzle_picture.h"

#include <gtest/gtest.h>

#include <tuple>

#include "pixels.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::All;
using test::Count;
using test::InkBounds;
using test::Px;

// The inside of square (col, row) of the bitmap, within its grid lines.
CanvasRect Inside(int col, int row) { return {col * 32 - 31, row * 32 + 1, col * 32, row * 32 + 32}; }

TEST(PictureTest, BitmapHoldsTitleRowGridAndMargin) {
  for (const auto& [h, v, size] : {std::tuple{5, 5, QSize(168, 200)}, {12, 12, QSize(392, 424)},
                                   {30, 30, QSize(968, 1000)}, {13, 7, QSize(424, 264)}}) {
    const QImage image = MakePuzzleBitmap(test::FreshPuzzle(h, v), 2);
    ASSERT_EQ(image.size(), size);
    const int right = 32 * h;
    const int bottom = 32 + 32 * v;
    EXPECT_TRUE(All(image, {0, 32, right, 33}, rgb::Black)) << h;
    EXPECT_TRUE(All(image, {right, 32, right + 1, bottom}, rgb::Black)) << h;
    EXPECT_TRUE(All(image, {0, bottom, right, bottom + 1}, rgb::Black)) << h;
    EXPECT_EQ(Px(image, right, bottom), rgb::White);  // lines stop short of their last point
    EXPECT_TRUE(All(image, {right + 1, 0, size.width(), size.height()}, rgb::White)) << h;
    EXPECT_TRUE(All(image, {0, bottom + 1, size.width(), size.height()}, rgb::White)) << h;
  }
}

TEST(PictureTest, BlocksAreOutlinedOnTheirGridLinesAndBarsAreOutlinedRectanglesOfTheScreenWidth) {
  Puzzle p = test::FreshPuzzle(5, 5);
  p.BlockDiagram = true;
  p.Blocks(2, 3) = 1;
  p.Letters(2, 3) = 'A';  // never shown on a block
  QImage image = MakePuzzleBitmap(p, 2);
  EXPECT_TRUE(All(image, Inside(2, 3), rgb::Silver));
  EXPECT_EQ(Count(image, {0, 0, 168, 200}, rgb::Silver), 31 * 31);
  EXPECT_TRUE(All(image, {32, 128, 65, 129}, rgb::Black));  // its bottom and right grid lines
  EXPECT_TRUE(All(image, {64, 96, 65, 129}, rgb::Black));

  p = test::FreshPuzzle(5, 5);
  p.BarDiagram = true;
  p.HBars(2, 2) = 1;
  p.VBars(4, 2) = 1;
  for (const int bt : {1, 2, 4, 6}) {
    image = MakePuzzleBitmap(p, bt);
    for (const CanvasRect& bar : {CanvasRect{32, 96 - bt, 64, 96}, CanvasRect{128 - bt, 64, 128, 96}}) {
      const int core = bt > 2 ? (bar.Width() - 2) * (bar.Height() - 2) : 0;
      EXPECT_EQ(Count(image, bar, rgb::Silver), core) << bt;
      EXPECT_EQ(Count(image, bar, rgb::Black), bar.Width() * bar.Height() - core) << bt;
    }
    EXPECT_EQ(Count(image, {0, 0, 168, 200}, rgb::Silver), bt > 2 ? 2 * 30 * (bt - 2) : 0) << bt;
    EXPECT_EQ(Px(image, 48, 95 - bt), rgb::White) << bt;
  }
}

// A vertical bar of width 6 has a silver core in columns 27..30 of its
// square; the white background of a blank letter box shows how far into it
// the box reaches: (13, 10, 29, 26) from the square's corner, or
// (14, 11, 30, 27) when numbers are shown.
TEST(PictureTest, LetterBoxSitsOnePixelFurtherInWhenNumbersAreShown) {
  Puzzle p = test::FreshPuzzle(5, 5);
  p.BarDiagram = true;
  p.VBars(2, 2) = 1;
  p.Letters(2, 2) = ' ';
  for (const int shift : {0, 1}) {
    p.AutoNumbered = shift == 1;
    const QImage image = MakePuzzleBitmap(p, 6);
    const int x = 32 + shift;
    const int y = 64 + shift;
    EXPECT_TRUE(All(image, {59, y + 10, x + 29, y + 26}, rgb::White)) << shift;
    EXPECT_EQ(Px(image, x + 29, y + 20), rgb::Silver) << shift;
    EXPECT_EQ(Px(image, 59, y + 9), rgb::Silver) << shift;
  }
}

TEST(PictureTest, NumbersAndLettersStayInTheirBoxes) {
  Puzzle p = test::FreshPuzzle(5, 5);
  p.BlockDiagram = true;
  p.Title = "Clasp";
  p.Blocks(4, 1) = 1;
  p.Numbers(1, 1) = 30;
  p.Numbers(4, 1) = 4;  // numbers show on blocks too
  p.Letters(2, 1) = 'W';
  p.Letters(3, 1) = '.';
  EXPECT_TRUE(All(MakePuzzleBitmap(p, 2), Inside(1, 1), rgb::White));  // no numbering flag

  p.ManualNumbered = true;
  const QImage image = MakePuzzleBitmap(p, 2);
  const CanvasRect title = InkBounds(image, {0, 0, 168, 32}, rgb::Black);
  EXPECT_LE(title.bottom, 21);
  EXPECT_GT(title.Width(), 30);
  const CanvasRect number = InkBounds(image, Inside(1, 1), rgb::Black);
  EXPECT_LE(number.right, 17);
  EXPECT_LE(number.bottom, 32 + 17);
  EXPECT_EQ(Count(image, {97, 33, 113, 49}, rgb::Silver), 0);  // the number box (1, 1, 17, 17) on the block
  EXPECT_EQ(Count(image, Inside(4, 1), rgb::Silver), 31 * 31 - 16 * 16);
  EXPECT_GT(Count(image, Inside(2, 1), rgb::Black), 0);
  EXPECT_TRUE(All(image, Inside(3, 1), rgb::White));
}

// On an image standing in for a page 960 pixels wide: S = 30, title at
// (60, 30), grid from (60, 60), bars 2 thick, grey fill.
TEST(PictureTest, PrinterScaleFollowsThePageWidth) {
  Puzzle p = test::FreshPuzzle(5, 5);
  p.BlockDiagram = true;
  p.Blocks(1, 1) = 1;
  p.HBars(2, 1) = 1;
  p.Title = "Page";
  QImage page(960, 400, QImage::Format_RGB32);
  page.fill(rgb::Red);
  Canvas canvas(600);
  ASSERT_TRUE(canvas.Begin(&page));
  DrawPuzzlePicture(canvas, p, 6, PictureTarget::Printer, 960);
  canvas.End();

  EXPECT_EQ(Count(page, {0, 0, 960, 400}, rgb::Red) + Count(page, {0, 0, 960, 400}, rgb::Silver), 0);
  EXPECT_TRUE(All(page, {60, 60, 211, 61}, rgb::Black));
  EXPECT_TRUE(All(page, {60, 60, 61, 210}, rgb::Black));
  EXPECT_TRUE(All(page, {61, 61, 90, 90}, rgb::Grey));
  EXPECT_TRUE(All(page, {90, 88, 120, 90}, rgb::Black));
  EXPECT_EQ(Px(page, 100, 87), rgb::White);
  const CanvasRect title = InkBounds(page, {0, 0, 960, 60}, rgb::Black);
  EXPECT_GE(title.left, 60);
  EXPECT_GE(title.top, 30);
  EXPECT_LE(title.bottom, 50);
}

}  // namespace
}  // namespace kven
