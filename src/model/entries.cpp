#include "model/entries.h"

#include <cctype>

namespace kven {

bool JoinsAcross(const Puzzle& p, int col, int row) {
  return IsOpenSquare(p, col, row) && IsOpenSquare(p, col + 1, row) && p.VBars(col, row) == 0;
}

bool JoinsDown(const Puzzle& p, int col, int row) {
  return IsOpenSquare(p, col, row) && IsOpenSquare(p, col, row + 1) && p.HBars(col, row) == 0;
}

namespace {

bool Joins(const Puzzle& p, EntryDirection direction, int col, int row) {
  return direction == EntryDirection::Across ? JoinsAcross(p, col, row) : JoinsDown(p, col, row);
}

// The step from a square to the next one of an entry.
Square Step(EntryDirection direction) {
  return direction == EntryDirection::Across ? Square{1, 0} : Square{0, 1};
}

int RunLength(const Puzzle& p, EntryDirection direction, int col, int row) {
  const Square d = Step(direction);
  int length = 1;
  for (int c = col, r = row; Joins(p, direction, c, r); c += d.col, r += d.row) ++length;
  return length;
}

void AddEntries(const Puzzle& p, EntryDirection direction, std::vector<DiagramEntry>& out) {
  const Square d = Step(direction);
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      if (Joins(p, direction, col - d.col, row - d.row) || !Joins(p, direction, col, row)) continue;
      out.push_back({direction, col, row, RunLength(p, direction, col, row)});
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

Square EntrySquare(const DiagramEntry& e, int position) {
  const Square d = Step(e.direction);
  return {e.col + d.col * position, e.row + d.row * position};
}

std::vector<Square> EntrySquares(const DiagramEntry& e) {
  std::vector<Square> squares;
  squares.reserve(static_cast<std::size_t>(std::max(e.length, 0)));
  for (int i = 0; i < e.length; ++i) squares.push_back(EntrySquare(e, i));
  return squares;
}

int PositionIn(const DiagramEntry& e, int col, int row) {
  const int position = e.direction == EntryDirection::Across ? col - e.col : row - e.row;
  const bool inLine = e.direction == EntryDirection::Across ? row == e.row : col == e.col;
  return inLine && position >= 0 && position < e.length ? position : -1;
}

std::optional<DiagramEntry> EntryAt(const Puzzle& p, int col, int row, EntryDirection direction) {
  if (!IsOpenSquare(p, col, row)) return std::nullopt;
  const Square d = Step(direction);
  while (Joins(p, direction, col - d.col, row - d.row)) {
    col -= d.col;
    row -= d.row;
  }
  const int length = RunLength(p, direction, col, row);
  if (length < 2) return std::nullopt;
  return DiagramEntry{direction, col, row, length};
}

std::int32_t EntryNumber(const Puzzle& p, int col, int row) {
  return IsNumbered(p) && InGrid(p, col, row) ? p.Numbers(col, row) : 0;
}

std::string_view DirectionWord(EntryDirection direction) {
  return direction == EntryDirection::Across ? "across" : "down";
}

std::string EntryLabel(std::int32_t number, int col, int row) {
  return number != 0 ? std::to_string(number) : std::to_string(col) + "," + std::to_string(row);
}

std::string EntryName(const Puzzle& p, const DiagramEntry& e) {
  return EntryLabel(p, e) + " " + std::string(DirectionWord(e.direction));
}

std::optional<DiagramEntry> EntryNamed(const Puzzle& p, std::string_view name) {
  std::string text;
  for (const char ch : name)
    if (ch != ' ' && ch != '\t') text += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  // The number or square, then the direction, spelled out or by its first letter.
  const std::size_t split = text.find_first_not_of("0123456789,");
  if (split == 0 || split == std::string::npos) return std::nullopt;
  const std::string label = text.substr(0, split);
  const std::string way = text.substr(split);
  EntryDirection direction;
  if (way == "a" || way == "across" || way == "ac")
    direction = EntryDirection::Across;
  else if (way == "d" || way == "down" || way == "dn")
    direction = EntryDirection::Down;
  else
    return std::nullopt;
  for (const DiagramEntry& e : DiagramEntries(p)) {
    if (e.direction != direction) continue;
    const std::string square = std::to_string(e.col) + "," + std::to_string(e.row);
    const std::int32_t number = EntryNumber(p, e);
    if (label == square || (number > 0 && label == std::to_string(number))) return e;
  }
  return std::nullopt;
}

}  // namespace kven
