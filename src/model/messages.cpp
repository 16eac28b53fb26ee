#include "model/messages.h"

#include "io/files.h"

namespace kven::message {

std::string Mebibytes(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

std::string TooLargeFile() {
  return "Cannot open file %s: it is larger than " + Mebibytes(io::MaxInputBytes) + ", the most a text may be";
}

std::string TooLargeClipboard() {
  return "The clipboard holds more than " + Mebibytes(io::MaxInputBytes) + ", the most a text may be";
}

std::string Format(std::string_view message, std::string_view text) {
  std::string filled(message);
  if (const auto at = filled.find("%s"); at != std::string::npos) filled.replace(at, 2, text);
  return filled;
}

}  // namespace kven::message
