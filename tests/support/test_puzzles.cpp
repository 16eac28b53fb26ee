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

Puzzle Decoded(const TextLineList& lines) {
  Puzzle p = FreshPuzzle();
  DecodeLines(p, lines);
  return p;
}

void SetWithPartners(Puzzle& p, const MarkAt& mark) {
  for (const MarkAt& m : SymmetricPartners(mark, p.Symmetry, p.HSquares, p.VSquares)) SetMark(p, m);
  SetMark(p, mark);
}

namespace {

std::string RandomTitle(std::mt19937& rng, bool avoidNumberingKeywords) {
  std::uniform_int_distribution<int> length(0, 251), byte(1, 255);
  std::string title;
  const int n = length(rng);
  while (static_cast<int>(title.size()) < n) {
    const char c = static_cast<char>(byte(rng));
    if (c == '\r' || c == '\n') continue;
    title += c;
    if (avoidNumberingKeywords && title.size() >= 2) {
      const std::string tail = title.substr(title.size() - 2);
      if (tail == "MN" || tail == "NN") title.pop_back();
    }
  }
  return title;
}

}  // namespace

Puzzle RandomPuzzle(std::mt19937& rng, int h, int v, int symmetry, bool bars, Numbering numbering) {
  Puzzle p = FreshPuzzle(h, v, symmetry);
  std::uniform_int_distribution<int> colDist(1, h), rowDist(1, v), percent(0, 99);
  const int density = std::uniform_int_distribution<int>(0, 30)(rng);
  if (bars) {
    p.BarDiagram = true;
    for (int i = 0; i < h * v * density / 100; ++i) {
      // No bar on the outer border.
      const bool horizontal = percent(rng) < 50;
      if (horizontal)
        SetWithPartners(p, {Mark::HBar, colDist(rng), std::uniform_int_distribution<int>(1, v - 1)(rng)});
      else
        SetWithPartners(p, {Mark::VBar, std::uniform_int_distribution<int>(1, h - 1)(rng), rowDist(rng)});
    }
  } else {
    p.BlockDiagram = true;
    for (int i = 0; i < h * v * density / 200; ++i) SetWithPartners(p, {Mark::Block, colDist(rng), rowDist(rng)});
  }
  NullGridView view;
  if (numbering == Numbering::Auto) {
    AutoNumber(p, view);  // may throw: the caller skips such diagrams
  } else if (numbering == Numbering::Manual) {
    p.ManualNumbered = true;
    std::uniform_int_distribution<int> number(0, 999);
    for (int r = 1; r <= v; ++r)
      for (int c = 1; c <= h; ++c) p.Numbers(c, r) = percent(rng) < 30 ? number(rng) : 0;
  }
  p.Title = RandomTitle(rng, numbering == Numbering::Auto);
  if (percent(rng) < 60) {
    p.HasSolution = true;
    const std::string alphabet = " .ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int r = 1; r <= v; ++r)
      for (int c = 1; c <= h; ++c)
        if (p.Blocks(c, r) == 0) p.Letters(c, r) = alphabet[pick(rng)];
  }
  return p;
}

int ForEachRandomPuzzle(unsigned seed, const std::function<bool(Puzzle& p, const std::string& where)>& check) {
  std::mt19937 rng(seed);
  int checked = 0;
  for (int h = 5; h <= 30; ++h) {
    for (int v = 5; v <= 30; ++v) {
      for (int symmetry : {NoSymmetry, Twofold, Fourfold}) {
        const bool bars = (h + v + symmetry) % 2 == 0 && (symmetry != Fourfold || h == v);
        const auto numbering = static_cast<Numbering>((h * 7 + v * 3 + symmetry) % 3);
        Puzzle p = RandomPuzzle(rng, h, v, symmetry, bars, numbering);
        if (!check(p, std::to_string(h) + "x" + std::to_string(v) + " sym " + std::to_string(symmetry)))
          return checked;
        ++checked;
      }
    }
  }
  return checked;
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

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

std::string ReadExample(const std::string& name) { return ReadWhole(std::string(KVEN_EXAMPLES_DIR) + "/" + name); }

std::string ReadTestData(const std::string& path) { return ReadWhole(std::string(KVEN_TEST_DATA_DIR) + "/" + path); }

}  // namespace kven::test
