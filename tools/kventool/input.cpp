#include "input.h"

#include <unistd.h>

#include "io/files.h"
#include "model/messages.h"

namespace kven::tool {

std::optional<std::string> ReadInput(const std::string& name, std::string& error) {
  io::ReadResult read = name == "-" ? io::ReadDescriptor(STDIN_FILENO) : io::ReadFile(name, io::Accept::AnyReadable);
  switch (read.status) {
    case io::ReadStatus::Read:
      return std::move(read.bytes);
    case io::ReadStatus::TooLarge:
      error = message::Format(message::TooLargeFile(), name);
      return std::nullopt;
    case io::ReadStatus::CannotOpen:
      break;
  }
  error = message::Format(message::CannotOpenFile, name);
  return std::nullopt;
}

}  // namespace kven::tool
