#include "picture_command.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <map>

#include "kventool_core.h"
#include "render/puzzle_picture.h"
#include "support/test_puzzles.h"

namespace {

QString Example(const char* name) { return QStringLiteral(KVEN_EXAMPLES_DIR "/") + QLatin1String(name); }

// The bitmap that Copy as "Grid" makes after opening an example.
QImage Expected(const char* example, int barWidth) {
  kven::Puzzle p;
  kven::EditorState e;
  kven::tool::DecodeAsOpen(kven::test::ReadExample(example), p, e);
  return kven::MakePuzzleBitmap(p, barWidth);
}

// Runs the command; returns its status and what it wrote to stderr.
std::pair<int, std::string> RunPicture(const QStringList& arguments) {
  ::testing::internal::CaptureStderr();
  const int status = RunPictureCommand(arguments);
  return {status, ::testing::internal::GetCapturedStderr()};
}

TEST(PictureCommandTest, WritesBmpOrPngByNameWithTheGivenBarWidth) {
  QTemporaryDir dir;
  const QString bmp = dir.filePath(QStringLiteral("Xword.bmp"));
  const QString png = dir.filePath(QStringLiteral("bars.PNG"));
  ASSERT_EQ(RunPicture({Example("block-twofold.txt"), QStringLiteral("-o"), bmp}).first, 0);
  const QStringList pngArguments{QStringLiteral("--output"), png, QStringLiteral("--bar-width"), QStringLiteral("5"),
                                 Example("bar-fourfold.txt")};
  ASSERT_EQ(RunPicture(pngArguments).first, 0);
  for (const auto& [out, format, magic, example, width] :
       {std::tuple{bmp, "BMP", "BM", "block-twofold.txt", 2}, {png, "PNG", "\x89PNG", "bar-fourfold.txt", 5}}) {
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4).left(qstrlen(magic)), QByteArray(magic));
    const QImage image = QImage(out, format).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image, Expected(example, width)) << example;
  }
}

TEST(PictureCommandTest, RefusedTextStillWritesThePictureAndReturnsOne) {
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("junk.txt"));
  QFile file(in);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("no puzzle here\r\n") > 0);
  file.close();
  const QString out = dir.filePath(QStringLiteral("junk.bmp"));
  const auto [status, errors] = RunPicture({in, QStringLiteral("-o"), out});
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("Oops - We hit Invalid Data"), std::string::npos);
  EXPECT_EQ(QImage(out).size(), QSize(392, 424));  // the empty 12 x 12 grid of New
}

TEST(PictureCommandTest, FileAndUsageErrorsReturnTwo) {
  QTemporaryDir dir;
  const std::map<QString, QString> paths{{QStringLiteral("OUT"), dir.filePath(QStringLiteral("a.bmp"))},
                                         {QStringLiteral("MISSING"), dir.filePath(QStringLiteral("missing.txt"))},
                                         {QStringLiteral("UNWRITABLE"), dir.filePath(QStringLiteral("no/a.bmp"))},
                                         {QStringLiteral("EXAMPLE"), Example("block-twofold.txt")}};
  // Arguments, with the names above standing for paths, and what stderr must say.
  const std::pair<const char*, QString> cases[] = {
      {"MISSING -o OUT", QStringLiteral("Cannot open file ") + paths.at(QStringLiteral("MISSING"))},
      {"EXAMPLE -o UNWRITABLE", QStringLiteral("Cannot create file ") + paths.at(QStringLiteral("UNWRITABLE"))},
      {"", QString()}, {"in.txt", QString()}, {"in.txt -o", QString()}, {"a.txt b.txt -o OUT", QString()},
      {"in.txt -o OUT --frame", QString()}, {"in.txt -o OUT --bar-width 0", QString()},
      {"in.txt -o OUT --bar-width 7", QString()}, {"in.txt -o OUT --bar-width two", QString()}};
  for (const auto& [line, message] : cases) {
    QStringList arguments;
    for (const QString& word : QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts))
      arguments << (paths.count(word) != 0 ? paths.at(word) : word);
    const auto [status, errors] = RunPicture(arguments);
    EXPECT_EQ(status, 2) << line;
    EXPECT_FALSE(errors.empty()) << line;
    EXPECT_NE(errors.find(message.toStdString()), std::string::npos) << errors;
  }
  EXPECT_FALSE(QFile::exists(paths.at(QStringLiteral("OUT"))));
}

}  // namespace
