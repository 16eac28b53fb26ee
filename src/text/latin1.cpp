#include "text/latin1.h"

namespace kven {

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char ch : latin1) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

namespace {

bool IsContinuation(std::string_view s, std::size_t i) {
  return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
}

// Length of the well-formed sequence that a lead byte starts, 0 for a byte
// that starts none (a stray continuation byte, an overlong or out-of-range lead).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string Utf8ToLatin1(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = SequenceLength(lead);
    bool complete = length > 0;
    for (std::size_t k = 1; complete && k < length; ++k) complete = IsContinuation(utf8, i + k);
    if (!complete) {
      // Resynchronise on the next byte, so one bad byte costs one character.
      out += replacement;
      ++i;
      continue;
    }
    if (length == 1) {
      out += static_cast<char>(lead);
    } else if (length == 2 && lead <= 0xC3) {
      out += static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
    } else {
      out += replacement;  // above U+00FF
    }
    i += length;
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0) return false;
    for (std::size_t k = 1; k < length; ++k)
      if (!IsContinuation(text, i + k)) return false;
    i += length;
  }
  return true;
}

bool FitsLatin1(std::string_view utf8) { return Latin1ToUtf8(Utf8ToLatin1(utf8)) == utf8; }

}  // namespace kven
