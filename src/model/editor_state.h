#pragma once

#include <algorithm>
#include <cstdint>

namespace kven {

// What a click on the grid does. The first five values are those the program
// has always given them. Circle and Shade mark squares beside the diagram, in
// the document's square styles, which the window toggles: for the puzzle's own
// click they are, as any other value, only a repaint.
enum class EntryMode : std::int32_t {
  Block = 1,
  Hbar = 2,
  Vbar = 4,
  Solution = 8,
  ManualNumber = 16,
  Circle = 32,
  Shade = 64,
};

// Where the solution cursor moves after a letter.
enum class Direction : std::uint8_t { Up = 0, Left = 1, Down = 2, Right = 3 };

// The thickness of bars on screen and in the bitmap picture, in pixels.
inline constexpr int MinBarWidth = 1;
inline constexpr int MaxBarWidth = 6;
inline constexpr int DefaultBarWidth = 2;

constexpr int ClampBarWidth(std::int64_t width) {
  return static_cast<int>(std::clamp<std::int64_t>(width, MinBarWidth, MaxBarWidth));
}

// The editing state that the main window owns and the core reads and moves.
// CursorCol and CursorRow hold a position outside the grid once the cursor
// has run off it.
struct EditorState {
  kven::EntryMode EntryMode = kven::EntryMode::Hbar;
  std::int32_t CursorCol = 1;
  std::int32_t CursorRow = 1;
  kven::Direction Direction = kven::Direction::Right;
  std::int32_t BarWidth = DefaultBarWidth;
  // The number the last manual entry stored, plus one, as the number field
  // then shows it. A step of manual numbering, not part of the puzzle: it
  // neither makes nor undoes a change.
  std::int32_t NextNumber = 1;
};

}  // namespace kven
