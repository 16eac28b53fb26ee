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
  const int checked = test::ForEachRandomPuzzle(20261208, [](Puzzle& source, const std::string& where) {
    Puzzle decoded = test::FreshPuzzle();
    decoded.AutoNumbered = decoded.ManualNumbered = false;
    NullView view;
    if (DecodeText(TextLines::FromLines(EncodeText(source)), decoded, view) != DecodeResult::Decoded) {
      ADD_FAILURE() << where << ": its own text was not read back";
      return false;
    }
    ExpectSamePuzzle(source, decoded, where);
    return !::testing::Test::HasFatalFailure();
  });
  EXPECT_GT(checked, 1500);  // nearly every size and symmetry was exercised
}


// A text as another program or a hand writes it: any order, any size, any
// squares listed, bars on the outer border among them.
std::string RandomText(std::mt19937& rng) {
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  const int orders[] = {NoSymmetry, Twofold, Fourfold, 3};
  const int h = pick(MinSide, MaxSide);
  const int v = pick(0, 1) != 0 ? h : pick(MinSide, MaxSide);
  const auto list = [&](const char* keyword, bool border) {
    std::string line = keyword;
    for (int n = pick(0, 6); n > 0; --n) {
      // Every third square on the last row or column, where a bar lies on the border.
      const int col = border && pick(0, 2) == 0 ? h : pick(1, h);
      const int row = border && pick(0, 2) == 0 ? v : pick(1, v);
      line += " " + std::to_string((row - 1) * h + col);
    }
    return line + " Z\n";
  };
  std::string text = "KVEN " + std::to_string(orders[pick(0, 3)]) + " " + std::to_string(h) + " " + std::to_string(v) + "\n";
  return text + (pick(0, 2) == 0 ? list("BLK", false) : list("HBR", true) + list("VBR", true));
}

// Whatever a text drew, its own text draws it again, and writing that once
// more gives the same bytes.
TEST(RoundTrip, EveryDiagramATextDrawsReadsBackFromItsOwnText) {
  std::mt19937 rng(20261211);
  int keptOrder = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::string text = RandomText(rng);
    SCOPED_TRACE(text);
    NullView view;
    Puzzle drawn;
    ASSERT_EQ(DecodeText(TextLines(text), drawn, view), DecodeResult::Decoded);
    const TextLineList own = EncodeText(drawn);
    Puzzle back;
    ASSERT_EQ(DecodeText(TextLines::FromLines(own), back, view), DecodeResult::Decoded);
    ASSERT_EQ(test::SetSquares(back, back.Blocks), test::SetSquares(drawn, drawn.Blocks));
    ASSERT_EQ(test::SetSquares(back, back.HBars), test::SetSquares(drawn, drawn.HBars));
    ASSERT_EQ(test::SetSquares(back, back.VBars), test::SetSquares(drawn, drawn.VBars));
    ASSERT_EQ(EncodeText(back), own);
    keptOrder += back.Symmetry != NoSymmetry ? 1 : 0;
  }
  EXPECT_GT(keptOrder, 400);  // many texts keep their order, not only the ones written without
}

}  // namespace
}  // namespace kven
