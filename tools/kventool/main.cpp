// kventool: the headless companion of KVEN3 for batch use.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "kventool_core.h"

#include <QGuiApplication>

#include "picture_command.h"

namespace {

constexpr int ExitDecoded = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

const char* const Usage =
    "Usage: kventool COMMAND [FILE] [options]\n"
    "\n"
    "Reads KVEN text from FILE (or standard input when FILE is - or absent) as the\n"
    "Open command of KVEN3 does, and then:\n"
    "  decode    prints the decoded puzzle as one JSON object\n"
    "  encode    writes the puzzle's KVEN text (CR LF after every line)\n"
    "  clues     writes the clue-list skeleton (CR LF after every line)\n"
    "  picture   writes the grid picture: picture [FILE] -o OUT [--bar-width N]\n"
    "            (BMP, or PNG when OUT ends in .png; N is 1..6, default 2)\n"
    "\n"
    "Exit status: 0 decoded, 1 text refused (invalid data or range error; the\n"
    "state left behind is still written), 2 usage error or unreadable file.\n"
    "\n"
    "Example:\n"
    "  kventool decode examples/mini-blocks.txt\n"
    "  printf 'KVEN 2 5 5\\r\\nBLK 2 4 7 Z\\r\\n' | kventool encode\n";

int UsageError(const QString& message) {
  std::fprintf(stderr, "kventool: %s\nTry 'kventool --help'.\n", message.toLocal8Bit().constData());
  return ExitUsage;
}

int RunTextCommand(const QString& command, const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("KVEN text file, or - for standard input"));
  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return UsageError(QStringLiteral("too many arguments"));
  const QString file = files.isEmpty() ? QString() : files.first();

  std::string text;
  if (!kven::tool::ReadInput(file.toLocal8Bit().toStdString(), text)) {
    std::fprintf(stderr, "Cannot open file %s\n", file.toLocal8Bit().constData());
    return ExitUsage;
  }
  kven::Puzzle puzzle;
  kven::EditorState editor;
  const kven::tool::DecodeOutcome outcome = kven::tool::DecodeAsOpen(text, puzzle, editor);

  std::string output;
  if (command == QLatin1String("decode")) {
    output = kven::tool::PuzzleJson(puzzle, outcome);
  } else if (command == QLatin1String("encode")) {
    output = kven::tool::EncodedText(puzzle);
  } else {
    output = kven::tool::ClueListText(puzzle);
  }
  std::fwrite(output.data(), 1, output.size(), stdout);
  std::fflush(stdout);
  if (!outcome.valid && command != QLatin1String("decode"))
    std::fprintf(stderr, "kventool: %s\n", outcome.message.c_str());
  return outcome.valid ? ExitDecoded : ExitRefused;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string first = argc > 1 ? argv[1] : "";
  std::unique_ptr<QCoreApplication> app;
  if (first == "picture") {
    // A picture needs fonts and a paint device, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  if (!app) app = std::make_unique<QCoreApplication>(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kventool"));

  QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 2) return UsageError(QStringLiteral("missing command"));
  const QString command = arguments.at(1);
  if (command == QLatin1String("-h") || command == QLatin1String("--help") || command == QLatin1String("help")) {
    std::fputs(Usage, stdout);
    return ExitDecoded;
  }
  arguments.removeAt(1);  // the parsers see the program name and what follows the command
  if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
    std::fputs(Usage, stdout);
    return ExitDecoded;
  }
  if (command == QLatin1String("decode") || command == QLatin1String("encode") || command == QLatin1String("clues"))
    return RunTextCommand(command, arguments);
  if (command == QLatin1String("picture")) return RunPictureCommand(arguments.mid(1));
  return UsageError(QStringLiteral("unknown command '%1'").arg(command));
}
