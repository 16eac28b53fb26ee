// Each rule on small diagrams worked out by hand: broken and just missed, on
// block and bar diagrams, in every style.
#include <gtest/gtest.h>

#include <climits>

#include "check/check_diagram.h"
#include "editing/numbering.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using Lines = std::vector<std::string>;
using Strings = std::vector<std::string>;

// Per finding of the rule: the entry it names (short, unchecked) or its squares.
Strings Found(const CheckReport& r, CheckRule rule) {
  Strings out;
  for (const Finding& f : r.findings) {
    if (f.rule != rule) continue;
    std::string squares;
    for (const SquarePos& s : f.squares)
      squares += (squares.empty() ? "" : " ") + std::to_string(s.col) + "," + std::to_string(s.row);
    out.push_back(rule == CheckRule::Short || rule == CheckRule::Unchecked ? f.text.substr(0, f.text.find(" has "))
                                                                           : squares);
  }
  return out;
}

std::string FirstText(const CheckReport& r, CheckRule rule) {
  for (const Finding& f : r.findings)
    if (f.rule == rule) return f.text;
  return "(none)";
}

struct RuleCase {
  const char* what;
  Lines text;
  CheckRule rule;
  Strings want;
  std::string firstText = {};  // checked when given
  CheckOptions options = {};
  std::int32_t symmetry = Keep;  // replaces the text's order
  SquarePos blockAfterNumbering = {};
  static constexpr std::int32_t Keep = -77;
};

class Rules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rules, ReportExactlyWhatBreaksThem) {
  const RuleCase& c = GetParam();
  Puzzle p = test::Decoded(c.text);
  if (c.symmetry != RuleCase::Keep) p.Symmetry = c.symmetry;
  if (c.blockAfterNumbering.col != 0) p.Blocks(c.blockAfterNumbering.col, c.blockAfterNumbering.row) = 1;
  const CheckReport r = CheckDiagram(p, c.options);
  EXPECT_EQ(Found(r, c.rule), c.want);
  if (!c.firstText.empty()) {
    EXPECT_EQ(FirstText(r, c.rule), c.firstText);
  }
}

CheckOptions With(CheckStyle style, int minLength = 3, int ukMaxRun = 1, int ukLongEntry = 9, int minPercent = 66,
                  int maxPercent = 75) {
  return {style, minLength, ukMaxRun, ukLongEntry, minPercent, maxPercent};
}
const CheckOptions Auto = {};

