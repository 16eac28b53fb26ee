#include "text/encoder.h"

#include <charconv>
#include <string>

namespace kven {

namespace {

// Appends a number right-aligned in a field of `width` (at most 4) blanks,
// wider values in full, as "%3d" and "%4d" format it.
void AppendField(std::string& line, std::int32_t value, std::size_t width) {
  char digits[12];
  const std::size_t length = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
  if (length < width) AppendShort(line, std::string_view("    ").substr(0, width - length));
  AppendShort(line, std::string_view(digits, length));
}

// The keyword line holds up to 15 numbers and every following line 16: the
// line breaks whenever the counter, started at 1, reaches a multiple of 16.
void AppendSquareList(TextLineList& lines, const Puzzle& p, const SquareArray<std::uint8_t>& flags, Mark kind,
                      const char* keyword) {
  std::string line = keyword;
  int counter = 1;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      if (flags(col, row) == 0 || !IsListedSquare(p, kind, col, row)) continue;
      AppendField(line, SquareNumber(p, col, row), 4);
      if (++counter % 16 == 0) {
        lines.push_back(std::move(line));
        line.clear();
      }
    }
  }
  AppendShort(line, " Z");
  lines.push_back(std::move(line));
}

}  // namespace

bool IsListedSquare(const Puzzle& p, Mark kind, int col, int row) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  switch (p.Symmetry) {
    case NoSymmetry:
      return true;
    case Twofold:
      if (V % 2 == 0) {
        if (kind == Mark::HBar && row == V / 2) return col <= p.HalfH;
        return row <= V / 2;
      }
      if (row != p.HalfV) return row < p.HalfV;
      // A vertical bar on the vertical centre line of an even width is its own partner.
      return kind == Mark::VBar ? col <= H / 2 : col <= p.HalfH;
    case Fourfold:
      return col <= p.HalfH && row <= p.HalfV;
    default:
      return false;
  }
}

TextLineList EncodeText(const Puzzle& p) {
  TextLineList lines;
  std::string header = "KVEN ";
  AppendField(header, p.Symmetry, 3);
  header += ' ';
  AppendField(header, p.HSquares, 3);
  header += ' ';
  AppendField(header, p.VSquares, 3);
  lines.push_back(std::move(header));

  // A diagram of no kind yet is written as the block diagram it is read as.
  const DiagramKind kind = ReadKind(DiagramKindOf(p));
  if (HasBlockKind(kind)) AppendSquareList(lines, p, p.Blocks, Mark::Block, "BLK");
  if (HasBarKind(kind)) {
    AppendSquareList(lines, p, p.HBars, Mark::HBar, "HBR");
    AppendSquareList(lines, p, p.VBars, Mark::VBar, "VBR");
  }

  const NumberingKind numbering = NumberingKindOf(p);
  if (numbering == NumberingKind::None) lines.emplace_back("NN");
  if (numbering == NumberingKind::Manual) {
    lines.emplace_back("MN");
    for (int row = 1; row <= p.VSquares; ++row) {
      std::string& line = lines.emplace_back();
      for (int col = 1; col <= p.HSquares; ++col) AppendField(line, p.Numbers(col, row), 4);
    }
  }

  if (!p.Title.empty()) {
    std::string line = "TTL ";
    AppendShort(line, p.Title);
    lines.push_back(std::move(line));
  }

  if (p.HasSolution) {
    lines.emplace_back("ANS");
    for (int row = 1; row <= p.VSquares; ++row) {
      std::string& line = lines.emplace_back();
      for (int col = 1; col <= p.HSquares; ++col) line += p.Letters(col, row);
    }
  }
  return lines;
}

}  // namespace kven
