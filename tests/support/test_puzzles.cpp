#include "support/test_puzzles.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "editing/numbering.h"
#include "editing/symmetry.h"
#include "text/decoder.h"

namespace kven::test {

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
  NullGridView view;
  for (auto [c, r] : {std::pair{5, 1}, {2, 2}, {4, 2}, {2, 4}, {4, 4}, {1, 5}}) ToggleBlock(p, view, c, r);
  return p;
}

Puzzle ExampleBars() {
  Puzzle p = FreshPuzzle(5, 5, NoSymmetry);
  ToggleHBar(p, 1, 2);
  ToggleHBar(p, 4, 3);
  ToggleVBar(p, 2, 1);
  ToggleVBar(p, 3, 3);
  return p;
}

namespace {

Puzzle Lettered(Puzzle p, const char* title) {
  NullGridView view;
  AutoNumber(p, view);
  p.Title = title;
  for (int r = 1; r <= p.VSquares; ++r)
    for (int c = 1; c <= p.HSquares; ++c)
      if (p.Blocks(c, r) == 0) PaintLetter(p, view, c, r, static_cast<char>('A' + (c + r) % 26));
  return p;
}

}  // namespace

Puzzle LargeBlockPuzzle() {
  Puzzle p = FreshPuzzle(30, 30, Twofold);
  NullGridView view;
  for (int r = 1; r <= 30; ++r) {
    ToggleBlock(p, view, 10, r);
    ToggleBlock(p, view, 20, r);
  }
  return Lettered(p, "Benchmark blocks, thirty by thirty");
}

Puzzle LargeBarPuzzle() {
  Puzzle p = FreshPuzzle(30, 30, Fourfold);
  NullGridView view;
  for (int k = 0; k < 10; ++k) ToggleMarkSymmetric(p, view, {Mark::HBar, 2 + k, 3 + k});
  return Lettered(p, "Benchmark bars");
}

namespace {

void SetMark(Puzzle& p, const MarkAt& m) {
  switch (m.kind) {
    case Mark::Block: p.Blocks(m.col, m.row) = 1; break;
    case Mark::HBar: p.HBars(m.col, m.row) = 1; break;
    case Mark::VBar: p.VBars(m.col, m.row) = 1; break;
  }
}

}  // namespace

void SetLetters(Puzzle& p, const std::vector<std::string>& rows) {
  for (int r = 1; r <= p.VSquares; ++r)
    for (int c = 1; c <= p.HSquares; ++c)
      if (p.Blocks(c, r) == 0) p.Letters(c, r) = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
  p.HasSolution = true;
}

void DecodeLines(Puzzle& p, const TextLineList& lines) {
  NullView view;
  DecodeText(TextLines::FromLines(lines), p, view);
}

void SetWithPartners(Puzzle& p, const MarkAt& mark) {
  for (const MarkAt& m : SymmetricPartners(mark, p.Symmetry, p.HSquares, p.VSquares)) SetMark(p, m);
  SetMark(p, mark);
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

}  // namespace kven::test
