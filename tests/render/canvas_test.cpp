#include "render/canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "pixels.h"

namespace kven {
namespace {

using testing::All;
using testing::Count;
using testing::PixelsOf;

QImage White(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(rgb::White);
  return image;
}

struct LineCase {
  QPoint from, to;
  std::set<std::pair<int, int>> pixels;
};

class CanvasLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CanvasLineTest, CoversTheFirstPointAndStopsShortOfTheLast) {
  const LineCase& c = GetParam();
  QImage image = White(8, 8);
  Canvas canvas;
  ASSERT_TRUE(canvas.Begin(&image));
  canvas.MoveTo(c.from.x(), c.from.y());
  canvas.LineTo(c.to.x(), c.to.y());
  canvas.End();
  EXPECT_EQ(PixelsOf(image, {0, 0, 8, 8}, rgb::Black), c.pixels);
  EXPECT_EQ(canvas.PenPosition(), c.to);
}

INSTANTIATE_TEST_SUITE_P(Lines, CanvasLineTest,
                         ::testing::Values(LineCase{{2, 5}, {5, 5}, {{2, 5}, {3, 5}, {4, 5}}},
                                           LineCase{{5, 5}, {2, 5}, {{5, 5}, {4, 5}, {3, 5}}},
                                           LineCase{{3, 4}, {3, 1}, {{3, 4}, {3, 3}, {3, 2}}},
                                           LineCase{{4, 0}, {0, 4}, {{4, 0}, {3, 1}, {2, 2}, {1, 3}}},
                                           LineCase{{6, 6}, {6, 6}, {}}));

TEST(CanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  QImage image = White(12, 12);
  Canvas canvas;
  ASSERT_TRUE(canvas.Begin(&image));
  canvas.SetBrushColor(rgb::Silver);
  canvas.Rectangle({2, 3, 8, 7});
  canvas.Rectangle({2, 9, 10, 11});  // two pixels high: all outline
  canvas.End();
  EXPECT_TRUE(All(image, {3, 4, 7, 6}, rgb::Silver));
  EXPECT_EQ(Count(image, {2, 3, 8, 7}, rgb::Black), 6 * 4 - 4 * 2);
  EXPECT_TRUE(All(image, {2, 9, 10, 11}, rgb::Black));
  EXPECT_EQ(Count(image, {0, 0, 12, 12}, rgb::White), 144 - 24 - 16);
}

TEST(CanvasTest, TextRectFillsTheRectangleAndClipsTheText) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(rgb::Red);
  Canvas canvas;
  ASSERT_TRUE(canvas.Begin(&image));
  canvas.SetFontHeight(20);
  canvas.SetBrushColor(rgb::White);
  canvas.TextRect({5, 5, 15, 15}, 5, 5, QStringLiteral("WWWW"));
  canvas.End();
  EXPECT_GT(Count(image, {5, 5, 15, 15}, rgb::Black), 0);
  EXPECT_EQ(Count(image, {5, 5, 15, 15}, rgb::White) + Count(image, {5, 5, 15, 15}, rgb::Black), 100);
  EXPECT_EQ(Count(image, {0, 0, 40, 30}, rgb::Red), 40 * 30 - 100);
}

struct PointSizeCase {
  int pixelsPerInch, points, pixels;
};

class CanvasPointSizeTest : public ::testing::TestWithParam<PointSizeCase> {};

TEST_P(CanvasPointSizeTest, ConvertsAtTheCanvasResolution) {
  const PointSizeCase& c = GetParam();
  Canvas canvas(c.pixelsPerInch);
  canvas.SetFontSize(c.points);
  EXPECT_EQ(canvas.ResolvedFont().pixelSize(), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CanvasPointSizeTest,
                         ::testing::Values(PointSizeCase{96, 5, 7}, PointSizeCase{96, 7, 9},
                                           PointSizeCase{96, 8, 11}, PointSizeCase{600, 10, 83}));

class CanvasLineHeightTest : public ::testing::TestWithParam<int> {};

TEST_P(CanvasLineHeightTest, HeightIsTheFullLineHeight) {
  const int height = GetParam();
  Canvas canvas;
  canvas.SetFontStyle(FontBold);
  canvas.SetFontHeight(height);
  EXPECT_LE(canvas.LineHeight(), height);
  EXPECT_GE(canvas.LineHeight(), height - 1);
  EXPECT_LT(canvas.ResolvedFont().pixelSize(), height);  // the em is smaller than the line
}

INSTANTIATE_TEST_SUITE_P(Heights, CanvasLineHeightTest, ::testing::Values(10, 16, 21, 100));

TEST(CanvasTest, WindowsFamiliesResolveToLiberationSans) {
  Canvas canvas;  // starts with "MS Sans Serif"
  EXPECT_EQ(QFontInfo(canvas.ResolvedFont()).family(), QStringLiteral("Liberation Sans"));
  canvas.SetFontName(QStringLiteral("Arial"));
  EXPECT_EQ(QFontInfo(canvas.ResolvedFont()).family(), QStringLiteral("Liberation Sans"));
}

TEST(CanvasTest, StateOutlivesTheDevice) {
  Canvas canvas;
  QImage first = White(8, 8);
  ASSERT_TRUE(canvas.Begin(&first));
  canvas.SetPenColor(rgb::Red);
  canvas.SetBrushColor(rgb::Silver);
  canvas.SetFontSize(5);
  canvas.End();

  QImage second = White(8, 8);
  ASSERT_TRUE(canvas.Begin(&second));
  canvas.MoveTo(0, 0);
  canvas.LineTo(8, 0);
  canvas.FillRect({0, 4, 8, 8});
  canvas.End();
  EXPECT_TRUE(All(second, {0, 0, 8, 1}, rgb::Red));
  EXPECT_TRUE(All(second, {0, 4, 8, 8}, rgb::Silver));
  EXPECT_EQ(canvas.ResolvedFont().pixelSize(), 7);
}

}  // namespace
}  // namespace kven
