#include "text/decoder.h"

#include <limits>
#include <string>
#include <string_view>

#include "editing/numbering.h"

namespace kven {

namespace {

constexpr std::int32_t Saturated = std::numeric_limits<std::int32_t>::max();

enum class ReadKind { Block, HBar, VBar };

bool HasLine(const Puzzle& p, std::int32_t line) {
  return line >= 0 && static_cast<std::size_t>(line) < p.TextLines.size();
}

const std::string& LineAt(const Puzzle& p, std::int32_t line) {
  return p.TextLines[static_cast<std::size_t>(line)];
}

bool IsLastLine(const Puzzle& p) {
  return static_cast<std::size_t>(p.TokenLine) + 1 >= p.TextLines.size();
}

// 1-based position of token in line, 0 when absent.
std::int32_t Pos(std::string_view token, const std::string& line) {
  const auto at = line.find(token);
  return at == std::string::npos ? 0 : static_cast<std::int32_t>(at) + 1;
}

bool Contains(const Puzzle& p, std::int32_t line, std::string_view token) {
  return HasLine(p, line) && LineAt(p, line).find(token) != std::string::npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void NextLine(Puzzle& p) {
  p.TokenPos = 1;
  ++p.TokenLine;
}

// Scans the current line from TokenPos for a run of digits. With stopAtZ, a
// "Z" (or an empty line) ends the scan with ListSentinel. Running off the line
// ends it too: ListSentinel for lists, 0 for manual numbers.
std::int32_t ScanNumber(Puzzle& p, bool stopAtZ) {
  const std::int32_t offEnd = stopAtZ ? ListSentinel : 0;
  if (!HasLine(p, p.TokenLine)) return offEnd;
  const std::string& line = LineAt(p, p.TokenLine);
  const auto len = static_cast<std::int32_t>(line.size());
  if (stopAtZ && line.empty()) return ListSentinel;
  for (;;) {
    if (p.TokenPos < 1 || p.TokenPos > len) return offEnd;
    const char c = line[static_cast<std::size_t>(p.TokenPos - 1)];
    if (stopAtZ && c == 'Z') return ListSentinel;
    ++p.TokenPos;
    if (IsDigit(c)) {
      std::int32_t value = c - '0';
      while (p.TokenPos <= len && IsDigit(line[static_cast<std::size_t>(p.TokenPos - 1)])) {
        const int digit = line[static_cast<std::size_t>(p.TokenPos - 1)] - '0';
        value = value > (Saturated - digit) / 10 ? Saturated : value * 10 + digit;
        ++p.TokenPos;
      }
      return value;
    }
  }
}

void SetListed(Puzzle& p, ReadKind kind, int col, int row) {
  switch (kind) {
    case ReadKind::Block: p.Blocks(col, row) = 1; break;
    case ReadKind::HBar: p.HBars(col, row) = 1; break;
    case ReadKind::VBar: p.VBars(col, row) = 1; break;
  }
}

void ReadSquareList(Puzzle& p, ReadKind kind) {
  std::int32_t n = ReadListNumber(p);
  while (n < ListSentinel) {
    if (HasLine(p, p.TokenLine) && p.TokenPos >= static_cast<std::int32_t>(LineAt(p, p.TokenLine).size()) &&
        !IsLastLine(p)) {
      NextLine(p);
    }
    int col = 0;
    int row = 0;
    // 0 and numbers naming no square of the puzzle are ignored.
    if (n > 0 && SquareFromNumber(p, n, col, row)) SetListed(p, kind, col, row);
    n = ReadListNumber(p);
  }
}

// Quarter turns map the grid onto itself only when it is square; elsewhere
// the turned partners are not added (the half-turn partners still are).
bool QuarterTurns(const Puzzle& p) { return p.Symmetry == 4 && p.HSquares == p.VSquares; }

void ReadBlocks(Puzzle& p, PuzzleView& view) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  SquareArray<std::uint8_t> marks;
  ReadSquareList(p, ReadKind::Block);
  for (int i = 1; i <= H; ++i) {
    for (int j = 1; j <= V; ++j) {
      if (p.Blocks(i, j) == 0) continue;
      p.Blocks(i, j) = 0;
      marks(i, j) = 1;
      if (p.Symmetry >= 2) marks(H - i + 1, V - j + 1) = 1;
      if (p.Symmetry == 4) {
        marks(H - i + 1, j) = 1;
        marks(i, V - j + 1) = 1;
      }
    }
  }
  for (int i = 1; i <= H; ++i)
    for (int j = 1; j <= V; ++j)
      if (marks(i, j) == 1) ToggleBlock(p, view, i, j);
  view.InvalidateGrid();
}

void ReadHBars(Puzzle& p, PuzzleView& view) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  SquareArray<std::uint8_t> marks;
  for (int i = 1; i <= H; ++i)
    for (int j = 1; j <= V; ++j) p.VBarMarks(i, j) = 0;
  ReadSquareList(p, ReadKind::HBar);
  for (int i = 1; i <= H; ++i) {
    for (int j = 1; j <= V - 1; ++j) {
      if (p.HBars(i, j) == 0) continue;
      p.HBars(i, j) = 0;
      marks(i, j) = 1;
      if (p.Symmetry >= 2) marks(H - i + 1, V - j) = 1;
      if (QuarterTurns(p)) {
        p.VBarMarks(H - j, i) = 1;
        p.VBarMarks(j, V - i + 1) = 1;
      }
    }
  }
  for (int i = 1; i <= H; ++i) {
    for (int j = 1; j <= V; ++j) {
      if (marks(i, j) == 1) ToggleHBar(p, i, j);
      if (p.VBarMarks(i, j) == 1) ToggleVBar(p, i, j);
    }
  }
  view.InvalidateGrid();
}

// The quarter-turn partners of a vertical bar are set, not toggled, so a
// text naming both a bar and its half-turn partner still gets the whole orbit.
void SetHBar(Puzzle& p, int col, int row) {
  if (InGrid(p, col, row) && p.HBars(col, row) != 0) {
    p.BlockDiagram = false;
    p.BarDiagram = true;
    return;
  }
  ToggleHBar(p, col, row);
}

void ReadVBars(Puzzle& p, PuzzleView& view) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  ReadSquareList(p, ReadKind::VBar);
  for (int i = 1; i <= H - 1; ++i) {
    for (int j = 1; j <= V; ++j) {
      if (p.VBars(i, j) == 0) continue;
      p.VBars(i, j) = 0;
      p.VBarMarks(i, j) = 1;
      if (p.Symmetry >= 2) p.VBarMarks(H - i, V - j + 1) = 1;
      if (QuarterTurns(p)) {
        SetHBar(p, V - j + 1, i);
        SetHBar(p, j, V - i);
      }
    }
  }
  for (int i = 1; i <= H; ++i)
    for (int j = 1; j <= V; ++j)
      if (p.VBarMarks(i, j) == 1) ToggleVBar(p, i, j);
  view.InvalidateGrid();
}

