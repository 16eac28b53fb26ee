#include "model/square_styles.h"

namespace kven {

namespace {

template <typename Test>
bool AnySquare(const SquareStyles& styles, int hSquares, int vSquares, Test test) {
  for (int row = 1; row <= vSquares && row <= MaxSide; ++row)
    for (int col = 1; col <= hSquares && col <= MaxSide; ++col)
      if (test(styles(col, row))) return true;
  return false;
}

}  // namespace

bool AnyCircled(const SquareStyles& styles, int hSquares, int vSquares) {
  return AnySquare(styles, hSquares, vSquares, [](const SquareStyle& s) { return s.circled; });
}

bool AnyShaded(const SquareStyles& styles, int hSquares, int vSquares) {
  return AnySquare(styles, hSquares, vSquares, [](const SquareStyle& s) { return s.shaded; });
}

void ToggleStyleMark(SquareStyles& styles, StyleMark mark, int col, int row) {
  SquareStyle& style = styles(col, row);
  if (mark == StyleMark::Circle) {
    style.circled = !style.circled;
    return;
  }
  style.shaded = !style.shaded;
  style.hasColour = false;
  style.colour = 0;
}

std::string RgbHex(std::uint32_t colour) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string hex(6, '0');
  for (int i = 5; i >= 0; --i, colour >>= 4) hex[static_cast<std::size_t>(i)] = Digits[colour & 0xF];
  return hex;
}

std::optional<std::uint32_t> ParseRgbHex(std::string_view text) {
  if (text.starts_with('#')) text.remove_prefix(1);
  if (text.size() != 6 && text.size() != 3) return std::nullopt;
  std::uint32_t colour = 0;
  for (const char c : text) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    // A digit of the short form stands for a byte of two such digits.
    colour = text.size() == 3 ? colour * 256 + static_cast<std::uint32_t>(digit) * 17 : colour * 16 + static_cast<std::uint32_t>(digit);
  }
  return colour;
}

}  // namespace kven
