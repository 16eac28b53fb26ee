#include "text/decoder.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "editing/numbering.h"

namespace kven {

namespace {

constexpr std::int32_t Saturated = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether a list line holds nothing more to read from `pos` on: at most one
// character follows the number, or only blanks and tabs do, which mail
// programs and editors pad lines with.
bool EndsAfterNumber(std::string_view line, std::int32_t pos) {
  const auto at = static_cast<std::size_t>(std::max(pos, 1) - 1);
  if (pos >= static_cast<std::int32_t>(line.size())) return true;
  return line.find_first_not_of(" \t", at) == std::string_view::npos;
}

// 1-based position of token in line, 0 when absent.
std::int32_t Pos(std::string_view token, std::string_view line) {
  const auto at = line.find(token);
  return at == std::string_view::npos ? 0 : static_cast<std::int32_t>(at) + 1;
}

// Scans the current line from TokenPos for a run of digits. With stopAtZ, a
// "Z" (or an empty line) ends the scan with ListSentinel. Running off the line
// ends it too: ListSentinel for lists, 0 for manual numbers.
std::int32_t ScanNumber(TokenReader& r, bool stopAtZ) {
  const std::int32_t offEnd = stopAtZ ? ListSentinel : 0;
  if (!r.HasLine(r.TokenLine)) return offEnd;
  const std::string_view line = r.LineAt(r.TokenLine);
  const auto len = static_cast<std::int32_t>(line.size());
  if (stopAtZ && line.empty()) return ListSentinel;
  const auto at = [&](std::int32_t pos) { return line[static_cast<std::size_t>(pos - 1)]; };
  for (;;) {
    if (r.TokenPos < 1 || r.TokenPos > len) return offEnd;
    const char c = at(r.TokenPos);
    if (stopAtZ && c == 'Z') return ListSentinel;
    ++r.TokenPos;
    if (IsDigit(c)) {
      std::int32_t value = c - '0';
      while (r.TokenPos <= len && IsDigit(at(r.TokenPos))) {
        const int digit = at(r.TokenPos) - '0';
        value = value > (Saturated - digit) / 10 ? Saturated : value * 10 + digit;
        ++r.TokenPos;
      }
      return value;
    }
  }
}

// The reader: a position in the text, the puzzle it fills and the window it
// tells. Each step follows the text's sections in order.
class Decoder : public TokenReader {
 public:
  Decoder(const TextLines& text, Puzzle& puzzle, PuzzleView& window)
      : TokenReader(text), p(puzzle), view(window) {}

  DecodeResult Run();

 private:
  bool IsLastLine() const { return static_cast<std::size_t>(TokenLine) + 1 >= lines.size(); }
  bool Contains(std::int32_t line, std::string_view token) const {
    return HasLine(line) && LineAt(line).find(token) != std::string_view::npos;
  }
  // The first line from `from` on that contains token; the number of lines when none does.
  std::int32_t FindLine(std::int32_t from, std::string_view token) const {
    const auto found = lines.FindLine(static_cast<std::size_t>(from), token);
    return static_cast<std::int32_t>(found ? *found : lines.size());
  }
  void NextLine() {
    TokenPos = 1;
    ++TokenLine;
  }

  DecodeResult Invalid() {
    view.ReportInvalidData();
    return DecodeResult::InvalidData;
  }

  void ReadSquareList(Mark kind);
  void ReadBlocks();
  void ReadHBars();
  void ReadVBars();
  void SetHBar(int col, int row);
  void ReadManualNumbers();
  int ReadSolutionChar();
  void ReadSolution();