void ReadManualNumbers(Puzzle& p, PuzzleView& view) {
  p.ManualNumbered = true;
  view.CheckManual();
  ++p.TokenLine;
  for (int row = 1; row <= p.VSquares; ++row) {
    p.TokenPos = 1;
    for (int col = 1; col <= p.HSquares; ++col) {
      const std::int32_t n = ReadNumber(p);
      p.Numbers(col, row) = n;
      if (n != 0) view.PaintNumber(col, row, n);
    }
    ++p.TokenLine;
    p.TokenPos = 1;
  }
}

// Returns the next solution character, a blank where the text has run out or
// an empty line ends it, or -1 ("no character") when the last line is used up.
int ReadSolutionChar(Puzzle& p) {
  ++p.TokenPos;
  if (!HasLine(p, p.TokenLine)) return ' ';
  if (LineAt(p, p.TokenLine).empty()) return ' ';
  if (p.TokenPos > static_cast<std::int32_t>(LineAt(p, p.TokenLine).size()) && !IsLastLine(p)) {
    NextLine(p);
    if (LineAt(p, p.TokenLine).empty()) return ' ';
  }
  const std::string& line = LineAt(p, p.TokenLine);
  if (p.TokenPos >= 1 && p.TokenPos <= static_cast<std::int32_t>(line.size()))
    return static_cast<unsigned char>(line[static_cast<std::size_t>(p.TokenPos - 1)]);
  return -1;
}

