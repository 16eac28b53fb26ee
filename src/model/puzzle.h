#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/puzzle_view.h"
#include "model/square_array.h"

namespace kven {

inline constexpr int MinSide = 5;
inline constexpr int MaxEntries = 100;   // length of each across / down list
inline constexpr int ListSentinel = 999;  // ends a square list, as "Z" does
inline constexpr std::size_t MaxShortString = 255;

// The program's own run-time error for a fixed limit reached (the 101st
// across or down entry). It ends the current command; whoever runs commands
// catches it and shows what() ("Range check error").
class RangeError : public std::runtime_error {
 public:
  RangeError() : std::runtime_error("Range check error") {}
};

using TextLineList = std::vector<std::string>;

// The one crossword in memory. Plain data: operations are free functions.
// Per-square arrays are indexed [col, row] over 1..30; only
// [1..HSquares, 1..VSquares] belongs to the puzzle.
struct Puzzle {
  std::int32_t HSquares = 0;
  std::int32_t VSquares = 0;
  std::int32_t HalfH = 0;
  std::int32_t HalfV = 0;
  std::int32_t OddFlags = 0;
  std::int32_t Symmetry = 0;

  SquareArray<std::uint8_t> Blocks;
  SquareArray<std::uint8_t> HBars;  // bar on the bottom edge of the square
  SquareArray<std::uint8_t> VBars;  // bar on the right edge of the square
  SquareArray<std::uint8_t> VBarMarks;
  SquareArray<char> Letters;  // "." none, " " blank mark, "A".."Z"
  SquareArray<std::int32_t> Numbers;

  std::string Title;
  TextLineList TextLines;
  std::int32_t TokenLine = 0;
  std::int32_t TokenPos = 0;

  bool BlockDiagram = false;
  bool BarDiagram = false;
  bool HasSolution = false;

  // Numbering.
  bool AutoNumbered = false;
  bool ManualNumbered = false;
  std::int32_t NextNumber = 0;
  std::array<std::int32_t, MaxEntries + 1> AcrossNumbers{};  // entries 1..100
  std::array<std::int32_t, MaxEntries + 1> DownNumbers{};
  std::int32_t AcrossCount = 0;
  std::int32_t DownCount = 0;

  TextLineList ClueLines;
};

// Entry modes (EditorState::EntryMode); any other value makes a click only repaint.
inline constexpr std::int32_t Block = 1;
inline constexpr std::int32_t Hbar = 2;
inline constexpr std::int32_t Vbar = 4;
inline constexpr std::int32_t Solution = 8;
inline constexpr std::int32_t ManualNumber = 16;

// Cursor directions.
inline constexpr std::uint8_t DirUp = 0;
inline constexpr std::uint8_t DirLeft = 1;
inline constexpr std::uint8_t DirDown = 2;
inline constexpr std::uint8_t DirRight = 3;

// The editing state that the main window owns and the core reads and moves.
struct EditorState {
  std::int32_t EntryMode = Hbar;
  std::int32_t CursorCol = 1;
  std::int32_t CursorRow = 1;
  std::uint8_t Direction = DirRight;
  std::int32_t BarWidth = 2;
};

// True for what a square can hold as its solution: a letter A..Z or the
// blank mark. "." (no letter) and anything else is not.
inline constexpr bool IsLetterOrBlank(char ch) { return ch == ' ' || (ch >= 'A' && ch <= 'Z'); }

// True when [col, row] is a square of the puzzle (sizes never exceed 30).
inline bool InGrid(const Puzzle& p, int col, int row) {
  return col >= 1 && col <= p.HSquares && row >= 1 && row <= p.VSquares && InArrayRange(col, row);
}
// True when [col, row] is a square of the puzzle and not blocked.
inline bool IsOpenSquare(const Puzzle& p, int col, int row) {
  return InGrid(p, col, row) && p.Blocks(col, row) == 0;
}

// Square number (row - 1) * HSquares + col, and back. SquareFromNumber
// returns false (and leaves col/row alone) for a number naming no square.
std::int32_t SquareNumber(const Puzzle& p, int col, int row);
bool SquareFromNumber(const Puzzle& p, std::int32_t n, int& col, int& row);

// Clamps the size, recomputes the derived fields, clears every per-square
// array and the title, and tells the view the window steps in order.
void ResetPuzzle(Puzzle& p, PuzzleView& view);

// Single-square toggles (no symmetry). ToggleBlock does nothing at all for a
// column or row of 0; the bar toggles always make the diagram a bar diagram
// and ignore the outer border.
void ToggleBlock(Puzzle& p, GridView& view, int col, int row);
void ToggleHBar(Puzzle& p, int col, int row);
void ToggleVBar(Puzzle& p, int col, int row);

// Stores ch as the square's letter, sets HasSolution and has the view draw it.
void PaintLetter(Puzzle& p, GridView& view, int col, int row, char ch);

// Copies text into a short string: anything past 255 characters is cut off.
void AppendShort(std::string& line, std::string_view text);

// The non-window steps of start-up (first activation) and of File > New.
void StartUpPuzzle(Puzzle& p, EditorState& e, PuzzleView& view);
void NewPuzzle(Puzzle& p, EditorState& e, PuzzleView& view);

}  // namespace kven
