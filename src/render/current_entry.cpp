#include "render/current_entry.h"

namespace kven {

std::vector<std::pair<int, int>> CurrentEntry(const Puzzle& p, const EditorState& e) {
  if (e.EntryMode != EntryMode::Solution || !IsOpenSquare(p, e.CursorCol, e.CursorRow)) return {};
  const bool across = e.Direction == Direction::Left || e.Direction == Direction::Right;
  const int dc = across ? 1 : 0;
  const int dr = across ? 0 : 1;
  // Whether (col, row) and the square after it along the entry are both open
  // and no bar lies between them.
  const auto joined = [&](int col, int row) {
    if (!IsOpenSquare(p, col, row) || !IsOpenSquare(p, col + dc, row + dr)) return false;
    return across ? p.VBars(col, row) == 0 : p.HBars(col, row) == 0;
  };
  int col = e.CursorCol;
  int row = e.CursorRow;
  while (joined(col - dc, row - dr)) {
    col -= dc;
    row -= dr;
  }
  std::vector<std::pair<int, int>> squares{{col, row}};
  while (joined(col, row)) {
    col += dc;
    row += dr;
    squares.emplace_back(col, row);
  }
  return squares;
}

}  // namespace kven
