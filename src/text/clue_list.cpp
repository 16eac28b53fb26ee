#include "text/clue_list.h"

namespace kven {

namespace {

bool IsEntryLetter(char c) { return c == ' ' || (c >= 'A' && c <= 'Z'); }

void AppendEntries(Puzzle& p, const std::array<std::int32_t, MaxEntries + 1>& list, std::int32_t count,
                   EntryDirection direction) {
  const int last = count < 0 ? 0 : (count > MaxEntries ? MaxEntries : count);
  for (int i = 1; i <= last; ++i) {
    const std::int32_t n = list[static_cast<std::size_t>(i)];
    std::string line;
    AppendShort(line, std::to_string(n));
    AppendShort(line, "  ");
    AppendShort(line, EntryTextForNumber(p, n, direction));
    p.ClueLines.push_back(line);
  }
}

}  // namespace

void BuildClueList(Puzzle& p) {
  p.ClueLines.clear();
  p.ClueLines.insert(p.ClueLines.end(), {" ", "ACROSS", " "});
  AppendEntries(p, p.AcrossNumbers, p.AcrossCount, EntryDirection::Across);
  p.ClueLines.insert(p.ClueLines.end(), {" ", "DOWN", " "});
  AppendEntries(p, p.DownNumbers, p.DownCount, EntryDirection::Down);
}

std::string EntryTextForNumber(const Puzzle& p, std::int32_t n, EntryDirection direction) {
  if (direction == EntryDirection::Across) {
    for (int row = 1; row <= p.VSquares; ++row)
      for (int col = 1; col <= p.HSquares; ++col)
        if (p.Numbers(col, row) == n) return EntryTextAt(p, col, row, direction);
  } else {
    for (int col = 1; col <= p.HSquares; ++col)
      for (int row = 1; row <= p.VSquares; ++row)
        if (p.Numbers(col, row) == n) return EntryTextAt(p, col, row, direction);
  }
  return std::string();
}

std::string EntryTextAt(const Puzzle& p, int col, int row, EntryDirection direction) {
  if (!InGrid(p, col, row)) return std::string();
  std::string word(1, p.Letters(col, row));
  int length = 1;
  const int dc = direction == EntryDirection::Across ? 1 : 0;
  const int dr = direction == EntryDirection::Down ? 1 : 0;
  for (int c = col + dc, r = row + dr; InGrid(p, c, r) && IsEntryLetter(p.Letters(c, r)); c += dc, r += dr) {
    word += p.Letters(c, r);
    ++length;
  }
  if (length < 2) return std::string();
  std::string text;
  AppendShort(text, word);
  AppendShort(text, "   (" + std::to_string(length) + ")");
  return text;
}

}  // namespace kven
