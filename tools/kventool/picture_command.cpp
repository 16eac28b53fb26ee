#include "picture_command.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <string>

#include "kventool_core.h"
#include "render/puzzle_picture.h"

namespace {

constexpr int ExitWritten = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

constexpr int DefaultBarWidth = 2;

int UsageError(const QString& message) {
  std::fprintf(stderr, "kventool picture: %s\nUsage: kventool picture [FILE] -o OUT [--bar-width N]\n",
               message.toLocal8Bit().constData());
  return ExitUsage;
}

QByteArray NativeName(const QString& name) { return QDir::toNativeSeparators(name).toLocal8Bit(); }

}  // namespace

int RunPictureCommand(const QStringList& arguments) {
  // Fonts need a GUI application object; main makes one, offscreen.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    std::fprintf(stderr, "kventool picture: needs a GUI application object\n");
    return ExitUsage;
  }

  QCommandLineParser parser;
  const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                        QStringLiteral("The picture file (BMP, or PNG for a .png name)."),
                                        QStringLiteral("OUT"));
  const QCommandLineOption barWidthOption(QStringLiteral("bar-width"),
                                          QStringLiteral("Bar thickness in pixels, 1..6."), QStringLiteral("N"),
                                          QString::number(DefaultBarWidth));
  parser.addOption(outputOption);
  parser.addOption(barWidthOption);
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("KVEN text file, or - for standard input"));
  if (!parser.parse(QStringList{QStringLiteral("kventool picture")} + arguments))
    return UsageError(parser.errorText());

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return UsageError(QStringLiteral("too many arguments"));
  const QString output = parser.value(outputOption);
  if (output.isEmpty()) return UsageError(QStringLiteral("missing -o OUT"));
  bool isNumber = false;
  const int barWidth = parser.value(barWidthOption).toInt(&isNumber);
  if (!isNumber || barWidth < 1 || barWidth > 6)
    return UsageError(QStringLiteral("--bar-width must be a number from 1 to 6"));

  const QString input = files.isEmpty() ? QString() : files.first();
  std::string text;
  if (!kven::tool::ReadInput(input.toLocal8Bit().toStdString(), text)) {
    std::fprintf(stderr, "Cannot open file %s\n", NativeName(input).constData());
    return ExitUsage;
  }

  kven::Puzzle puzzle;
  kven::EditorState editor;
  const kven::tool::DecodeOutcome outcome = kven::tool::DecodeAsOpen(text, puzzle, editor);

  const QImage picture = kven::MakePuzzleBitmap(puzzle, barWidth);
  const char* format = output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
  QString detail;
  if (!kven::SavePicture(picture, output, format, &detail)) {
    std::fprintf(stderr, "Cannot create file %s\n", NativeName(output).constData());
    if (!detail.isEmpty()) std::fprintf(stderr, "kventool picture: %s\n", detail.toLocal8Bit().constData());
    return ExitUsage;
  }
  if (!outcome.valid) {
    std::fprintf(stderr, "kventool: %s\n", outcome.message.c_str());
    return ExitRefused;
  }
  return ExitWritten;
}
