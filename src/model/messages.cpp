#include "model/messages.h"

namespace kven::message {

std::string Format(std::string_view message, std::string_view text) {
  std::string filled(message);
  if (const auto at = filled.find("%s"); at != std::string::npos) filled.replace(at, 2, text);
  return filled;
}

}  // namespace kven::message
