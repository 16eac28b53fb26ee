#include "render/current_entry.h"

#include "model/entries.h"

namespace kven {

std::vector<std::pair<int, int>> CurrentEntry(const Puzzle& p, const EditorState& e) {
  if (e.EntryMode != EntryMode::Solution || !IsOpenSquare(p, e.CursorCol, e.CursorRow)) return {};
  const bool across = e.Direction == Direction::Left || e.Direction == Direction::Right;
  const std::optional<DiagramEntry> entry =
      EntryAt(p, e.CursorCol, e.CursorRow, across ? EntryDirection::Across : EntryDirection::Down);
  // A square no entry runs through that way is its own run.
  if (!entry) return {{e.CursorCol, e.CursorRow}};
  std::vector<std::pair<int, int>> squares;
  for (const Square& s : EntrySquares(*entry)) squares.emplace_back(s.col, s.row);
  return squares;
}

}  // namespace kven
