// Circled and shaded squares in the picture, the SVG and the grid: the
// styled squares change, every other pixel stays as it was.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "pixels.h"
#include "render/kven_grid.h"
#include "render/puzzle_picture.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::Count;
using test::Px;

constexpr QRgb Gold = qRgb(0xFF, 0xD9, 0x66);

// The inside of square (col, row) of the bitmap, within its grid lines.
CanvasRect Inside(int col, int row) { return {col * 32 - 31, row * 32 + 1, col * 32, row * 32 + 32}; }

Puzzle Solved() {
  Puzzle p = test::ExampleBlocks(Twofold);
  test::SetLetters(p, {"CLAS.", "R.H.E", "AVERT", "N.E.E", ".STER"});
  return p;
}

SquareStyles Styled() {
  SquareStyles styles;
  styles(1, 1).circled = true;
  styles(3, 1).shaded = true;
  styles(3, 1).hasColour = true;
  styles(3, 1).colour = 0xFFD966;
  styles(3, 3).shaded = true;  // the program's grey
  return styles;
}

// The pixels that differ between two pictures of one size, inside r.
int Differing(const QImage& a, const QImage& b, const CanvasRect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Px(a, x, y) != Px(b, x, y) ? 1 : 0;
  return n;
}

TEST(StyledPicture, PlainSquaresArePixelForPixelAsWithoutStyles) {
  const Puzzle p = Solved();
  const QImage without = MakePuzzleBitmap(p, 2);
  EXPECT_EQ(MakePuzzleBitmap(p, 2, nullptr), without);
  const SquareStyles none;
  EXPECT_EQ(MakePuzzleBitmap(p, 2, &none), without);
  const SquareStyles styles = Styled();
  const QImage with = MakePuzzleBitmap(p, 2, &styles);
  const CanvasRect whole{0, 0, with.width(), with.height()};
  const int inStyled = Differing(with, without, Inside(1, 1)) + Differing(with, without, Inside(3, 1)) +
                       Differing(with, without, Inside(3, 3));
  EXPECT_GT(inStyled, 0);
  EXPECT_EQ(Differing(with, without, whole), inStyled);
}

TEST(StyledPicture, AShadeFillsTheSquareBehindItsNumberAndLetter) {
  const SquareStyles styles = Styled();
  const QImage image = MakePuzzleBitmap(Solved(), 2, &styles);
  const CanvasRect gold = Inside(3, 1);
  // Everything but the ink of the number and the letter takes the shade.
  EXPECT_EQ(Count(image, gold, rgb::White), 0);
  EXPECT_GT(Count(image, gold, Gold), 31 * 31 / 2);
  EXPECT_EQ(Count(image, gold, Gold) + Count(image, gold, rgb::Black), 31 * 31);
  EXPECT_GT(Count(image, Inside(3, 3), qRgb(0xD9, 0xD9, 0xD9)), 31 * 31 / 2);
}

TEST(StyledPicture, ACircleRunsInsideTheSquareAndShowsBesideItsNumber) {
  const SquareStyles styles = Styled();
  const QImage image = MakePuzzleBitmap(Solved(), 2, &styles);
  // The circle touches the middle of each side of the square's inside.
  EXPECT_EQ(Px(image, 1, 32 + 16), rgb::Black);
  EXPECT_EQ(Px(image, 31, 32 + 16), rgb::Black);
  EXPECT_EQ(Px(image, 16, 32 + 31), rgb::Black);
  // The number "1" hides the arc only behind its own glyph: beside it and
  // below it, inside its box, the arc shows.
  EXPECT_GT(Count(image, {8, 32 + 1, 14, 32 + 5}, rgb::Black), 0);
  EXPECT_GT(Count(image, {1, 32 + 12, 4, 32 + 17}, rgb::Black), 0);
  EXPECT_EQ(Px(image, 16, 32 + 16), rgb::White);  // no fill
}

TEST(StyledPicture, SvgCarriesTheShadeAndTheCircle) {
  const SquareStyles styles = Styled();
  const std::string svg = PuzzleSvg(Solved(), 2, &styles);
  EXPECT_NE(svg.find("#ffd966"), std::string::npos);
  EXPECT_EQ(PuzzleSvg(Solved(), 2).find("#ffd966"), std::string::npos);
  EXPECT_GT(svg.size(), PuzzleSvg(Solved(), 2).size());
}

TEST(StyledGrid, ShadesTintTheCellAndCirclesDrawOverIt) {
  Puzzle p = Solved();
  EditorState editor;
  KvenGrid grid(p, editor);
  grid.SetSquareCount(5, 5);
  grid.RepaintGrid();
  const QImage plain = grid.grab().toImage();
  const SquareStyles styles = Styled();
  grid.ShowStyles(&styles);
  const QImage styled = grid.grab().toImage();
  const CanvasRect gold = CanvasRect::FromQRect(grid.CellRect(3, 1));
  EXPECT_EQ(Count(styled, gold, rgb::White), 0);
  EXPECT_GT(Count(styled, gold, Gold), 0);
  EXPECT_EQ(Count(styled, gold, rgb::Black), Count(plain, gold, rgb::Black));  // the letter reads through
  const CanvasRect circled = CanvasRect::FromQRect(grid.CellRect(1, 1));
  EXPECT_GT(Differing(styled, plain, circled), 0);
  const CanvasRect plainCell = CanvasRect::FromQRect(grid.CellRect(2, 3));
  EXPECT_EQ(Differing(styled, plain, plainCell), 0);
  EXPECT_EQ(grid.Snapshot(), plain) << "styles are shown over the drawing, not in it";
  grid.ShowStyles(nullptr);
  EXPECT_EQ(grid.grab().toImage(), plain);
}

}  // namespace
}  // namespace kven
