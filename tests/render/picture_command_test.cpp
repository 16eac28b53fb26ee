#include "picture_command.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "kventool_core.h"
#include "pixels.h"
#include "render/puzzle_picture.h"

namespace {

using kven::testing::Count;
using kven::testing::Px;

QString Example(const char* name) { return QString::fromUtf8(KVEN_EXAMPLES_DIR) + QLatin1Char('/') + QLatin1String(name); }

QByteArray Head(const QString& name, int bytes) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

kven::Puzzle Decoded(const QString& name) {
  QFile file(name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  kven::Puzzle p;
  kven::EditorState e;
  kven::tool::DecodeAsOpen(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), p, e);
  return p;
}

class PictureCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Out(const char* name) const { return dir.filePath(QLatin1String(name)); }
  QTemporaryDir dir;
};

TEST_F(PictureCommandTest, WritesTheGridBitmapAsBmp) {
  const QString out = Out("Xword.bmp");
  ASSERT_EQ(RunPictureCommand({Example("block-twofold.txt"), QStringLiteral("-o"), out}), 0);
  EXPECT_EQ(Head(out, 2), QByteArray("BM"));
  const QImage image(out, "BMP");
  ASSERT_EQ(image.size(), QSize(168, 200));
  // Square 8 of the 5 x 5 text is (3, 2); its twofold partner is (3, 4).
  EXPECT_EQ(Px(image, 64 + 16, 64 + 16), kven::rgb::Silver & 0xFFFFFFu);
  EXPECT_EQ(Px(image, 64 + 16, 128 + 16), kven::rgb::Silver & 0xFFFFFFu);
  EXPECT_GT(Count(image, {0, 0, 168, 32}, kven::rgb::Black), 0);  // the title
  EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
            kven::MakePuzzleBitmap(Decoded(Example("block-twofold.txt")), 2));
}

TEST_F(PictureCommandTest, WritesPngForAPngName) {
  const QString out = Out("grid.PNG");
  ASSERT_EQ(RunPictureCommand({QStringLiteral("--output"), out, Example("manual-numbers.txt")}), 0);
  EXPECT_EQ(Head(out, 4), QByteArray("\x89PNG", 4));
  EXPECT_EQ(QImage(out).size(), QSize(168, 200));
}

TEST_F(PictureCommandTest, BarWidthStandsInForTheScreenThickness) {
  const QString out = Out("bars.png");
  ASSERT_EQ(RunPictureCommand({Example("bar-fourfold.txt"), QStringLiteral("--bar-width"), QStringLiteral("5"),
                               QStringLiteral("-o"), out}),
            0);
  const kven::Puzzle p = Decoded(Example("bar-fourfold.txt"));
  const QImage image = QImage(out).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(image, kven::MakePuzzleBitmap(p, 5));
  EXPECT_NE(image, kven::MakePuzzleBitmap(p, 2));
}

TEST_F(PictureCommandTest, RefusedTextStillWritesThePictureAndReturnsOne) {
  const QString in = Out("junk.txt");
  {
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no puzzle here\r\n");
  }
  const QString out = Out("junk.bmp");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunPictureCommand({in, QStringLiteral("-o"), out}), 1);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Oops - We hit Invalid Data"), std::string::npos);
  EXPECT_EQ(QImage(out).size(), QSize(392, 424));  // the empty 12 x 12 grid of New
}

TEST_F(PictureCommandTest, UnreadableInputAndUnwritableOutputAreFileErrors) {
  const QString missing = Out("missing.txt");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunPictureCommand({missing, QStringLiteral("-o"), Out("a.bmp")}), 2);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Cannot open file " + missing.toStdString()),
            std::string::npos);
  EXPECT_FALSE(QFile::exists(Out("a.bmp")));

  const QString unwritable = Out("no-such-dir/a.bmp");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunPictureCommand({Example("block-twofold.txt"), QStringLiteral("-o"), unwritable}), 2);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Cannot create file " + unwritable.toStdString()),
            std::string::npos);
}

class PictureCommandUsageTest : public ::testing::TestWithParam<std::vector<const char*>> {};

TEST_P(PictureCommandUsageTest, RejectsBadArguments) {
  QStringList arguments;
  for (const char* a : GetParam()) arguments << QString::fromUtf8(a);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunPictureCommand(arguments), 2);
  EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, PictureCommandUsageTest,
    ::testing::Values(std::vector<const char*>{}, std::vector<const char*>{"in.txt"},
                      std::vector<const char*>{"in.txt", "-o"},
                      std::vector<const char*>{"a.txt", "b.txt", "-o", "/tmp/x.bmp"},
                      std::vector<const char*>{"in.txt", "-o", "/tmp/x.bmp", "--bar-width", "0"},
                      std::vector<const char*>{"in.txt", "-o", "/tmp/x.bmp", "--bar-width", "7"},
                      std::vector<const char*>{"in.txt", "-o", "/tmp/x.bmp", "--bar-width", "two"},
                      std::vector<const char*>{"in.txt", "-o", "/tmp/x.bmp", "--frame"}));

}  // namespace
