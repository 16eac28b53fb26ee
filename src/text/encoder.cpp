#include "text/encoder.h"

#include <charconv>
#include <string>

#include "text/decoder.h"

namespace kven {

namespace {

bool IsListedUnder(std::int32_t order, const Puzzle& p, Mark kind, int col, int row);

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
void AppendSquareList(TextLineList& lines, const Puzzle& p, std::int32_t order, const SquareArray<std::uint8_t>& flags,
                      Mark kind, const char* keyword) {
  std::string line = keyword;
  int counter = 1;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      if (flags(col, row) == 0 || !IsListedUnder(order, p, kind, col, row)) continue;
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

namespace {

// The listed region of IsListedSquare under `order`.
bool IsListedUnder(std::int32_t order, const Puzzle& p, Mark kind, int col, int row) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  switch (order) {
    case NoSymmetry:
      return true;
    case Twofold:
      if (V % 2 == 0) {
        if (kind == Mark::HBar && row == V / 2) return col <= HalfH(p);
        return row <= V / 2;
      }
      if (row != HalfV(p)) return row < HalfV(p);
      // A vertical bar on the vertical centre line of an even width is its own partner.
      return kind == Mark::VBar ? col <= H / 2 : col <= HalfH(p);
    case Fourfold:
      return col <= HalfH(p) && row <= HalfV(p);
    default:
      return false;
  }
}

// Whether the lists of `kind` written under `order` read back as the
// drawn diagram's marks of that kind.
bool ListsReadBack(const Puzzle& drawn, std::int32_t order, DiagramKind kind) {
  TextLineList lines;
  lines.push_back("KVEN " + std::to_string(order) + " " + std::to_string(drawn.HSquares) + " " +
                  std::to_string(drawn.VSquares));
  if (kind == DiagramKind::Blocks) {
    AppendSquareList(lines, drawn, order, drawn.Blocks, Mark::Block, "BLK");
  } else {
    AppendSquareList(lines, drawn, order, drawn.HBars, Mark::HBar, "HBR");
    AppendSquareList(lines, drawn, order, drawn.VBars, Mark::VBar, "VBR");
  }
  lines.emplace_back("NN");  // spares the trial a numbering
  Puzzle back;
  NullView view;
  if (DecodeText(TextLines::FromLines(lines), back, view) != DecodeResult::Decoded) return false;
  if (back.HSquares != drawn.HSquares || back.VSquares != drawn.VSquares) return false;
  const auto same = [&](const SquareArray<std::uint8_t> Puzzle::*flags) {
    for (int row = 1; row <= drawn.VSquares; ++row)
      for (int col = 1; col <= drawn.HSquares; ++col)
        if (((back.*flags)(col, row) != 0) != ((drawn.*flags)(col, row) != 0)) return false;
    return true;
  };
  if (kind == DiagramKind::Blocks) return same(&Puzzle::Blocks);
  return same(&Puzzle::HBars) && same(&Puzzle::VBars);
}

}  // namespace

bool IsListedSquare(const Puzzle& p, Mark kind, int col, int row) {
  return IsListedUnder(p.Symmetry, p, kind, col, row);
}

std::int32_t WrittenSymmetry(const Puzzle& p) {
  if (p.Symmetry == NoSymmetry) return NoSymmetry;
  const Puzzle drawn = DrawnDiagram(p);
  const DiagramKind kind = ReadKind(DiagramKindOf(drawn));
  // The reader is the judge of what a listing gives back: its partners, its
  // quarter turns on an oblong, its border squares left as listed. The lists
  // of a diagram of both kinds are tried apart, as each is read alone.
  const bool blocksBack = !HasBlockKind(kind) || ListsReadBack(drawn, p.Symmetry, DiagramKind::Blocks);
  const bool barsBack = !HasBarKind(kind) || ListsReadBack(drawn, p.Symmetry, DiagramKind::Bars);
  return blocksBack && barsBack ? p.Symmetry : NoSymmetry;
}

TextLineList EncodeText(const Puzzle& p) {
  TextLineList lines;
  const std::int32_t order = WrittenSymmetry(p);
  std::string header = "KVEN ";
  AppendField(header, order, 3);
  header += ' ';
  AppendField(header, p.HSquares, 3);
  header += ' ';
  AppendField(header, p.VSquares, 3);
  lines.push_back(std::move(header));

  // A diagram of no kind yet is written as the block diagram it is read as.
  const DiagramKind kind = ReadKind(DiagramKindOf(p));
  if (HasBlockKind(kind)) AppendSquareList(lines, p, order, p.Blocks, Mark::Block, "BLK");
  if (HasBarKind(kind)) {
    AppendSquareList(lines, p, order, p.HBars, Mark::HBar, "HBR");
    AppendSquareList(lines, p, order, p.VBars, Mark::VBar, "VBR");
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
