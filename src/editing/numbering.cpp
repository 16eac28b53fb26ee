#include "editing/numbering.h"

#include <limits>

#include "model/entries.h"

namespace kven {

bool StartsAcrossBlocks(const Puzzle& p, int col, int row) {
  if (col == 1) return p.Blocks(2, row) == 0;
  if (col >= p.HSquares || col < 1) return false;
  return p.Blocks(col - 1, row) != 0 && p.Blocks(col + 1, row) == 0;
}

bool StartsDownBlocks(const Puzzle& p, int col, int row) {
  if (row == 1) return p.Blocks(col, 2) == 0;
  if (row >= p.VSquares || row < 1) return false;
  return p.Blocks(col, row - 1) != 0 && p.Blocks(col, row + 1) == 0;
}

bool StartsAcrossBars(const Puzzle& p, int col, int row) {
  if (col == 1) return p.VBars(1, row) == 0;
  if (col >= p.HSquares || col < 1) return false;
  return p.VBars(col - 1, row) != 0 && p.VBars(col, row) == 0;
}

bool StartsDownBars(const Puzzle& p, int col, int row) {
  if (row == 1) return p.HBars(col, 1) == 0;
  if (row >= p.VSquares || row < 1) return false;
  return p.HBars(col, row - 1) != 0 && p.HBars(col, row) == 0;
}

namespace {

// Whether a square starts an entry across (down) by the rules of the
// diagram's kind: the bar rules for bars, the block rules for blocks (and
// for a diagram of no kind yet). In a diagram of both kinds an entry starts
// where a run of two or more squares begins after the edge, a block or a
// bar; with marks of one kind only that is the rule of that kind. Numbering
// and the entry lists ask the same rules.
bool StartsAcross(const Puzzle& p, DiagramKind kind, int col, int row) {
  switch (kind) {
    case DiagramKind::Bars: return StartsAcrossBars(p, col, row);
    case DiagramKind::Both: return JoinsAcross(p, col, row) && !JoinsAcross(p, col - 1, row);
    case DiagramKind::Blocks:
    case DiagramKind::None: break;
  }
  return StartsAcrossBlocks(p, col, row);
}
bool StartsDown(const Puzzle& p, DiagramKind kind, int col, int row) {
  switch (kind) {
    case DiagramKind::Bars: return StartsDownBars(p, col, row);
    case DiagramKind::Both: return JoinsDown(p, col, row) && !JoinsDown(p, col, row - 1);
    case DiagramKind::Blocks:
    case DiagramKind::None: break;
  }
  return StartsDownBlocks(p, col, row);
}

}  // namespace

void AutoNumber(Puzzle& p, GridView& view) {
  // Numbers given by hand stay the kind: the text keeps writing them as such.
  if (NumberingKindOf(p) != NumberingKind::Manual) SetNumberingKind(p, NumberingKind::Auto);
  const DiagramKind kind = DiagramKindOf(p);
  std::int32_t n = 1;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      p.Numbers(col, row) = 0;
      view.PaintNumber(col, row, 0);
      if (p.Blocks(col, row) != 0) continue;
      if (StartsAcross(p, kind, col, row) || StartsDown(p, kind, col, row)) {
        p.Numbers(col, row) = n;
        view.PaintNumber(col, row, n);
        ++n;
      }
    }
  }
  BuildEntryLists(p);
}

namespace {

void AppendEntry(EntryList& list, std::int32_t& count, std::int32_t number) {
  if (count >= MaxEntries) throw RangeError();
  ++count;
  list[static_cast<std::size_t>(count)] = number;
}

}  // namespace

void BuildEntryLists(Puzzle& p) {
  p.AcrossNumbers.fill(0);
  p.DownNumbers.fill(0);
  p.AcrossCount = 0;
  p.DownCount = 0;
  const DiagramKind kind = DiagramKindOf(p);
  // A diagram of no kind yet has numbers but no entries to list.
  if (kind == DiagramKind::None) return;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const std::int32_t number = p.Numbers(col, row);
      if (number == 0) continue;
      if (StartsAcross(p, kind, col, row)) AppendEntry(p.AcrossNumbers, p.AcrossCount, number);
      if (StartsDown(p, kind, col, row)) AppendEntry(p.DownNumbers, p.DownCount, number);
    }
  }
}

std::int32_t ReadNumberFieldText(const std::string& text) {
  constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool minus = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    minus = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    value = value * base + digit;
    if (value > limit) value = limit;
  }
  if (minus && i == text.size()) value = -value;
  return static_cast<std::int32_t>(value);
}

void EnterManualNumber(Puzzle& p, EditorState& e, PuzzleView& view, int col, int row) {
  if (!InGrid(p, col, row)) return;
  view.Grid().ClearLetterArea(e.CursorCol, e.CursorRow);
  SetNumberingKind(p, NumberingKind::Manual);
  e.NextNumber = ReadNumberFieldText(view.NumberFieldText());
  p.Numbers(col, row) = e.NextNumber;
  view.Grid().PaintNumber(col, row, e.NextNumber);
  if (e.NextNumber < std::numeric_limits<std::int32_t>::max()) ++e.NextNumber;
  view.SetNumberFieldText(std::to_string(e.NextNumber));
}

}  // namespace kven
