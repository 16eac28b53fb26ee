// kventool-picture: the picture and pdf commands of kventool, a program of its own so
// that the text commands never load Qt. kventool runs it in its own place,
// with its own arguments.
#include <QGuiApplication>
#include <string>
#include <vector>

#include "options.h"
#include "output.h"
#include "pdf_command.h"
#include "picture_command.h"

int main(int argc, char* argv[]) {
  using namespace kven::tool;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  const std::optional<Options> options = ParseOptions(arguments, error);
  if (!options || !DrawsWithQt(options->command)) {
    Complain("kventool: " + (options ? std::string("kventool-picture draws pictures and PDF only") : error) +
             "\nTry 'kventool --help'.");
    return UsageError;
  }
  // A picture needs fonts and a paint device, never a screen; Qt's own
  // chatter (a missing runtime folder, say) is not the tool's to print.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  // Qt would take options such as -platform from the command line.
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  return options->command == Command::Pdf ? RunPdfCommand(*options) : RunPictureCommand(*options);
}
