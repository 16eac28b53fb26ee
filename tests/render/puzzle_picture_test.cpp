#include "render/puzzle_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "pixels.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using testing::All;
using testing::Colours;
using testing::Count;
using testing::InkBounds;
using testing::Px;
using testing::Whole;

constexpr QRgb kWhite = rgb::White & 0xFFFFFFu;
constexpr QRgb kBlack = rgb::Black & 0xFFFFFFu;
constexpr QRgb kSilver = rgb::Silver & 0xFFFFFFu;
constexpr QRgb kGrey = rgb::Grey & 0xFFFFFFu;

// The top-left grid corner of a square in the bitmap.
QPoint Corner(int col, int row) { return QPoint((col - 1) * 32, 32 + (row - 1) * 32); }
CanvasRect Inside(int col, int row) {
  const QPoint c = Corner(col, row);
  return {c.x() + 1, c.y() + 1, c.x() + 32, c.y() + 32};
}

struct SizeCase {
  int h, v;
  QSize size;
};

class PictureSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSizeTest, BitmapHoldsTitleRowGridAndMargin) {
  const SizeCase& c = GetParam();
  const QImage image = MakePuzzleBitmap(testing::FreshPuzzle(c.h, c.v), 2);
  ASSERT_EQ(image.size(), c.size);
  const int right = 32 * c.h;
  const int bottom = 32 + 32 * c.v;
  EXPECT_TRUE(All(image, {0, 32, right, 33}, rgb::Black));
  EXPECT_TRUE(All(image, {0, bottom, right, bottom + 1}, rgb::Black));
  EXPECT_TRUE(All(image, {right, 32, right + 1, bottom}, rgb::Black));
  EXPECT_EQ(Px(image, right, bottom), kWhite);  // lines stop short of their last point
  EXPECT_TRUE(All(image, {right + 1, 0, c.size.width(), c.size.height()}, rgb::White));
  EXPECT_TRUE(All(image, {0, bottom + 1, c.size.width(), c.size.height()}, rgb::White));
  EXPECT_TRUE(All(image, {0, 0, c.size.width(), 32}, rgb::White));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureSizeTest,
                         ::testing::Values(SizeCase{5, 5, {168, 200}}, SizeCase{12, 12, {392, 424}},
                                           SizeCase{30, 30, {968, 1000}}, SizeCase{13, 7, {424, 264}}));

TEST(PictureTest, BlockIsOutlinedOnItsGridLinesAndFilledSilver) {
  Puzzle p = testing::FreshPuzzle(5, 5);
  p.BlockDiagram = true;
  p.Blocks(2, 3) = 1;
  p.Letters(2, 3) = 'A';  // never shown on a block
  const QImage image = MakePuzzleBitmap(p, 2);
  const QPoint c = Corner(2, 3);
  EXPECT_TRUE(All(image, Inside(2, 3), rgb::Silver));
  EXPECT_EQ(Count(image, Whole(image), rgb::Silver), 31 * 31);
  EXPECT_TRUE(All(image, {c.x(), c.y() + 32, c.x() + 33, c.y() + 33}, rgb::Black));
  EXPECT_TRUE(All(image, {c.x() + 32, c.y(), c.x() + 33, c.y() + 33}, rgb::Black));
}

class PictureBarTest : public ::testing::TestWithParam<int> {};

