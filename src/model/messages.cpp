#include "model/messages.h"

namespace kven::message {

std::string WithFileName(std::string_view message, std::string_view fileName) {
  std::string text(message);
  if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, fileName);
  return text;
}

}  // namespace kven::message
