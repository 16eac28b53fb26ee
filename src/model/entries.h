#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/puzzle.h"

namespace kven {

enum class EntryDirection { Across, Down };

// A square of the grid, [col, row].
struct Square {
  int col = 0;
  int row = 0;
  bool operator==(const Square&) const = default;
};

// An entry of the diagram: a run of two or more open squares across or down.
struct DiagramEntry {
  EntryDirection direction = EntryDirection::Across;
  int col = 0;  // the first square
  int row = 0;
  int length = 0;
  bool operator==(const DiagramEntry&) const = default;
};

// True when a run across (down) may pass from [col, row] to the next square
// to the right (below): both squares are in the grid and open, and no bar
// lies between them.
bool JoinsAcross(const Puzzle& p, int col, int row);
bool JoinsDown(const Puzzle& p, int col, int row);

// The entries read from the diagram itself, whatever its numbering: runs
// broken by blocks, by bars (a bar on a square's right edge ends an across
// run there, on its bottom edge a down run) and by the grid's edge. Across
// entries first, then down entries, each in the reading order of their first
// squares, which is the order of the clue list.
std::vector<DiagramEntry> DiagramEntries(const Puzzle& p);

// The square at `position` (0-based) of the entry, and all its squares in order.
Square EntrySquare(const DiagramEntry& e, int position);
std::vector<Square> EntrySquares(const DiagramEntry& e);
// Whether the entry runs over [col, row]; the square's place in it, or -1.
int PositionIn(const DiagramEntry& e, int col, int row);
inline bool Holds(const DiagramEntry& e, int col, int row) { return PositionIn(e, col, row) >= 0; }

// The entry of `direction` that runs over [col, row]; none for a square in
// no entry that way (a block, a square between blocks or bars).
std::optional<DiagramEntry> EntryAt(const Puzzle& p, int col, int row, EntryDirection direction);

// The clue number the entry carries: the number on its first square while
// the diagram is numbered, else 0.
std::int32_t EntryNumber(const Puzzle& p, int col, int row);
inline std::int32_t EntryNumber(const Puzzle& p, const DiagramEntry& e) { return EntryNumber(p, e.col, e.row); }

// "across" or "down".
std::string_view DirectionWord(EntryDirection direction);
// "12" for an entry whose first square [col, row] carries `number`, else
// that square "3,4": the one way entries are labelled everywhere.
std::string EntryLabel(std::int32_t number, int col, int row);
// "12" for a numbered entry, else its first square "3,4".
inline std::string EntryLabel(const Puzzle& p, const DiagramEntry& e) {
  return EntryLabel(EntryNumber(p, e), e.col, e.row);
}
// "12 across" for a numbered entry, else its first square: "3,4 down".
std::string EntryName(const Puzzle& p, const DiagramEntry& e);
// The entry a user names ("5 across", "5a", "5 d", "5ac", "3,4 down"), case
// and blanks ignored; none when the diagram has no such entry.
std::optional<DiagramEntry> EntryNamed(const Puzzle& p, std::string_view name);

}  // namespace kven
