#include "text/clue_list.h"

#include <algorithm>

namespace kven {

namespace {

constexpr int MaxSquares = MaxSide * MaxSide;

// For each number 1..900, the first square carrying it in reading order (for
// across) and in column order (for down); found in one pass instead of a scan
// of the grid for every entry.
struct FirstSquares {
  struct At {
    std::int16_t col = 0, row = 0;
  };
  std::array<At, MaxSquares + 1> across{};
  std::array<At, MaxSquares + 1> down{};

  explicit FirstSquares(const Puzzle& p) {
    for (int r = 1; r <= p.VSquares; ++r) {
      for (int c = 1; c <= p.HSquares; ++c) {
        const std::int32_t n = p.Numbers(c, r);
        if (n < 1 || n > MaxSquares) continue;
        const At here{static_cast<std::int16_t>(c), static_cast<std::int16_t>(r)};
        At& a = across[static_cast<std::size_t>(n)];
        if (a.col == 0) a = here;
        At& d = down[static_cast<std::size_t>(n)];
        if (d.col == 0 || c < d.col) d = here;  // rows come in order, so the first of a column is the topmost
      }
    }
  }
};

void AppendEntryText(std::string& out, const Puzzle& p, int col, int row, EntryDirection direction);

void AppendEntries(Puzzle& p, const FirstSquares& first, const std::array<std::int32_t, MaxEntries + 1>& list,
                   std::int32_t count, EntryDirection direction) {
  const int last = count < 0 ? 0 : (count > MaxEntries ? MaxEntries : count);
  for (int i = 1; i <= last; ++i) {
    const std::int32_t n = list[static_cast<std::size_t>(i)];
    std::string& line = p.ClueLines.emplace_back(std::to_string(n));
    line += "  ";
    if (n < 1 || n > MaxSquares) {
      AppendShort(line, EntryTextForNumber(p, n, direction));
      continue;
    }
    const auto& at = (direction == EntryDirection::Across ? first.across : first.down)[static_cast<std::size_t>(n)];
    if (at.col != 0) {
      line.reserve(48);
      AppendEntryText(line, p, at.col, at.row, direction);
    }
  }
}

}  // namespace

void BuildClueList(Puzzle& p) {
  p.ClueLines.clear();
  p.ClueLines.reserve(static_cast<std::size_t>(6 + std::max(0, p.AcrossCount) + std::max(0, p.DownCount)));
  const FirstSquares first(p);
  p.ClueLines.insert(p.ClueLines.end(), {" ", "ACROSS", " "});
  AppendEntries(p, first, p.AcrossNumbers, p.AcrossCount, EntryDirection::Across);
  p.ClueLines.insert(p.ClueLines.end(), {" ", "DOWN", " "});
  AppendEntries(p, first, p.DownNumbers, p.DownCount, EntryDirection::Down);
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

namespace {

// Appends the entry text of the square to out, capped at 255 characters.
void AppendEntryText(std::string& out, const Puzzle& p, int col, int row, EntryDirection direction) {
  if (!InGrid(p, col, row)) return;
  const int dc = direction == EntryDirection::Across ? 1 : 0;
  const int dr = direction == EntryDirection::Down ? 1 : 0;
  // The square's own letter counts whatever it is; the run goes on over
  // blanks and letters up to a square without one or the edge of the grid.
  char word[MaxSide];
  word[0] = p.Letters(col, row);
  int length = 1;
  for (int c = col + dc, r = row + dr; c <= p.HSquares && r <= p.VSquares; c += dc, r += dr) {
    const char letter = p.Letters(c, r);
    if (!IsLetterOrBlank(letter)) break;
    word[length++] = letter;
  }
  if (length < 2) return;
  out.append(word, static_cast<std::size_t>(length));
  out += "   (";
  out += std::to_string(length);
  out += ')';
  if (out.size() > MaxShortString) out.resize(MaxShortString);
}

}  // namespace

std::string EntryTextAt(const Puzzle& p, int col, int row, EntryDirection direction) {
  std::string text;
  AppendEntryText(text, p, col, row, direction);
  return text;
}

}  // namespace kven
