// The check holds for every puzzle the model can hold, odd values set
// directly included. (What the reader makes of arbitrary text is the fuzz
// harness's to try: it checks every puzzle it decodes.)
#include <gtest/gtest.h>

#include <random>

#include "check/check_diagram.h"
#include "check/check_json.h"
#include "check/check_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

void ExpectSound(const CheckReport& r) {
  const auto inside = [&](const SquarePos& s) {
    return s.col >= 1 && s.col <= r.columns && s.row >= 1 && s.row <= r.rows;
  };
  for (const CheckedEntry& e : r.entries) {
    ASSERT_EQ(e.checked + e.unchecked, e.length);
    ASSERT_TRUE(e.squares.size() == static_cast<std::size_t>(e.length) &&
                std::all_of(e.squares.begin(), e.squares.end(), inside));
  }
  for (const Finding& f : r.findings)
    ASSERT_TRUE(!f.squares.empty() && std::all_of(f.squares.begin(), f.squares.end(), inside)) << f.text;
  for (const std::string& line : CheckReportLines(r)) ASSERT_LE(line.size(), MaxShortString);
  ASSERT_FALSE(CheckReportJson(r).dump().empty());  // throws on a title that is not UTF-8
}

// Both kinds, bars on the border, any order, numbers, letters and options,
// and sizes the model should never hold.
TEST(CheckRobustness, RandomPuzzles) {
  std::mt19937 rng(20240611);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const std::int32_t values[] = {0, 0, 1, 2, 3, 4, 999, -3, INT32_MIN, INT32_MAX};
  for (int round = 0; round < 300; ++round) {
    Puzzle p = test::FreshPuzzle(pick(5, 30), pick(5, 30), values[pick(0, 9)]);
    if (round % 50 == 0) p.HSquares = round == 0 ? 0 : 1000;
    p.BlockDiagram = pick(0, 1) == 1;
    p.BarDiagram = pick(0, 1) == 1;
    p.AutoNumbered = pick(0, 1) == 1;
    p.ManualNumbered = pick(0, 1) == 1;
    p.HasSolution = pick(0, 1) == 1;
    const int density = pick(0, 60);
    for (int r = 1; r <= MaxSide; ++r) {
      for (int c = 1; c <= MaxSide; ++c) {
        p.Blocks(c, r) = pick(0, 99) < density;
        p.HBars(c, r) = pick(0, 99) < density;
        p.VBars(c, r) = pick(0, 99) < density;
        p.Numbers(c, r) = values[pick(0, 9)];
        p.Letters(c, r) = static_cast<char>(pick(-128, 127));
      }
    }
    const CheckOptions o{
        static_cast<CheckStyle>(pick(0, 4)), pick(-5, 40), pick(-2, 5), pick(-2, 40), pick(-50, 150), pick(-50, 150)};
    SCOPED_TRACE(round);
    ExpectSound(CheckDiagram(p, o));
  }
}

}  // namespace
}  // namespace kven
