#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kven {

// Lines the program builds, and the title, are short strings: anything
// appended beyond this many characters is cut off without notice.
inline constexpr std::size_t MaxShortString = 255;

// Appends text to line, cut at MaxShortString characters in all.
inline void AppendShort(std::string& line, std::string_view text) {
  if (line.size() >= MaxShortString) return;
  line.append(text.substr(0, MaxShortString - line.size()));
}

}  // namespace kven
