#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/editor_state.h"
#include "model/marks.h"
#include "model/messages.h"
#include "model/puzzle_kinds.h"
#include "model/puzzle_view.h"
#include "model/short_string.h"
#include "model/square_array.h"

namespace kven {

inline constexpr int MinSide = 5;
// Length of each across / down list: one entry a square at most, so every
// diagram a grid can hold is listed whole (a 30 x 30 bar diagram has up to
// 450 entries a direction).
inline constexpr int MaxEntries = MaxSide * MaxSide;
inline constexpr int ListSentinel = 999;  // ends a square list, as "Z" does

using EntryList = std::array<std::int32_t, MaxEntries + 1>;  // entries 1..MaxEntries; [0] unused

// The one crossword in memory. Plain data, so a copy is a snapshot;
// operations are free functions. Per-square arrays are indexed [col, row]
// over 1..30; only [1..HSquares, 1..VSquares] belongs to the puzzle.
struct Puzzle {
  std::int32_t HSquares = 0;
  std::int32_t VSquares = 0;
  std::int32_t Symmetry = NoSymmetry;

  SquareArray<std::uint8_t> Blocks;
  SquareArray<std::uint8_t> HBars;  // bar on the bottom edge of the square
  SquareArray<std::uint8_t> VBars;  // bar on the right edge of the square
  SquareArray<char> Letters;        // "." none, " " blank mark, "A".."Z"
  SquareArray<std::int32_t> Numbers;

  std::string Title;

  // The diagram kind and the numbering kind: read them through
  // DiagramKindOf and NumberingKindOf, set them through SetDiagramKind and
  // SetNumberingKind.
  bool BlockDiagram = false;
  bool BarDiagram = false;
  bool HasSolution = false;

  // Numbering.
  bool AutoNumbered = false;
  bool ManualNumbered = false;
  EntryList AcrossNumbers{};
  EntryList DownNumbers{};
  std::int32_t AcrossCount = 0;
  std::int32_t DownCount = 0;

  bool operator==(const Puzzle&) const = default;
};

// Half the width (height) rounded up, the middle column (row) of an odd
// side; and 1 when the width is odd plus 2 when the height is.
inline int HalfH(const Puzzle& p) { return (p.HSquares + 1) / 2; }
inline int HalfV(const Puzzle& p) { return (p.VSquares + 1) / 2; }
inline int OddFlags(const Puzzle& p) { return (p.HSquares % 2 != 0 ? 1 : 0) + (p.VSquares % 2 != 0 ? 2 : 0); }

// True for what a square can hold as its solution: a letter A..Z or the
// blank mark. "." (no letter) and anything else is not.
inline constexpr bool IsLetterOrBlank(char ch) { return ch == ' ' || (ch >= 'A' && ch <= 'Z'); }

// Whether the squares' numbers are shown: numbered automatically or by hand.
inline bool IsNumbered(const Puzzle& p) { return NumberingKindOf(p) != NumberingKind::None; }

// True when [col, row] is a square of the puzzle (sizes never exceed 30).
inline bool InGrid(const Puzzle& p, int col, int row) {
  return col >= 1 && col <= p.HSquares && row >= 1 && row <= p.VSquares && InArrayRange(col, row);
}
// True when [col, row] is a square of the puzzle and not blocked.
inline bool IsOpenSquare(const Puzzle& p, int col, int row) {
  return InGrid(p, col, row) && p.Blocks(col, row) == 0;
}

// How many open squares of the grid hold no letter A..Z.
int SquaresWithoutLetter(const Puzzle& p);

// The puzzle with only the marks its diagram is drawn with, by the kind it
// is read as (ReadKind): the blocks of a block diagram (or of one of no kind
// yet), the bars of a bar diagram, both for both kinds; its size within
// 0..30. Marks of another kind would be neither painted nor written.
Puzzle DrawnDiagram(const Puzzle& p);

// Whether a block or bar is set (the mark must lie on a square of 1..30).
bool IsMarkSet(const Puzzle& p, const MarkAt& mark);
// Whether a mark of the kind is set on some square of the grid.
bool AnyMarkSet(const Puzzle& p, Mark kind);
// Whether every set block and bar of the grid has all its symmetric
// partners under the order set too, which makes the diagram symmetric.
bool HasAllPartners(const Puzzle& p, std::int32_t order);

// Square number (row - 1) * HSquares + col, and back. SquareFromNumber
// returns false (and leaves col/row alone) for a number naming no square.
std::int32_t SquareNumber(const Puzzle& p, int col, int row);
bool SquareFromNumber(const Puzzle& p, std::int32_t n, int& col, int& row);

// Clamps the size, recomputes the derived fields, clears every per-square
// array and the title, and tells the view the window steps in order.
void ResetPuzzle(Puzzle& p, PuzzleView& view);

// Single-square toggles (no symmetry). ToggleBlock does nothing at all for a
// column or row of 0; the bar toggles always make the diagram a bar diagram
// and ignore the outer border. ToggleMark toggles a mark of any kind.
void ToggleBlock(Puzzle& p, GridView& view, int col, int row);
void ToggleHBar(Puzzle& p, int col, int row);
void ToggleVBar(Puzzle& p, int col, int row);
void ToggleMark(Puzzle& p, GridView& view, const MarkAt& mark);

// Stores ch as the square's letter, sets HasSolution and has the view draw it.
void PaintLetter(Puzzle& p, GridView& view, int col, int row, char ch);

// The non-window steps of start-up (first activation) and of File > New:
// a 12 x 12 twofold grid with nothing placed, numbered or entered, Hbar
// entry. Start-up also sets the bar width and puts the cursor home; New
// keeps both.
void StartUpPuzzle(Puzzle& p, EditorState& e, PuzzleView& view);
void NewPuzzle(Puzzle& p, EditorState& e, PuzzleView& view);

}  // namespace kven
