#include "text/encoder.h"

#include <cstdio>
#include <string>

namespace kven {

namespace {

// A number right-aligned in a field of `width` blanks; wider values in full.
std::string Field(std::int32_t value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%*d", width, static_cast<int>(value));
  return buffer;
}

void AppendSquareList(Puzzle& p, const SquareArray<std::uint8_t>& flags, ListKind kind, const char* keyword) {
  std::string line = keyword;
  int counter = 1;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      if (flags(col, row) == 0 || !IsListedSquare(p, col, row, kind)) continue;
      AppendShort(line, Field(SquareNumber(p, col, row), 4));
      ++counter;
      if (counter % 16 == 0) {
        p.TextLines.push_back(line);
        line.clear();
      }
    }
  }
  AppendShort(line, " Z");
  p.TextLines.push_back(line);
}

}  // namespace

bool IsListedSquare(const Puzzle& p, int col, int row, ListKind kind) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  switch (p.Symmetry) {
    case 0:
      return true;
    case 2:
      if (V % 2 == 0) {
        if (kind == ListKind::HBar && row == V / 2) return col <= p.HalfH;
        return row <= V / 2;
      }
      if (row < p.HalfV) return true;
      if (row > p.HalfV) return false;
      return kind == ListKind::VBar ? col <= H / 2 : col <= p.HalfH;
    case 4:
      return col <= p.HalfH && row <= p.HalfV;
    default:
      return false;
  }
}

void EncodeText(Puzzle& p) {
  p.TextLines.clear();
  std::string header = "KVEN ";
  AppendShort(header, Field(p.Symmetry, 3) + " " + Field(p.HSquares, 3) + " " + Field(p.VSquares, 3));
  p.TextLines.push_back(header);

  if (p.BlockDiagram) AppendSquareList(p, p.Blocks, ListKind::Block, "BLK");
  if (p.BarDiagram) {
    AppendSquareList(p, p.HBars, ListKind::HBar, "HBR");
    AppendSquareList(p, p.VBars, ListKind::VBar, "VBR");
  }
  if (!p.BlockDiagram && !p.BarDiagram) p.TextLines.emplace_back("BLK Z");

  if (!p.AutoNumbered && !p.ManualNumbered) p.TextLines.emplace_back("NN");
  if (p.ManualNumbered) {
    p.TextLines.emplace_back("MN");
    for (int row = 1; row <= p.VSquares; ++row) {
      std::string line;
      for (int col = 1; col <= p.HSquares; ++col) AppendShort(line, Field(p.Numbers(col, row), 4));
      p.TextLines.push_back(line);
    }
  }

  if (!p.Title.empty()) {
    std::string line = "TTL ";
    AppendShort(line, p.Title);
    p.TextLines.push_back(line);
  }

  if (p.HasSolution) {
    p.TextLines.emplace_back("ANS");
    for (int row = 1; row <= p.VSquares; ++row) {
      std::string line;
      for (int col = 1; col <= p.HSquares; ++col) line += p.Letters(col, row);
      p.TextLines.push_back(line);
    }
  }
}

}  // namespace kven
