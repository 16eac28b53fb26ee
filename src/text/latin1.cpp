#include "text/latin1.h"

#include "text/utf8.h"

namespace kven {

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char ch : latin1) AppendUtf8(out, static_cast<unsigned char>(ch));
  return out;
}

std::string Utf8ToLatin1(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> c = NextUtf8(utf8, i);
    if (!c) {
      // Resynchronise on the next byte, so one bad byte costs one character.
      out += replacement;
      ++i;
    } else {
      out += *c <= 0xFF ? static_cast<char>(*c) : replacement;
    }
  }
  return out;
}

bool FitsLatin1(std::string_view utf8) { return Latin1ToUtf8(Utf8ToLatin1(utf8)) == utf8; }

}  // namespace kven
