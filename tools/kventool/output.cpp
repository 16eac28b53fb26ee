#include "output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/files.h"
#include "model/messages.h"

namespace kven::tool {

namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The input's file name without folder and without its last extension.
std::string Stem(const std::string& input) {
  if (input == "-") return "stdin";
  std::string name = input.substr(input.rfind('/') + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace

void Complain(const std::string& message, const std::string& reason) {
  std::string text = message + "\n";
  if (!reason.empty()) text += "kventool: " + reason + "\n";
  io::WriteAll(STDERR_FILENO, text);
}

Output::Output(const std::string& option, const std::vector<std::string>& inputs, std::string extension)
    : option_(option), inputs_(inputs), extension_(std::move(extension)) {
  folder_ = !option_.empty() && (inputs_.size() > 1 || option_.back() == '/' || IsFolder(option_));
}

bool Output::Prepare() {
  if (!folder_ || IsFolder(option_)) return true;
  if (::mkdir(option_.c_str(), 0777) == 0) return true;
  Complain(message::Format(message::CannotCreateFile, option_), std::strerror(errno));
  return false;
}

std::string Output::PathFor(const std::string& input) const {
  if (!folder_) return option_;
  std::string folder = option_;
  if (folder.back() != '/') folder += '/';
  return folder + Stem(input) + extension_;
}

ExitCode Output::Write(const std::string& input, std::string_view bytes) const {
  const std::string path = PathFor(input);
  if (path.empty()) {
    const io::WriteResult written = io::WriteAll(STDOUT_FILENO, bytes);
    if (written.ok) return Done;
    Complain("kventool: cannot write standard output: " + written.reason);
    return WriteFailed;
  }
  // A batch must never write over one of its own inputs.
  const std::string target = io::RealPath(path);
  for (const std::string& other : inputs_) {
    if (!target.empty() && other != "-" && io::RealPath(other) == target) {
      Complain(message::Format(message::CannotCreateFile, path), "it is one of the inputs");
      return UsageError;
    }
  }
  const io::WriteResult written = io::SaveFile(path, bytes);
  if (written.ok) return Done;
  Complain(message::Format(message::CannotCreateFile, path), written.reason);
  return UsageError;
}

}  // namespace kven::tool
