// The SVG picture, drawn by a real renderer at the bitmap's scale, shows
// what the bitmap shows where the bitmap shows it: grid lines, blocks and
// bars to the pixel, the title, numbers and letters within antialiasing.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "render/puzzle_picture.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

constexpr int Square = 32;  // the bitmap's square, grid line included

bool Dark(QRgb c) { return qGray(c) < 128; }

// The smallest rectangle of dark pixels in r, as (left, top, right, bottom);
// all zero when there is none.
std::array<int, 4> Ink(const QImage& image, const QRect& r) {
  std::array<int, 4> box{r.right() + 1, r.bottom() + 1, r.left() - 1, r.top() - 1};
  bool any = false;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (!Dark(image.pixel(x, y))) continue;
      any = true;
      box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    }
  }
  return any ? box : std::array<int, 4>{};
}

void ExpectNear(const std::array<int, 4>& a, const std::array<int, 4>& b, const std::string& what) {
  for (std::size_t i = 0; i < 4; ++i) EXPECT_LE(std::abs(a[i] - b[i]), 2) << what << " edge " << i;
}

// The SVG drawn by rsvg-convert, at `size` or, when it is empty, at the
// document's own size.
QImage RenderSvg(const std::string& svg, QSize size) {
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("picture.svg"));
  const QString out = dir.filePath(QStringLiteral("picture.png"));
  QFile file(in);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(svg.data(), static_cast<qint64>(svg.size()));
  file.close();
  QStringList arguments{QStringLiteral("-b"), QStringLiteral("white"), in, QStringLiteral("-o"), out};
  if (!size.isEmpty())
    arguments << QStringLiteral("-w") << QString::number(size.width()) << QStringLiteral("-h")
              << QString::number(size.height());
  QProcess::execute(QStringLiteral("rsvg-convert"), arguments);
  return QImage(out).convertToFormat(QImage::Format_RGB32);
}

void ExpectSamePicture(const Puzzle& p, int barWidth, const std::string& name) {
  const QImage bitmap = MakePuzzleBitmap(p, barWidth);
  const std::string svg = PuzzleSvg(p, barWidth);
  EXPECT_EQ(svg.find("<image"), std::string::npos) << name << ": no bitmap inside";
  const QImage drawn = RenderSvg(svg, bitmap.size());
  ASSERT_EQ(drawn.size(), bitmap.size()) << name;

  const int top = Square;  // the grid starts one square below the title
  ExpectNear(Ink(drawn, {0, 0, bitmap.width(), top - 1}), Ink(bitmap, {0, 0, bitmap.width(), top - 1}),
             name + " title");
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const int x = (col - 1) * Square;
      const int y = top + (row - 1) * Square;
      const std::string at = name + " [" + std::to_string(col) + "," + std::to_string(row) + "]";
      // The grid lines on the square's top and left edges, pixel for pixel.
      for (int i = 0; i <= Square; ++i) {
        EXPECT_EQ(Dark(drawn.pixel(x + i, y)), Dark(bitmap.pixel(x + i, y))) << at << " top line " << i;
        EXPECT_EQ(Dark(drawn.pixel(x, y + i)), Dark(bitmap.pixel(x, y + i))) << at << " left line " << i;
      }
      // The fill of a block and the core of a bar strip, by colour.
      for (const QPoint inside : {QPoint(x + 28, y + 28), QPoint(x + 16, y + Square - 2), QPoint(x + Square - 2, y + 16)})
        EXPECT_LE(std::abs(qGray(drawn.pixel(inside)) - qGray(bitmap.pixel(inside))), 16) << at;
      // What is written in the square: its number and its letter.
      const QRect inner(x + 2, y + 2, Square - 4 - barWidth, Square - 4 - barWidth);
      ExpectNear(Ink(drawn, inner), Ink(bitmap, inner), at + " text");
    }
  }
}

TEST(SvgPicture, ShowsWhatTheBitmapShows) {
  if (QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty()) GTEST_SKIP() << "no rsvg-convert";
  const Puzzle blocks =
      test::Decoded({"KVEN 2 5 5", "BLK 8 Z", "TTL Clasp", "ANS", "CLASP", "RO.HE", "AVERT", "NE.EA", "ESTER"});
  ExpectSamePicture(blocks, 2, "blocks");
  const Puzzle bars =
      test::Decoded({"KVEN 4 8 8", "HBR 1 11 20 Z", "VBR 3 Z", "TTL Bars", "ANS", "WORDSWIT", "HBARSAND"});
  ExpectSamePicture(bars, 5, "bars");
}

// Shown at its own size, the SVG is exactly as large as the bitmap.
TEST(SvgPicture, NaturalSizeIsTheBitmapSize) {
  if (QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty()) GTEST_SKIP() << "no rsvg-convert";
  const struct {
    int columns, rows;
    QSize bitmap;
  } cases[] = {{5, 5, {168, 200}}, {12, 12, {392, 424}}, {30, 30, {968, 1000}}, {7, 19, {232, 648}}};
  for (const auto& c : cases) {
    const Puzzle p = test::FreshPuzzle(c.columns, c.rows, NoSymmetry);
    EXPECT_EQ(RenderSvg(PuzzleSvg(p, 2), QSize()).size(), c.bitmap) << c.columns << " x " << c.rows;
  }
}

}  // namespace
}  // namespace kven
