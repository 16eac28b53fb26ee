#include "support/test_puzzles.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/decoder.h"

namespace kven::testing {

Puzzle FreshPuzzle(int h, int v, int symmetry) {
  Puzzle p;
  EditorState e;
  NullView view;
  StartUpPuzzle(p, e, view);
  p.HSquares = h;
  p.VSquares = v;
  ResetPuzzle(p, view);
  p.Symmetry = symmetry;
  return p;
}

void DecodeLines(Puzzle& p, std::vector<std::string> lines) {
  NullView view;
  p.TextLines = std::move(lines);
  DecodeText(p, view);
}

std::vector<Square> SetSquares(const Puzzle& p, const SquareArray<std::uint8_t>& flags) {
  std::vector<Square> out;
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (flags(col, row) != 0) out.emplace_back(col, row);
  return out;
}

std::string LetterRow(const Puzzle& p, int row) {
  std::string s;
  for (int col = 1; col <= p.HSquares; ++col) s += p.Letters(col, row);
  return s;
}

std::string ReadExample(const std::string& name) {
  std::ifstream in(std::string(KVEN_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read example " + name);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace kven::testing
