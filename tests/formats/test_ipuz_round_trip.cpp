// KVEN puzzles go out as ipuz and come back as the same KVEN text: the
// diagram, numbers, title and solution in the document's own fields, the
// symmetry and numbering kind in the program's extension.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "editing/numbering.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "formats/kven_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::ExpectSameAsKven;
using test::FreshPuzzle;
using test::FromKvenText;

Puzzle ThroughIpuz(const Puzzle& p, const std::string& where) {
  const std::string document = WriteIpuz(p);
  const Import back = ReadIpuz(document);
  EXPECT_EQ(back.outcome, ImportOutcome::Imported) << where << ": " << back.message;
  EXPECT_EQ(back.solutionCellsLeftEmpty, 0) << where;
  EXPECT_EQ(WriteIpuz(back.puzzle), document) << where;  // nothing drifts on a second pass
  return back.puzzle;
}

TEST(IpuzRoundTrip, Examples) {
  // Among them a twofold diagram that happens to be fourfold, and hand
  // numbers that equal the automatic ones.
  for (const char* name : {"bar-fourfold.txt", "block-twofold.txt", "manual-numbers.txt"}) {
    const Puzzle source = FromKvenText(test::ReadExample(name));
    ExpectSameAsKven(ThroughIpuz(source, name), source, name);
  }
}

// A KVEN text may list a bar below the last row or right of the last
// column; our own document keeps it, though other programs' bars there are
// dropped as meaning nothing.
TEST(IpuzRoundTrip, BarsOnTheOuterBorderComeBack) {
  for (const char* text : {"KVEN 0 5 5\nHBR 23 Z\nVBR 10 Z", "KVEN 2 6 6\nHBR 2 33 Z\nVBR 8 36 Z",
                           "KVEN 0 7 5\nHBR 35 Z\nVBR 7 14 21 28 35 Z\nNN"}) {
    const Puzzle source = FromKvenText(text);
    ExpectSameAsKven(ThroughIpuz(source, text), source, text);
  }
}

TEST(IpuzRoundTrip, AutomaticNumbersOfTwoHundredFortyEntriesComeBackAutomatic) {
  Puzzle p = FreshPuzzle(30, 30, 0);
  NullGridView view;
  for (int r = 1; r <= 30; ++r)
    for (int c = 4; c <= 28; c += 4) ToggleBlock(p, view, c, r);  // 8 across entries a row
  AutoNumber(p, view);
  ASSERT_EQ(p.AcrossCount, 240);
  const Puzzle back = ThroughIpuz(p, "240 across entries");
  EXPECT_TRUE(back.AutoNumbered);
  ExpectSameAsKven(back, p, "240 across entries");
}

TEST(IpuzRoundTrip, RandomPuzzlesComeBackAsTheSameKvenText) {
  const int checked = test::ForEachRandomPuzzle(20261209, [](Puzzle& p, const std::string& where) {
    // A KVEN text carries any run of digits as a hand number, on an open
    // square or a block; numbers wider than their field are written where
    // the text reads them back, first in their row.
    if (p.ManualNumbered) {
      std::mt19937 rng(static_cast<unsigned>(p.HSquares * 31 + p.VSquares));
      std::uniform_int_distribution<std::int32_t> wide(1000, std::numeric_limits<std::int32_t>::max());
      for (int r = 1; r <= p.VSquares; r += 2) p.Numbers(1, r) = wide(rng);
    }
    ExpectSameAsKven(ThroughIpuz(p, where), p, where);
    return !::testing::Test::HasFailure();
  });
  EXPECT_GT(checked, 1500);
}

}  // namespace
}  // namespace kven
