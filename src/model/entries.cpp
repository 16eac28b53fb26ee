#include "model/entries.h"

namespace kven {

bool JoinsAcross(const Puzzle& p, int col, int row) {
  return IsOpenSquare(p, col, row) && IsOpenSquare(p, col + 1, row) && p.VBars(col, row) == 0;
}

bool JoinsDown(const Puzzle& p, int col, int row) {
  return IsOpenSquare(p, col, row) && IsOpenSquare(p, col, row + 1) && p.HBars(col, row) == 0;
}

namespace {

void AddEntries(const Puzzle& p, EntryDirection direction, std::vector<DiagramEntry>& out) {
  const bool across = direction == EntryDirection::Across;
  const auto joins = across ? JoinsAcross : JoinsDown;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const int prevCol = across ? col - 1 : col;
      const int prevRow = across ? row : row - 1;
      if (joins(p, prevCol, prevRow) || !joins(p, col, row)) continue;
      int length = 1;
      for (int c = col, r = row; joins(p, c, r); across ? ++c : ++r) ++length;
      out.push_back({direction, col, row, length});
    }
  }
}

}  // namespace

std::vector<DiagramEntry> DiagramEntries(const Puzzle& p) {
  std::vector<DiagramEntry> entries;
  AddEntries(p, EntryDirection::Across, entries);
  AddEntries(p, EntryDirection::Down, entries);
  return entries;
}

}  // namespace kven