  Puzzle& p;
  PuzzleView& view;
  // Vertical bars to toggle, collected over both bar lists.
  SquareArray<std::uint8_t> vbarMarks;
};

void Decoder::ReadSquareList(Mark kind) {
  std::int32_t n = ReadListNumber();
  while (n < ListSentinel) {
    if (HasLine(TokenLine) && EndsAfterNumber(LineAt(TokenLine), TokenPos) && !IsLastLine()) NextLine();
    int col = 0;
    int row = 0;
    // 0 and numbers naming no square of the puzzle are ignored; a listed
    // square is set, not toggled.
    if (n > 0 && SquareFromNumber(p, n, col, row)) {
      switch (kind) {
        case Mark::Block: p.Blocks(col, row) = 1; break;
        case Mark::HBar: p.HBars(col, row) = 1; break;
        case Mark::VBar: p.VBars(col, row) = 1; break;
      }
    }
    n = ReadListNumber();
  }
}

// Each list is read into its flag array first; then every listed square of
// the region the expansion visits is cleared and marked with its partners,
// and the marks are toggled on. A square listed on the outer border is not
// visited: it stays as listed, without partners.
void Decoder::ReadBlocks() {
  const int H = p.HSquares;
  const int V = p.VSquares;
  SquareArray<std::uint8_t> marks;
  ReadSquareList(Mark::Block);
  for (int i = 1; i <= H; ++i) {
    for (int j = 1; j <= V; ++j) {
      if (p.Blocks(i, j) == 0) continue;
      p.Blocks(i, j) = 0;
      marks(i, j) = 1;
      for (const MarkAt& m : ReadingPartners({Mark::Block, i, j}, p.Symmetry, H, V)) marks(m.col, m.row) = 1;
    }
  }
  for (int i = 1; i <= H; ++i)
    for (int j = 1; j <= V; ++j)
      if (marks(i, j) == 1) ToggleBlock(p, view.Grid(), i, j);
  view.Grid().InvalidateGrid();
}

void Decoder::ReadHBars() {
  const int H = p.HSquares;
  const int V = p.VSquares;
  SquareArray<std::uint8_t> marks;
  vbarMarks.Fill(0);
  ReadSquareList(Mark::HBar);
  for (int i = 1; i <= H; ++i) {
    for (int j = 1; j <= V - 1; ++j) {
      if (p.HBars(i, j) == 0) continue;
      p.HBars(i, j) = 0;
      marks(i, j) = 1;
      for (const MarkAt& m : ReadingPartners({Mark::HBar, i, j}, p.Symmetry, H, V))
        (m.kind == Mark::HBar ? marks : vbarMarks)(m.col, m.row) = 1;
    }
  }
  for (int i = 1; i <= H; ++i) {
    for (int j = 1; j <= V; ++j) {
      if (marks(i, j) == 1) ToggleHBar(p, i, j);
      if (vbarMarks(i, j) == 1) ToggleVBar(p, i, j);
    }
  }
  view.Grid().InvalidateGrid();
}

// The quarter-turn partners of a vertical bar are set, not toggled, so a
// text naming both a bar and its half-turn partner still gets the whole orbit.
void Decoder::SetHBar(int col, int row) {
  if (InGrid(p, col, row) && p.HBars(col, row) != 0) {
    p.BlockDiagram = false;
    p.BarDiagram = true;
    return;
  }
  ToggleHBar(p, col, row);
}

void Decoder::ReadVBars() {
  const int H = p.HSquares;
  const int V = p.VSquares;
  ReadSquareList(Mark::VBar);
  for (int i = 1; i <= H - 1; ++i) {
    for (int j = 1; j <= V; ++j) {
      if (p.VBars(i, j) == 0) continue;
      p.VBars(i, j) = 0;
      vbarMarks(i, j) = 1;
      for (const MarkAt& m : ReadingPartners({Mark::VBar, i, j}, p.Symmetry, H, V)) {
        if (m.kind == Mark::VBar)
          vbarMarks(m.col, m.row) = 1;
        else
          SetHBar(m.col, m.row);
      }
    }
  }
  for (int i = 1; i <= H; ++i)
    for (int j = 1; j <= V; ++j)
      if (vbarMarks(i, j) == 1) ToggleVBar(p, i, j);
  view.Grid().InvalidateGrid();
}

void Decoder::ReadManualNumbers() {
  SetNumberingKind(p, NumberingKind::Manual);
  view.CheckManual();
  ++TokenLine;
  for (int row = 1; row <= p.VSquares; ++row) {
    TokenPos = 1;
    for (int col = 1; col <= p.HSquares; ++col) {
      const std::int32_t n = ReadNumber();
      p.Numbers(col, row) = n;
      if (n != 0) view.Grid().PaintNumber(col, row, n);
    }
    ++TokenLine;
    TokenPos = 1;
  }
}

// Returns the next solution character, a blank where the text has run out or
// an empty line ends it, or -1 ("no character") when the last line is used up.
int Decoder::ReadSolutionChar() {
  ++TokenPos;
  if (!HasLine(TokenLine)) return ' ';
  if (LineAt(TokenLine).empty()) return ' ';
  if (TokenPos > static_cast<std::int32_t>(LineAt(TokenLine).size()) && !IsLastLine()) {
    NextLine();
    if (LineAt(TokenLine).empty()) return ' ';
  }
  const std::string_view line = LineAt(TokenLine);
  if (TokenPos >= 1 && TokenPos <= static_cast<std::int32_t>(line.size()))
    return static_cast<unsigned char>(line[static_cast<std::size_t>(TokenPos - 1)]);
  return -1;
}

void Decoder::ReadSolution() {
  TokenPos = 0;
  ++TokenLine;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const int c = ReadSolutionChar();
      if (c >= 0 && IsLetterOrBlank(static_cast<char>(c)) && p.Blocks(col, row) == 0)
        PaintLetter(p, view.Grid(), col, row, static_cast<char>(c));
    }
  }
}

