#include "text/encoder.h"

#include <string>

namespace kven {

namespace {

// Appends a number right-aligned in a field of `width` blanks (wider values
// in full), as "%3d" and "%4d" format it.
void AppendField(std::string& line, std::int32_t value, int width) {
  char buffer[16];
  char* end = buffer + sizeof buffer;
  char* start = end;
  std::int64_t v = value;
  const bool negative = v < 0;
  if (negative) v = -v;
  do {
    *--start = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (negative) *--start = '-';
  const auto digits = static_cast<int>(end - start);
  if (digits < width) line.append(static_cast<std::size_t>(width - digits), ' ');
  line.append(start, end);
  if (line.size() > MaxShortString) line.resize(MaxShortString);
}

void AppendSquareList(Puzzle& p, const SquareArray<std::uint8_t>& flags, ListKind kind, const char* keyword) {
  std::string line = keyword;
  int counter = 1;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      if (flags(col, row) == 0 || !IsListedSquare(p, col, row, kind)) continue;
      AppendField(line, SquareNumber(p, col, row), 4);
      ++counter;
      if (counter % 16 == 0) {
        p.TextLines.push_back(std::move(line));
        line.clear();
      }
    }
  }
  AppendShort(line, " Z");
  p.TextLines.push_back(std::move(line));
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
  AppendField(header, p.Symmetry, 3);
  header += ' ';
  AppendField(header, p.HSquares, 3);
  header += ' ';
  AppendField(header, p.VSquares, 3);
  p.TextLines.push_back(std::move(header));

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
      std::string& line = p.TextLines.emplace_back();
      line.reserve(static_cast<std::size_t>(p.HSquares) * 4);
      for (int col = 1; col <= p.HSquares; ++col) AppendField(line, p.Numbers(col, row), 4);
    }
  }

  if (!p.Title.empty()) {
    std::string line = "TTL ";
    AppendShort(line, p.Title);
    p.TextLines.push_back(std::move(line));
  }

  if (p.HasSolution) {
    p.TextLines.emplace_back("ANS");
    for (int row = 1; row <= p.VSquares; ++row) {
      std::string& line = p.TextLines.emplace_back(static_cast<std::size_t>(p.HSquares), ' ');
      for (int col = 1; col <= p.HSquares; ++col) line[static_cast<std::size_t>(col - 1)] = p.Letters(col, row);
    }
  }
}

}  // namespace kven
