#include "text/text_lines.h"

namespace kven {

TextLineList SplitLines(std::string_view text) {
  TextLineList lines;
  std::string current;
  bool pending = false;  // characters (or a break) seen since the last line ended
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      pending = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      pending = true;
    }
  }
  if (pending) lines.push_back(std::move(current));
  return lines;
}

std::string JoinLinesCrLf(const TextLineList& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace kven
