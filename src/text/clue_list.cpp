#include "text/clue_list.h"

#include <algorithm>
#include <array>

namespace kven {

namespace {

constexpr int MaxSquares = MaxSide * MaxSide;

struct Square {
  int col = 0;
  int row = 0;
};

// The first square carrying each number 1..900: in reading order for across
// entries, in column order for down entries. Found in one pass, since a scan
// of the grid for every entry makes the list twenty times slower. The lists
// hold only numbers that automatic numbering gave, which lie in 1..900.
using FirstSquares = std::array<Square, MaxSquares + 1>;

FirstSquares FindFirstSquares(const Puzzle& p, EntryDirection direction) {
  FirstSquares first{};
  const bool across = direction == EntryDirection::Across;
  const int outer = across ? p.VSquares : p.HSquares;
  const int inner = across ? p.HSquares : p.VSquares;
  for (int i = 1; i <= outer; ++i) {
    for (int j = 1; j <= inner; ++j) {
      const int col = across ? j : i;
      const int row = across ? i : j;
      const std::int32_t n = p.Numbers(col, row);
      if (n >= 1 && n <= MaxSquares && first[static_cast<std::size_t>(n)].col == 0)
        first[static_cast<std::size_t>(n)] = {col, row};
    }
  }
  return first;
}

// Appends the entry text of the square (see EntryTextAt) to the line, which
// stays within MaxShortString: its letters are at most 30, its number short.
void AppendEntryText(std::string& line, const Puzzle& p, int col, int row, EntryDirection direction) {
  if (!InGrid(p, col, row)) return;
  const int dc = direction == EntryDirection::Across ? 1 : 0;
  const int dr = direction == EntryDirection::Down ? 1 : 0;
  // In a bar diagram a bar on the edge ahead ends the entry; a block
  // diagram's entries end only where the letters do.
  const bool bars = p.BarDiagram;
  const SquareArray<std::uint8_t>& edgesAhead = direction == EntryDirection::Across ? p.VBars : p.HBars;
  const std::size_t start = line.size();
  line += p.Letters(col, row);
  for (int c = col + dc, r = row + dr; c <= p.HSquares && r <= p.VSquares; c += dc, r += dr) {
    if (bars && edgesAhead(c - dc, r - dr) != 0) break;
    const char letter = p.Letters(c, r);
    if (!IsLetterOrBlank(letter)) break;
    line += letter;
  }
  const std::size_t length = line.size() - start;
  if (length < 2) {
    line.resize(start);
    return;
  }
  line += "   (";
  line += std::to_string(length);
  line += ')';
}

void AppendEntries(TextLineList& lines, const Puzzle& p, const EntryList& list, std::int32_t count,
                   EntryDirection direction) {
  const FirstSquares first = FindFirstSquares(p, direction);
  for (int i = 1; i <= std::min(count, MaxEntries); ++i) {
    const std::int32_t n = list[static_cast<std::size_t>(i)];
    std::string& line = lines.emplace_back(std::to_string(n));
    line.reserve(48);
    line += "  ";
    if (n < 1 || n > MaxSquares) continue;
    const Square at = first[static_cast<std::size_t>(n)];
    if (at.col != 0) AppendEntryText(line, p, at.col, at.row, direction);
  }
}

}  // namespace

TextLineList BuildClueList(const Puzzle& p) {
  TextLineList lines{" ", "ACROSS", " "};
  lines.reserve(static_cast<std::size_t>(6 + std::max(0, p.AcrossCount) + std::max(0, p.DownCount)));
  AppendEntries(lines, p, p.AcrossNumbers, p.AcrossCount, EntryDirection::Across);
  lines.insert(lines.end(), {" ", "DOWN", " "});
  AppendEntries(lines, p, p.DownNumbers, p.DownCount, EntryDirection::Down);
  return lines;
}

std::string EntryTextAt(const Puzzle& p, int col, int row, EntryDirection direction) {
  std::string text;
  AppendEntryText(text, p, col, row, direction);
  return text;
}

}  // namespace kven
