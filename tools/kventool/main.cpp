// kventool: the command-line companion of KVEN3. The text commands need no
// Qt, so they start as fast as any small program; the picture and pdf commands are a
// program of its own, kventool-picture, run in kventool's place.
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

#include "commands.h"
#include "io/files.h"
#include "options.h"
#include "output.h"

namespace {

using namespace kven::tool;

int UsageFailure(const std::string& error) {
  Complain("kventool: " + error + "\nTry 'kventool --help'.");
  return UsageError;
}

// kventool-picture beside kventool (the build tree), or where the install
// puts it.
std::string PictureProgram() {
  char self[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return std::string();
  const std::string exe(self, static_cast<std::size_t>(length));
  const std::string folder = exe.substr(0, exe.rfind('/'));
  for (const std::string& candidate : {folder + "/kventool-picture", folder + "/../libexec/kven3/kventool-picture"})
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  return std::string();
}

int RunPicture(char* argv[]) {
  const std::string program = PictureProgram();
  if (program.empty()) {
    Complain("kventool: the picture command is not installed (kventool-picture is missing)");
    return UsageError;
  }
  ::execv(program.c_str(), argv);
  Complain("kventool: cannot run " + program);
  return UsageError;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  const std::optional<Options> options = ParseOptions(arguments, error);
  if (!options) return UsageFailure(error);
  switch (options->command) {
    case Command::Help:
    case Command::Version: {
      const std::string text = options->command == Command::Help ? HelpText() : VersionText();
      return kven::io::WriteAll(STDOUT_FILENO, text).ok ? Done : WriteFailed;
    }
    default:
      return DrawsWithQt(options->command) ? RunPicture(argv) : RunTextCommand(*options);
  }
}