DecodeResult Decoder::Run() {
  // The magic line. Without one the puzzle is left untouched.
  TokenLine = FindLine(0, "KVEN");
  if (!HasLine(TokenLine)) return Invalid();
  TokenPos = Pos("KVEN", LineAt(TokenLine));

  p.Symmetry = ReadListNumber();
  if (IsKnownSymmetry(p.Symmetry)) view.CheckSymmetry(p.Symmetry);
  p.HSquares = ReadListNumber();
  p.VSquares = ReadListNumber();
  ResetPuzzle(p, view);

  // The diagram line.
  TokenLine = std::min(FindLine(TokenLine + 1, "HBR"), FindLine(TokenLine + 1, "BLK"));
  if (!HasLine(TokenLine)) return Invalid();
  const std::string_view diagramLine = LineAt(TokenLine);
  p.BarDiagram = Contains(TokenLine, "HBR");
  p.BlockDiagram = Contains(TokenLine, "BLK");
  const std::int32_t hbr = Pos("HBR", diagramLine);
  const std::int32_t blk = Pos("BLK", diagramLine);
  TokenPos = blk >= hbr ? blk : hbr;

  if (!p.BarDiagram) {
    ReadBlocks();
  } else {
    ReadHBars();
    TokenLine = FindLine(TokenLine + 1, "VBR");
    if (!HasLine(TokenLine)) return Invalid();
    TokenPos = Pos("VBR", LineAt(TokenLine));
    ReadVBars();
  }

  // Numbering.
  TokenPos = 0;
  ++TokenLine;
  if (!HasLine(TokenLine)) {
    AutoNumber(p, view.Grid());
    return DecodeResult::Decoded;
  }
  if (Contains(TokenLine, "MN")) {
    ReadManualNumbers();
  } else if (Contains(TokenLine, "NN")) {
    ++TokenLine;
  } else {
    AutoNumber(p, view.Grid());
  }

  // Title.
  if (!HasLine(TokenLine)) return DecodeResult::Decoded;
  TokenPos = Pos("TTL", LineAt(TokenLine));
  if (TokenPos > 0) {
    const std::string_view titleLine = LineAt(TokenLine);
    const auto start = static_cast<std::size_t>(TokenPos) + 3;  // the character after "TTL" is skipped
    p.Title.clear();
    if (start < titleLine.size()) AppendShort(p.Title, titleLine.substr(start));
    view.SetTitleField(p.Title);
    ++TokenLine;
    if (!HasLine(TokenLine)) return DecodeResult::Decoded;
  }

  // Solution.
  if (Contains(TokenLine, "ANS")) ReadSolution();
  return DecodeResult::Decoded;
}

}  // namespace

std::int32_t TokenReader::ReadListNumber() { return ScanNumber(*this, true); }

std::int32_t TokenReader::ReadNumber() { return ScanNumber(*this, false); }

DecodeResult DecodeText(const TextLines& text, Puzzle& p, PuzzleView& view) { return Decoder(text, p, view).Run(); }

}  // namespace kven