void ReadSolution(Puzzle& p, PuzzleView& view) {
  p.TokenPos = 0;
  ++p.TokenLine;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const int c = ReadSolutionChar(p);
      if (c >= 0 && IsLetterOrBlank(static_cast<char>(c)) && p.Blocks(col, row) == 0)
        PaintLetter(p, view, col, row, static_cast<char>(c));
    }
  }
}

// Finds the first line from `from` on that contains token; -1 when none does.
std::int32_t FindLine(const Puzzle& p, std::int32_t from, std::string_view token) {
  for (std::int32_t line = from; HasLine(p, line); ++line)
    if (LineAt(p, line).find(token) != std::string::npos) return line;
  return -1;
}

}  // namespace

std::int32_t ReadListNumber(Puzzle& p) { return ScanNumber(p, true); }

std::int32_t ReadNumber(Puzzle& p) { return ScanNumber(p, false); }

DecodeResult DecodeText(Puzzle& p, PuzzleView& view) {
  // The magic line.
  p.TokenLine = 0;
  p.TokenPos = 0;
  for (; HasLine(p, p.TokenLine); ++p.TokenLine) {
    p.TokenPos = Pos("KVEN", LineAt(p, p.TokenLine));
    if (p.TokenPos > 0) break;
  }
  if (p.TokenPos == 0) {
    view.ReportInvalidData();
    return DecodeResult::InvalidData;
  }

  p.Symmetry = ReadListNumber(p);
  if (p.Symmetry == 0 || p.Symmetry == 2 || p.Symmetry == 4) view.CheckSymmetry(p.Symmetry);
  p.HSquares = ReadListNumber(p);
  p.VSquares = ReadListNumber(p);
  ResetPuzzle(p, view);

  // The diagram line.
  std::int32_t line = p.TokenLine + 1;
  while (HasLine(p, line) && !Contains(p, line, "HBR") && !Contains(p, line, "BLK")) ++line;
  if (!HasLine(p, line)) {
    p.TokenLine = line;
    view.ReportInvalidData();
    return DecodeResult::InvalidData;
  }
  p.TokenLine = line;
  const std::string& diagramLine = LineAt(p, line);
  p.BarDiagram = Contains(p, line, "HBR");
  p.BlockDiagram = Contains(p, line, "BLK");
  const std::int32_t hbr = Pos("HBR", diagramLine);
  const std::int32_t blk = Pos("BLK", diagramLine);
  p.TokenPos = blk >= hbr ? blk : hbr;

  if (!p.BarDiagram) {
    ReadBlocks(p, view);
  } else {
    ReadHBars(p, view);
    const std::int32_t vbr = FindLine(p, p.TokenLine + 1, "VBR");
    if (vbr < 0) {
      p.TokenLine = static_cast<std::int32_t>(p.TextLines.size());
      view.ReportInvalidData();
      return DecodeResult::InvalidData;
    }
    p.TokenLine = vbr;
    p.TokenPos = Pos("VBR", LineAt(p, vbr));
    ReadVBars(p, view);
  }

  // Numbering.
  p.TokenPos = 0;
  ++p.TokenLine;
  if (!HasLine(p, p.TokenLine)) {
    AutoNumber(p, view);
    return DecodeResult::Decoded;
  }
  if (Contains(p, p.TokenLine, "MN")) {
    ReadManualNumbers(p, view);
  } else if (Contains(p, p.TokenLine, "NN")) {
    ++p.TokenLine;
  } else {
    AutoNumber(p, view);
  }

  // Title.
  if (!HasLine(p, p.TokenLine)) return DecodeResult::Decoded;
  p.TokenPos = Pos("TTL", LineAt(p, p.TokenLine));
  if (p.TokenPos > 0) {
    const std::string& titleLine = LineAt(p, p.TokenLine);
    const auto start = static_cast<std::size_t>(p.TokenPos) + 3;  // 0-based index of TokenPos + 4
    p.Title.clear();
    if (start < titleLine.size()) AppendShort(p.Title, std::string_view(titleLine).substr(start));
    view.SetTitleField(p.Title);
    ++p.TokenLine;
    if (!HasLine(p, p.TokenLine)) return DecodeResult::Decoded;
  }

  // Solution.
  if (Contains(p, p.TokenLine, "ANS")) ReadSolution(p, view);
  return DecodeResult::Decoded;
}

}  // namespace kven