TEST_P(PictureBarTest, BarsAreOutlinedRectanglesOfTheOnScreenWidth) {
  const int bt = GetParam();
  Puzzle p = testing::FreshPuzzle(5, 5);
  p.BarDiagram = true;
  p.HBars(2, 2) = 1;
  p.VBars(4, 2) = 1;
  const QImage image = MakePuzzleBitmap(p, bt);
  const QPoint h = Corner(2, 2);
  const QPoint v = Corner(4, 2);
  for (const CanvasRect& bar : {CanvasRect{h.x(), h.y() + 32 - bt, h.x() + 32, h.y() + 32},
                                CanvasRect{v.x() + 32 - bt, v.y(), v.x() + 32, v.y() + 32}}) {
    const int core = bt > 2 ? (bar.Width() - 2) * (bar.Height() - 2) : 0;
    EXPECT_EQ(Count(image, bar, rgb::Silver), core);
    EXPECT_EQ(Count(image, bar, rgb::Black), bar.Width() * bar.Height() - core);
  }
  EXPECT_EQ(Count(image, Whole(image), rgb::Silver), bt > 2 ? 2 * 30 * (bt - 2) : 0);
  EXPECT_EQ(Px(image, h.x() + 16, h.y() + 31 - bt), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Widths, PictureBarTest, ::testing::Values(1, 2, 3, 4, 6));

// A vertical bar of width 6 has a silver core in columns 27..30 of its
// square; the white background of a letter box shows how far into it the
// box reaches.
TEST(PictureTest, LetterBoxSitsOnePixelFurtherInWhenNumbersAreShown) {
  Puzzle p = testing::FreshPuzzle(5, 5);
  p.BarDiagram = true;
  p.VBars(2, 2) = 1;
  p.HBars(2, 2) = 1;
  p.Letters(2, 2) = ' ';
  const QPoint c = Corner(2, 2);

  QImage image = MakePuzzleBitmap(p, 6);  // box (13, 10, 29, 26)
  EXPECT_TRUE(All(image, {c.x() + 27, c.y() + 10, c.x() + 29, c.y() + 26}, rgb::White));
  EXPECT_EQ(Px(image, c.x() + 29, c.y() + 20), kSilver);
  EXPECT_EQ(Px(image, c.x() + 27, c.y() + 9), kSilver);
  EXPECT_EQ(Px(image, c.x() + 20, c.y() + 26), kBlack);  // the horizontal bar's top edge

  p.AutoNumbered = true;
  image = MakePuzzleBitmap(p, 6);  // box (14, 11, 30, 27)
  EXPECT_TRUE(All(image, {c.x() + 27, c.y() + 11, c.x() + 30, c.y() + 27}, rgb::White));
  EXPECT_EQ(Px(image, c.x() + 30, c.y() + 20), kSilver);
  EXPECT_EQ(Px(image, c.x() + 27, c.y() + 10), kSilver);
  EXPECT_EQ(Px(image, c.x() + 20, c.y() + 26), kWhite);
  EXPECT_EQ(Px(image, c.x() + 13, c.y() + 26), kBlack);
}

TEST(PictureTest, TextStaysInItsBoxes) {
  Puzzle p = testing::FreshPuzzle(5, 5);
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
  EXPECT_EQ(Colours(image, Whole(image)), (std::set<QRgb>{kWhite, kBlack, kSilver}));
  const CanvasRect title = InkBounds(image, {0, 0, 168, 32}, rgb::Black);
  EXPECT_LE(title.bottom, 21);
  EXPECT_GT(title.Width(), 30);

  const QPoint n = Corner(1, 1);
  const CanvasRect number = InkBounds(image, Inside(1, 1), rgb::Black);
  EXPECT_LE(number.right, n.x() + 17);
  EXPECT_LE(number.bottom, n.y() + 17);
  const QPoint b = Corner(4, 1);
  EXPECT_EQ(Count(image, {b.x() + 1, b.y() + 1, b.x() + 17, b.y() + 17}, rgb::Silver), 0);
  EXPECT_EQ(Count(image, Inside(4, 1), rgb::Silver), 31 * 31 - 16 * 16);

  const QPoint l = Corner(2, 1);
  const CanvasRect letter = InkBounds(image, Inside(2, 1), rgb::Black);
  EXPECT_GE(letter.left, l.x() + 14);
  EXPECT_GE(letter.top, l.y() + 11);
  EXPECT_LE(letter.right, l.x() + 30);
  EXPECT_LE(letter.bottom, l.y() + 27);
  EXPECT_TRUE(All(image, Inside(3, 1), rgb::White));
}

// The printer scale on an image standing in for a page 960 pixels wide:
// S = 30, title at (60, 30), grid from (60, 60), bars 2 thick, grey fill.
TEST(PictureTest, PrinterScaleFollowsThePageWidth) {
  Puzzle p = testing::FreshPuzzle(5, 5);
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

  EXPECT_EQ(Colours(page, Whole(page)), (std::set<QRgb>{kWhite, kBlack, kGrey}));
  EXPECT_TRUE(All(page, {60, 60, 211, 61}, rgb::Black));
  EXPECT_TRUE(All(page, {60, 60, 61, 210}, rgb::Black));
  EXPECT_TRUE(All(page, {61, 61, 90, 90}, rgb::Grey));
  EXPECT_TRUE(All(page, {90, 88, 120, 90}, rgb::Black));
  EXPECT_EQ(Px(page, 100, 87), kWhite);
  const CanvasRect title = InkBounds(page, {0, 0, 960, 60}, rgb::Black);
  EXPECT_GE(title.left, 60);
  EXPECT_GE(title.top, 30);
  EXPECT_LE(title.bottom, 50);
}

TEST(PictureTest, SavesARealBmpAndFailsCleanly) {
  Puzzle p = testing::FreshPuzzle(5, 5);
  p.BlockDiagram = true;
  p.Blocks(3, 3) = 1;
  const QImage image = MakePuzzleBitmap(p, 2);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString name = dir.filePath(QStringLiteral("Xword.bmp"));
  ASSERT_TRUE(SavePicture(image, name, "BMP"));
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  EXPECT_EQ(QImage(name, "BMP").convertToFormat(QImage::Format_RGB32), image);

  const QString unwritable = dir.filePath(QStringLiteral("missing/Xword.bmp"));
  QString detail;
  EXPECT_FALSE(SavePicture(image, unwritable, "BMP", &detail));
  EXPECT_FALSE(detail.isEmpty());
  EXPECT_FALSE(QFile::exists(unwritable));
}

}  // namespace
}  // namespace kven
