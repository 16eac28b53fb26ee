#include "picture_command.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "read_puzzle.h"
#include "render/puzzle_picture.h"
#include "support/test_puzzles.h"

namespace kven::tool {
namespace {

std::string Example(const char* name) { return std::string(KVEN_EXAMPLES_DIR "/") + name; }

// The bitmap that Copy as "Grid" makes after opening an example.
QImage Expected(const char* example, int barWidth) {
  Puzzle p;
  ReadAsOpen(test::ReadExample(example), p);
  return MakePuzzleBitmap(p, barWidth);
}

Options PictureOf(std::vector<std::string> inputs, const QString& output, int barWidth = 2) {
  Options options;
  options.command = Command::Picture;
  options.inputs = std::move(inputs);
  options.output = output.toStdString();
  options.barWidth = barWidth;
  return options;
}

// Runs the command; returns its status and what it wrote to stderr.
std::pair<int, std::string> RunCommand(const Options& options) {
  ::testing::internal::CaptureStderr();
  const int status = RunPictureCommand(options);
  return {status, ::testing::internal::GetCapturedStderr()};
}

TEST(PictureCommandTest, WritesBmpOrPngByNameWithTheGivenBarWidth) {
  QTemporaryDir dir;
  const QString bmp = dir.filePath(QStringLiteral("Xword.bmp"));
  const QString png = dir.filePath(QStringLiteral("bars.PNG"));
  ASSERT_EQ(RunCommand(PictureOf({Example("block-twofold.txt")}, bmp)).first, 0);
  ASSERT_EQ(RunCommand(PictureOf({Example("bar-fourfold.txt")}, png, 5)).first, 0);
  for (const auto& [out, format, magic, example, width] :
       {std::tuple{bmp, "BMP", "BM", "block-twofold.txt", 2}, {png, "PNG", "\x89PNG", "bar-fourfold.txt", 5}}) {
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4).left(qstrlen(magic)), QByteArray(magic));
    const QImage image = QImage(out, format).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image, Expected(example, width)) << example;
  }
}

TEST(PictureCommandTest, SeveralInputsGoIntoAFolderNamedAfterThem) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("pictures"));
  Options options = PictureOf({Example("block-twofold.txt"), Example("bar-fourfold.txt")}, folder);
  options.format = "png";
  ASSERT_EQ(RunCommand(options).first, 0);
  EXPECT_EQ(QImage(folder + QStringLiteral("/block-twofold.png")).convertToFormat(QImage::Format_RGB32),
            Expected("block-twofold.txt", 2));
  EXPECT_EQ(QImage(folder + QStringLiteral("/bar-fourfold.png")).convertToFormat(QImage::Format_RGB32),
            Expected("bar-fourfold.txt", 2));
}

TEST(PictureCommandTest, RefusedTextStillWritesThePictureAndReturnsOne) {
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("junk.txt"));
  QFile file(in);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("no puzzle here\r\n") > 0);
  file.close();
  const QString out = dir.filePath(QStringLiteral("junk.bmp"));
  const auto [status, errors] = RunCommand(PictureOf({in.toStdString()}, out));
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("Oops - We hit Invalid Data"), std::string::npos);
  EXPECT_EQ(QImage(out).size(), QSize(392, 424));  // the empty 12 x 12 grid of New
}

TEST(PictureCommandTest, UnreadableInputOrUnwritableOutputReturnsTwo) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("missing.txt"));
  const QString unwritable = dir.filePath(QStringLiteral("no/a.bmp"));
  const auto [missingStatus, missingErrors] = RunCommand(PictureOf({missing.toStdString()}, dir.filePath(QStringLiteral("a.bmp"))));
  EXPECT_EQ(missingStatus, 2);
  EXPECT_NE(missingErrors.find("Cannot open file " + missing.toStdString()), std::string::npos) << missingErrors;
  const auto [status, errors] = RunCommand(PictureOf({Example("block-twofold.txt")}, unwritable));
  EXPECT_EQ(status, 2);
  EXPECT_NE(errors.find("Cannot create file " + unwritable.toStdString()), std::string::npos) << errors;
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.bmp"))));
}

}  // namespace
}  // namespace kven::tool
