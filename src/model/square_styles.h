#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/square_array.h"

namespace kven {

// How a square is set apart beyond its diagram, as published puzzles mark
// squares for a theme: a circle inside it, a shaded background. The KVEN
// text cannot carry either; the document keeps them beside the puzzle.
struct SquareStyle {
  bool circled = false;
  bool shaded = false;
  // The shade's colour as 0xRRGGBB when the document named one; shaded
  // squares without one are drawn in the program's own grey.
  bool hasColour = false;
  std::uint32_t colour = 0;

  bool Plain() const { return !circled && !shaded; }
  bool operator==(const SquareStyle&) const = default;
};

// The program's grey for a shaded square without a colour of its own.
inline constexpr std::uint32_t DefaultShade = 0xD9D9D9;

// Every square's style, indexed [col, row] as the puzzle's arrays are.
struct SquareStyles {
  SquareArray<SquareStyle> squares;

  SquareStyle& operator()(int col, int row) { return squares(col, row); }
  const SquareStyle& operator()(int col, int row) const { return squares(col, row); }
  bool operator==(const SquareStyles&) const = default;
};

// Whether some square of the hSquares x vSquares grid is circled (shaded).
bool AnyCircled(const SquareStyles& styles, int hSquares, int vSquares);
bool AnyShaded(const SquareStyles& styles, int hSquares, int vSquares);

// The two marks a setter puts on a square, as Entry > Circle and Shade do.
enum class StyleMark { Circle, Shade };

// Puts the mark on the square, or takes it off where it is; a shade taken
// off takes its colour with it, and one put on is the program's grey.
void ToggleStyleMark(SquareStyles& styles, StyleMark mark, int col, int row);

// The shade's colour of a square: its own, else DefaultShade.
inline std::uint32_t ShadeColour(const SquareStyle& s) { return s.hasColour ? s.colour : DefaultShade; }

// A colour as documents write one: "RRGGBB", and back from "RRGGBB",
// "#RRGGBB", "RGB" or "#RGB" in either case; none for any other text.
std::string RgbHex(std::uint32_t colour);
std::optional<std::uint32_t> ParseRgbHex(std::string_view text);

}  // namespace kven
