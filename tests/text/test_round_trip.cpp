// A diagram made symmetric under its symmetry reads back from its own KVEN
// text unchanged, within what the language can carry.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kven
