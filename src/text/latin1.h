#pragma once

#include <string>
#include <string_view>

namespace kven {

// The program's texts are single bytes; where UTF-8 is wanted (JSON, ipuz)
// each byte is read as a Latin-1 character.
inline std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += static_cast<char>(b);
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

}  // namespace kven
