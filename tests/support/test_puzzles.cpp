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

Puzzle ExampleBlocks(int symmetry) {
  Puzzle p = FreshPuzzle(5, 5, symmetry);
  NullView view;
  for (auto [c, r] : {std::pair{5, 1}, {2, 2}, {4, 2}, {2, 4}, {4, 4}, {1, 5}}) ToggleBlock(p, view, c, r);
  return p;
}

Puzzle ExampleBars() {
  Puzzle p = FreshPuzzle(5, 5, 0);
  ToggleHBar(p, 1, 2);
  ToggleHBar(p, 4, 3);
  ToggleVBar(p, 2, 1);
  ToggleVBar(p, 3, 3);
  return p;
}

void SetLetters(Puzzle& p, const std::vector<std::string>& rows) {
  for (int r = 1; r <= p.VSquares; ++r)
    for (int c = 1; c <= p.HSquares; ++c)
      if (p.Blocks(c, r) == 0) p.Letters(c, r) = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
  p.HasSolution = true;
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