// A 5 x 5 diagram without symmetry: blocks, or bars below and right of the
// squares listed by number ((row - 1) * 5 + col).
Lines B(const std::string& blocks, const std::string& more = "") {
  return more.empty() ? Lines{"KVEN 0 5 5", "BLK " + blocks + " Z"} : Lines{"KVEN 0 5 5", "BLK " + blocks + " Z", more};
}
Lines R(const std::string& below, const std::string& right) {
  return {"KVEN 0 5 5", "HBR " + below + " Z", "VBR " + right + " Z"};
}
// Hand numbers of blocks at 5,1 and 1,5 (automatic numbering gives the first).
Lines Hand(const std::string& row1, const std::string& row2, const std::string& row5) {
  return {"KVEN 0 5 5", "BLK 5 21 Z", "MN", row1, row2, "7 0 0 0 0", "8 0 0 0 0", row5};
}
Lines BarHand(const std::string& row1, const std::string& row2) {
  return {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z", "MN", row1, row2, "7 0 0 0 0", "8 0 0 0 0", "9 0 0 0 0"};
}
Lines BarAnswer(const std::string& row2, const std::string& row5) {
  return {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z", "NN", "TTL x", "ANS", "ABCDE", row2, "KLMNO", "PQRST", row5};
}
Lines Clasp(const std::string& row2) {
  return {"KVEN 2 5 5", "BLK 8 Z", "TTL Clasp", "ANS", "CLASP", row2, "AVERT", "NE.EA", "ESTER"};
}

// Blocks at 2,2 4,2 2,4 4,4: across 1 4 5, down 1 2 3, each of 5 letters
// with letters 2 and 4 unchecked.
const Lines Lattice = B("7 9 17 19");
const Strings LatticeAll = {"1 across", "4 across", "5 across", "1 down", "2 down", "3 down"};
// Blocks at 1,2 3,2 5,2: 1 across is unchecked, checked, ... (3 to 2); 2 and
// 3 down have one unchecked letter; across 4 7 8 (5 letters) and down 4 5 6
// (3 letters) are checked in full.
const Lines Comb = B("6 8 10");
// Bars below 2,1 and 4,1: 1 across has 3 checked and 2 not; 5 and 6 down
// have 4 letters; the rest (5 letters) is checked in full.
const Lines BarComb = R("2 4", "");
const Strings BarCombBarred = {"1 across", "4 across", "7 across", "8 across",
                               "9 across", "1 down",   "2 down",   "3 down"};
// Blocks at 1,2 3,2 ... 9,2: 1 across has 5 unchecked letters and 4 checked.
const Lines LongComb = {"KVEN 0 9 9", "BLK 10 12 14 16 18 Z"};
const Lines Turnabout = {"KVEN 4 6 6", "HBR 1 15 Z", "VBR 2 Z"};

using enum CheckRule;
using enum CheckStyle;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Diagrams, Rules, ::testing::Values(
    RuleCase{"block mid top row: two entries of 2", B("3"), Short, {"1 across", "3 across"},
             "1 across has 2 letters, fewer than 3"},
    RuleCase{"block at 4,1 leaves 3 letters", B("4"), Short, {}},
    RuleCase{"the same unnumbered, minimum 5", B("4", "NN"), Short, {"1,1 across", "4,2 down"},
             "1,1 across has 3 letters, fewer than 5", With(Automatic, 5)},
    RuleCase{"bar below 1,3: 2 letters below it", R("11", ""), Short, {"8 down"}},
    RuleCase{"bar halving a row of 6", {"KVEN 0 6 6", "HBR Z", "VBR 3 Z"}, Short, {}},

    RuleCase{"lattice, us", Lattice, Unchecked, LatticeAll, "1 across has 2 of 5 letters unchecked (us allows none)",
             With(Us)},
    RuleCase{"lattice, automatic is uk for blocks: 2 unchecked to 3, never two together", Lattice, Unchecked, {}},
    RuleCase{"lattice, barred", Lattice, Unchecked, LatticeAll, "1 across has 3 of 5 letters checked (barred wants 4)",
             With(Barred)},
    RuleCase{"lattice, none", Lattice, Unchecked, {}, {}, With(None)},
    RuleCase{"comb, uk", Comb, Unchecked, {"1 across"}, "1 across has 3 unchecked to 2 checked (uk allows 2)"},
    RuleCase{"comb, barred: 2 of 5 and 5 of 5 fail, 4 of 5 and 3 of 3 pass", Comb, Unchecked,
             {"1 across", "4 across", "7 across", "8 across"}, {}, With(Barred)},
    RuleCase{"bar comb, us", BarComb, Unchecked, {"1 across"}, {}, With(Us)},
    RuleCase{"bar comb, uk", BarComb, Unchecked, {}, {}, With(Uk)},
    RuleCase{"bar comb, automatic is barred for bars", BarComb, Unchecked, BarCombBarred},
    RuleCase{"bar comb, barred up to 100%", BarComb, Unchecked, {"1 across"},
             "1 across has 3 of 5 letters checked (barred wants 4 to 5)", With(Barred, 3, 1, 9, 66, 100)},
    RuleCase{"bars below 2,1 3,1, uk", R("2 3", ""), Unchecked, {"1 across"},
             "1 across has 2 unchecked letters in a row (uk allows 1)", With(Uk)},
    RuleCase{"the same, uk allowing runs of 2", R("2 3", ""), Unchecked, {}, {}, With(Uk, 3, 2)},
    RuleCase{"9 letters, uk: 5 unchecked to 4 allowed", LongComb, Unchecked, {}},
    RuleCase{"9 letters, uk's extra letter from 10 on", LongComb, Unchecked, {"1 across"},
             "1 across has 5 unchecked to 4 checked (uk allows 4)", With(Uk, 3, 1, 10)},
    RuleCase{"barred: 2-letter entries checked in full, 6 of 6 too many", Turnabout, Unchecked,
             {"1 across", "7 across", "14 across", "16 across", "2 down", "5 down", "6 down", "14 down"},
             "1 across has 1 of 2 letters checked (barred wants 2)"},

    RuleCase{"corner shut in by two blocks", B("2 6"), Orphan, {"1,1"}, "square 1,1 is in no entry"},
    RuleCase{"corner beside one block is an unchecked letter", B("2"), Orphan, {}},
    RuleCase{"centre in a cross of blocks", B("8 12 14 18"), Orphan, {"3,3"}},
    RuleCase{"corner boxed by two bars", R("1", "1"), Orphan, {"1,1"}},
    RuleCase{"corner with a bar below only", R("1", ""), Orphan, {}},

    RuleCase{"column of blocks, equal halves: the first is the main piece", B("3 8 13 18 23"), Split,
             {"4,1 5,1 4,2 5,2 4,3 5,3 4,4 5,4 4,5 5,5"}},
    RuleCase{"the column open at the foot", B("3 8 13 18"), Split, {}},
    RuleCase{"two columns of blocks, three pieces", {"KVEN 0 7 5", "BLK 3 5 10 12 17 19 24 26 31 33 Z"}, Split,
             {"4,1 4,2 4,3 4,4 4,5", "6,1 7,1 6,2 7,2 6,3 7,3 6,4 7,4 6,5 7,5"}},
    RuleCase{"an orphan is no piece", B("8 12 14 18"), Split, {}},
    RuleCase{"a wall of bars right of column 2", R("", "2 7 12 17 22"), Split,
             {"1,1 2,1 1,2 2,2 1,3 2,3 1,4 2,4 1,5 2,5"},
             "a piece of 10 squares at 1,1 is cut off from the main piece of 15 squares at 3,1 (2 pieces in all)"},
    RuleCase{"the wall open at the foot", R("", "2 7 12 17"), Split, {}},

    RuleCase{"twofold, a block alone", B("2"), Asymmetric, {"2,1 4,5"}, "block at 2,1 lacks its partner, block at 4,5",
             Auto, 2},
    RuleCase{"twofold, a block and its partner", B("2 24"), Asymmetric, {}, {}, Auto, 2},
    RuleCase{"fourfold, one finding for the four", B("2 24"), Asymmetric, {"2,1 4,5 4,1 2,5"},
             "block at 2,1 and block at 4,5 lack their partners, block at 4,1 and block at 2,5", Auto, 4},
    RuleCase{"no symmetry", B("2"), Asymmetric, {}, {}, Auto, 0},
    RuleCase{"order 999 reads as twofold", B("2"), Asymmetric, {"2,1 4,5"}, {}, Auto, 999},
    RuleCase{"a negative order reads as none", B("2"), Asymmetric, {}, {}, Auto, INT_MIN},
    RuleCase{"twofold, a bar alone", R("1", ""), Asymmetric, {"1,1 5,4"},
             "bar below 1,1 lacks its partner, bar below 5,4", Auto, 2},
    RuleCase{"twofold, a bar and its partner", R("1 20", ""), Asymmetric, {}, {}, Auto, 2},
    RuleCase{"fourfold bars turn a quarter on a square grid", R("1 20", ""), Asymmetric, {"1,1 5,4 4,1 1,5"},
             "bar below 1,1 and bar below 5,4 lack their partners, bar right of 4,1 and bar right of 1,5", Auto, 4},
    RuleCase{"fourfold bars on 6 x 5: half turn only", {"KVEN 0 6 5", "HBR 1 24 Z", "VBR Z"}, Asymmetric, {}, {},
             Auto, 4},

    RuleCase{"every entry numbered once", Hand("1 2 3 4 0", "5 0 0 0 6", "0 9 0 0 0"), Numbering, {}},
    RuleCase{"11 on a block, 6 left out, 9 inside an entry and twice", Hand("1 2 3 4 11", "5 0 0 0 0", "0 9 0 0 9"),
             Numbering, {"5,1", "5,2", "5,5", "2,5 5,5"}, "number 11 at 5,1 starts no entry"},
    RuleCase{"5 twice", Hand("1 2 3 4 0", "5 0 0 0 5", "0 9 0 0 0"), Numbering, {"1,2 5,2"},
             "number 5 is used 2 times, at 1,2; 5,2"},
    RuleCase{"a bar diagram numbered in full", BarHand("1 0 2 0 3", "4 5 0 6 0"), Numbering, {}},
    RuleCase{"a bar diagram's 6 above its bar", BarHand("1 0 2 6 3", "4 5 0 0 0"), Numbering, {"4,1", "4,2"},
             "number 6 at 4,1 starts no entry"},
    RuleCase{"no numbers at all", B("5 21", "NN"), Numbering, {}},
    RuleCase{"automatic numbers, unedited", B(""), Numbering, {}},
    RuleCase{"automatic numbers from before a block at 5,1", B(""), Numbering, {"5,1 1,2 5,2"},
             "3 squares differ from the automatic numbering of the diagram as it is now: 5,1 has 5, now none; "
             "1,2 has 6, now 5; 5,2 has none, now 6", Auto, RuleCase::Keep, {5, 1}},
    RuleCase{"ten automatic numbers moved by a block at 1,1", {"KVEN 2 5 5", "BLK 8 Z"}, Numbering,
             {"1,1 2,1 4,1 5,1 1,2 4,2 1,3 1,4 4,4 1,5"},
             "10 squares differ from the automatic numbering of the diagram as it is now: 1,1 has 1, now none; "
             "2,1 has 2, now 1; 4,1 has 3, now 2; 5,1 has 4, now 3; 1,2 has 5, now 4 and 5 more",
             Auto, RuleCase::Keep, {1, 1}},

    RuleCase{"a complete solution", Clasp("RO.HE"), Solution, {}},
    RuleCase{"one letter missing", Clasp("RO.H."), Solution, {"5,2"}, "1 open square has no letter: 5,2"},
    RuleCase{"the blank mark is no letter", Clasp("R .HE"), Solution, {"2,2"}},
    RuleCase{"no solution at all", {"KVEN 2 5 5", "BLK 8 Z"}, Solution, {}},
    RuleCase{"a bar diagram's solution with two gaps", BarAnswer("F.HIJ", "UVWX."), Solution, {"2,2 5,5"}},
    RuleCase{"a bar diagram's complete solution", BarAnswer("FGHIJ", "UVWXY"), Solution, {}}));
// clang-format on

TEST(NumberingRule, TakesThreeHundredEntries) {
  Puzzle p = test::FreshPuzzle(30, 30, 0);
  NullGridView view;
  for (int row = 1; row <= 30; ++row)
    for (int col = 3; col <= 30; col += 3) ToggleBlock(p, view, col, row);
  AutoNumber(p, view);
  const CheckReport r = CheckDiagram(p);
  EXPECT_EQ(r.summary.across, 300);
  EXPECT_EQ(Found(r, Numbering), Strings{});
}

// Marks of the other kind are neither drawn nor written to the text, so the
// check does not see them; a diagram of both kinds is read by both.
TEST(DiagramKinds, OnlyTheMarksOfTheKindCount) {
  Puzzle p = test::Decoded({"KVEN 0 5 5", "BLK Z"});
  p.HBars(1, 1) = p.VBars(1, 1) = 1;  // would shut 1,1 in
  EXPECT_EQ(Found(CheckDiagram(p), Orphan), Strings{});
  p.BarDiagram = true;
  const CheckReport both = CheckDiagram(p);
  EXPECT_EQ(std::tuple(both.kind, both.style, both.summary.bars), std::tuple(DiagramKind::Both, Barred, 2));
  EXPECT_EQ(Found(both, Orphan), Strings{"1,1"});

  p = test::Decoded({"KVEN 0 5 5", "HBR Z", "VBR Z"});
  p.Blocks(3, 3) = 1;
  EXPECT_EQ(CheckDiagram(p).summary.lengths[5], 10);
  p.BlockDiagram = true;  // the block now splits row 3 and column 3 in two
  EXPECT_EQ(CheckDiagram(p).summary.lengths[2], 4);

  const CheckReport fresh = CheckDiagram(test::FreshPuzzle(5, 5, 2));  // neither kind yet
  EXPECT_EQ(std::tuple(fresh.kind, fresh.style, fresh.Passed()), std::tuple(DiagramKind::Blocks, Uk, true));
}

}  // namespace
}  // namespace kven
