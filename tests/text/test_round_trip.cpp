// A diagram made symmetric under its symmetry reads back from its own KVEN
// text unchanged, within what the language can carry.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editing/numbering.h"
#include "support/test_puzzles.h"
#include "text/decoder.h"
#include "text/encoder.h"

namespace kven {
namespace {

using test::FreshPuzzle;

enum class Numbering { Auto, Manual, None };

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
        test::SetWithPartners(p, {Mark::HBar, colDist(rng), std::uniform_int_distribution<int>(1, v - 1)(rng)});
      else
        test::SetWithPartners(p, {Mark::VBar, std::uniform_int_distribution<int>(1, h - 1)(rng), rowDist(rng)});
    }
  } else {
    p.BlockDiagram = true;
    for (int i = 0; i < h * v * density / 200; ++i) test::SetWithPartners(p, {Mark::Block, colDist(rng), rowDist(rng)});
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

void ExpectSamePuzzle(const Puzzle& a, const Puzzle& b, const std::string& where) {
  ASSERT_EQ(a.HSquares, b.HSquares) << where;
  ASSERT_EQ(a.VSquares, b.VSquares) << where;
  EXPECT_EQ(a.Symmetry, b.Symmetry) << where;
  EXPECT_EQ(a.BlockDiagram, b.BlockDiagram) << where;
  EXPECT_EQ(a.BarDiagram, b.BarDiagram) << where;
  EXPECT_EQ(a.Title, b.Title) << where;
  EXPECT_EQ(a.ManualNumbered, b.ManualNumbered) << where;
  EXPECT_EQ(a.AutoNumbered || a.ManualNumbered, b.AutoNumbered || b.ManualNumbered) << where;
  for (int r = 1; r <= a.VSquares; ++r) {
    for (int c = 1; c <= a.HSquares; ++c) {
      const std::string at = where + " [" + std::to_string(c) + "," + std::to_string(r) + "]";
      ASSERT_EQ(a.Blocks(c, r), b.Blocks(c, r)) << at;
      ASSERT_EQ(a.HBars(c, r), b.HBars(c, r)) << at;
      ASSERT_EQ(a.VBars(c, r), b.VBars(c, r)) << at;
      ASSERT_EQ(a.Numbers(c, r), b.Numbers(c, r)) << at;
      ASSERT_EQ(a.Letters(c, r), b.Letters(c, r)) << at;
    }
  }
  if (a.AutoNumbered) {
    EXPECT_EQ(a.AcrossCount, b.AcrossCount) << where;
    EXPECT_EQ(a.AcrossNumbers, b.AcrossNumbers) << where;
    EXPECT_EQ(a.DownNumbers, b.DownNumbers) << where;
  }
}

TEST(RoundTrip, RandomSymmetricDiagramsReadBackUnchanged) {
  std::mt19937 rng(20261208);
  int checked = 0;
  for (int h = 5; h <= 30; ++h) {
    for (int v = 5; v <= 30; ++v) {
      for (int symmetry : {0, 2, 4}) {
        // Bars on every square grid under every symmetry; elsewhere on half the sizes.
        const bool bars = (h + v + symmetry) % 2 == 0 && (symmetry != 4 || h == v);
        const auto numbering = static_cast<Numbering>((h * 7 + v * 3 + symmetry) % 3);
        Puzzle source;
        try {
          source = RandomPuzzle(rng, h, v, symmetry, bars, numbering);
        } catch (const RangeError&) {
          continue;  // more than 100 entries: the language cannot number it
        }
        Puzzle decoded = FreshPuzzle();
        decoded.AutoNumbered = decoded.ManualNumbered = false;
        NullView view;
        ASSERT_EQ(DecodeText(TextLines::FromLines(EncodeText(source)), decoded, view), DecodeResult::Decoded);
        ExpectSamePuzzle(source, decoded,
                         std::to_string(h) + "x" + std::to_string(v) + " sym " + std::to_string(symmetry));
        if (::testing::Test::HasFatalFailure()) return;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1500);  // nearly every size and symmetry was exercised
}

}  // namespace
}  // namespace kven
