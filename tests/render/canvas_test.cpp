#include "render/canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <tuple>

#include "pixels.h"

// Lines, rectangles and clipped text are checked through the grid and the
// picture that draw with them; these are the canvas's own rules.
namespace kven {
namespace {

TEST(CanvasTest, FontSizesFamiliesAndLineHeights) {
  for (const auto& [ppi, points, pixels] : {std::tuple{96, 5, 7}, {96, 7, 9}, {96, 8, 11}, {600, 10, 83}}) {
    Canvas canvas(ppi);
    canvas.SetFontSize(points);
    EXPECT_EQ(canvas.ResolvedFont().pixelSize(), pixels) << points << " pt at " << ppi;
  }
  Canvas canvas;  // starts with "MS Sans Serif"
  EXPECT_EQ(QFontInfo(canvas.ResolvedFont()).family(), QStringLiteral("Liberation Sans"));
  canvas.SetFontName(QStringLiteral("Arial"));
  EXPECT_EQ(QFontInfo(canvas.ResolvedFont()).family(), QStringLiteral("Liberation Sans"));
  canvas.SetFontStyle(FontBold);
  for (const int height : {10, 21, 100}) {
    canvas.SetFontHeight(height);
    EXPECT_TRUE(canvas.LineHeight() == height || canvas.LineHeight() == height - 1) << height;
  }
}

TEST(CanvasTest, StateOutlivesTheDevice) {
  Canvas canvas;
  QImage image(8, 8, QImage::Format_RGB32);
  ASSERT_TRUE(canvas.Begin(&image));
  canvas.SetPenColor(rgb::Red);
  canvas.SetBrushColor(rgb::Silver);
  canvas.SetFontSize(5);
  canvas.End();
  image.fill(rgb::White);
  ASSERT_TRUE(canvas.Begin(&image));
  canvas.MoveTo(0, 0);
  canvas.LineTo(8, 0);
  canvas.FillRect({0, 4, 8, 8});
  canvas.End();
  EXPECT_TRUE(test::All(image, {0, 0, 8, 1}, rgb::Red) && test::All(image, {0, 4, 8, 8}, rgb::Silver));
  EXPECT_EQ(canvas.ResolvedFont().pixelSize(), 7);
}

// On an image for a screen of twice the density the canvas works in the
// image's pixels over two: its area is half the image each way, and a one-
// pixel line covers two device pixels of the pen colour and nothing else.
TEST(CanvasTest, DenseImagesAreDrawnInTheirLogicalPixels) {
  QImage image(40, 20, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  image.fill(rgb::White);
  Canvas canvas;
  ASSERT_TRUE(canvas.Begin(&image));
  EXPECT_EQ(canvas.ClipRect(), (CanvasRect{0, 0, 20, 10}));
  canvas.SetPenColor(rgb::Silver);
  canvas.MoveTo(5, 0);
  canvas.LineTo(5, 10);
  canvas.End();
  EXPECT_TRUE(test::All(image, {10, 0, 12, 20}, rgb::Silver));
  EXPECT_EQ(test::Count(image, {0, 0, 40, 20}, rgb::Silver), 2 * 20);
  EXPECT_EQ(test::Count(image, {0, 0, 40, 20}, rgb::White), 38 * 20);
}

}  // namespace
}  // namespace kven
