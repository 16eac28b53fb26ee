// One table per rule: small diagrams worked out by hand, each rule broken
// and just missed, on block and bar diagrams.
#include <gtest/gtest.h>

#include <climits>

#include "check_helpers.h"
#include "editing/numbering.h"

namespace kven {
namespace {

using testing::Decode;
using testing::FindingSquares;
using testing::FindingTexts;
using testing::Lines;
using Strings = std::vector<std::string>;

std::string First(const Strings& texts) { return texts.empty() ? "(none)" : texts.front(); }

// --- short ---------------------------------------------------------------

struct ShortCase {
  const char* what;
  Lines text;
  int minLength;
  Strings squares;
};

class ShortRule : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortRule, ReportsEntriesBelowTheMinimum) {
  const ShortCase& c = GetParam();
  CheckOptions options;
  options.minLength = c.minLength;
  EXPECT_EQ(FindingSquares(CheckDiagram(Decode(c.text), options), CheckRule::Short), c.squares);
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, ShortRule,
    ::testing::Values(
        ShortCase{"a block mid top row leaves two entries of 2", {"KVEN 0 5 5", "BLK 3 Z"}, 3, {"1,1 2,1", "4,1 5,1"}},
        ShortCase{"the same with minimum 2", {"KVEN 0 5 5", "BLK 3 Z"}, 2, {}},
        ShortCase{"a minimum below 2 reports nothing", {"KVEN 0 5 5", "BLK 3 Z"}, -4, {}},
        ShortCase{"a block at 4,1 leaves 3 letters and a lone square", {"KVEN 0 5 5", "BLK 4 Z"}, 3, {}},
        ShortCase{"the same with minimum 5", {"KVEN 0 5 5", "BLK 4 Z"}, 5, {"1,1 2,1 3,1", "4,2 4,3 4,4 4,5"}},
        ShortCase{"a bar right of 2,1", {"KVEN 0 5 5", "HBR Z", "VBR 2 Z"}, 3, {"1,1 2,1"}},
        ShortCase{"a bar below 1,3 leaves 2 letters below it", {"KVEN 0 5 5", "HBR 11 Z", "VBR Z"}, 3, {"1,4 1,5"}},
        ShortCase{"a bar halving a top row of 6", {"KVEN 0 6 6", "HBR Z", "VBR 3 Z"}, 3, {}}));

TEST(ShortRule, NamesTheEntryByItsNumber) {
  EXPECT_EQ(FindingTexts(CheckDiagram(Decode({"KVEN 0 5 5", "BLK 3 Z"})), CheckRule::Short),
            (Strings{"1 across has 2 letters, fewer than 3", "3 across has 2 letters, fewer than 3"}));
  // Without numbers an entry is named by its first square.
  EXPECT_EQ(FindingTexts(CheckDiagram(Decode({"KVEN 0 5 5", "BLK 3 Z", "NN"})), CheckRule::Short),
            (Strings{"1,1 across has 2 letters, fewer than 3", "4,1 across has 2 letters, fewer than 3"}));
}

// --- unchecked -------------------------------------------------------------

// Blocks at 2,2 4,2 2,4 4,4: three across and three down entries of 5, each
// with letters 2 and 4 unchecked.
const Lines Lattice = {"KVEN 0 5 5", "BLK 7 9 17 19 Z"};
// Blocks at 1,2 3,2 5,2: 1 across reads unchecked-checked alternately from an
// unchecked letter (3 to 2); 2 and 3 down have one unchecked letter; the rest
// is fully checked.
const Lines Comb = {"KVEN 0 5 5", "BLK 6 8 10 Z"};
// Bars below 2,1 and 4,1: 1 across as Comb's (3 checked, 2 not), the rest
// fully checked; 5 and 6 down have 4 letters.
const Lines BarComb = {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z"};
// Bars below 2,1 and 3,1: two unchecked letters in a row in 1 across.
const Lines BarPair = {"KVEN 0 5 5", "HBR 2 3 Z", "VBR Z"};
// Blocks at 1,2 3,2 ... 9,2: 1 across has 5 unchecked letters and 4 checked.
const Lines LongComb = {"KVEN 0 9 9", "BLK 10 12 14 16 18 Z"};

struct UncheckedCase {
  const char* what;
  Lines text;
  CheckStyle style;
  CheckOptions options;  // its style is replaced by `style`
  Strings entries;       // entries reported, as named in the text
};

class UncheckedRule : public ::testing::TestWithParam<UncheckedCase> {};

TEST_P(UncheckedRule, ReportsEntriesTheStyleRefuses) {
  const UncheckedCase& c = GetParam();
  CheckOptions options = c.options;
  options.style = c.style;
  Strings named;
  for (const std::string& text : FindingTexts(CheckDiagram(Decode(c.text), options), CheckRule::Unchecked))
    named.push_back(text.substr(0, text.find(" has ")));
  EXPECT_EQ(named, c.entries);
}

CheckOptions UkLongFrom(int length) {
  CheckOptions o;
  o.ukLongEntry = length;
  return o;
}
CheckOptions UkRun(int run) {
  CheckOptions o;
  o.ukMaxRun = run;
  return o;
}
CheckOptions Barred(int minPercent, int maxPercent) {
  CheckOptions o;
  o.barredMinPercent = minPercent;
  o.barredMaxPercent = maxPercent;
  return o;
}

const Strings LatticeAll = {"1 across", "4 across", "5 across", "1 down", "2 down", "3 down"};
const Strings BarCombBarred = {"1 across", "4 across", "7 across", "8 across",
                               "9 across", "1 down",   "2 down",   "3 down"};

INSTANTIATE_TEST_SUITE_P(
    Styles, UncheckedRule,
    ::testing::Values(
        UncheckedCase{"lattice, us", Lattice, CheckStyle::Us, {}, LatticeAll},
        UncheckedCase{"lattice, uk: 2 unchecked to 3 checked, never two together", Lattice, CheckStyle::Uk, {}, {}},
        UncheckedCase{"lattice, barred: 3 of 5 checked is below 4", Lattice, CheckStyle::Barred, {}, LatticeAll},
        UncheckedCase{"lattice, none", Lattice, CheckStyle::None, {}, {}},
        UncheckedCase{"lattice, automatic is uk for blocks", Lattice, CheckStyle::Automatic, {}, {}},
        UncheckedCase{"comb, us", Comb, CheckStyle::Us, {}, {"1 across", "2 down", "3 down"}},
        UncheckedCase{"comb, uk: 3 unchecked to 2 checked", Comb, CheckStyle::Uk, {}, {"1 across"}},
        UncheckedCase{"comb, barred: 2 of 5 too few, 5 of 5 too many, 3 of 3 and 4 of 5 fine",
                      Comb,
                      CheckStyle::Barred,
                      {},
                      {"1 across", "4 across", "7 across", "8 across"}},
        UncheckedCase{"comb, automatic", Comb, CheckStyle::Automatic, {}, {"1 across"}},
        UncheckedCase{"comb, none", Comb, CheckStyle::None, {}, {}},
        UncheckedCase{"bar comb, us", BarComb, CheckStyle::Us, {}, {"1 across"}},
        UncheckedCase{"bar comb, uk", BarComb, CheckStyle::Uk, {}, {}},
        UncheckedCase{"bar comb, barred: 4 of 4 is fine", BarComb, CheckStyle::Barred, {}, BarCombBarred},
        UncheckedCase{"bar comb, automatic is barred for bars", BarComb, CheckStyle::Automatic, {}, BarCombBarred},
        UncheckedCase{"bar comb, none", BarComb, CheckStyle::None, {}, {}},
        UncheckedCase{"bar comb, barred up to 100%", BarComb, CheckStyle::Barred, Barred(66, 100), {"1 across"}},
        UncheckedCase{"bar comb, barred from 60% to 100%", BarComb, CheckStyle::Barred, Barred(60, 100), {}},
        UncheckedCase{"bar pair, uk: two unchecked in a row", BarPair, CheckStyle::Uk, {}, {"1 across"}},
        UncheckedCase{"bar pair, uk allowing runs of 2", BarPair, CheckStyle::Uk, UkRun(2), {}},
        UncheckedCase{"bar pair, us", BarPair, CheckStyle::Us, {}, {"1 across"}},
        UncheckedCase{"9 letters, uk: 5 unchecked to 4 checked is allowed", LongComb, CheckStyle::Uk, {}, {}},
        UncheckedCase{
            "9 letters, uk with the extra letter from 10 on", LongComb, CheckStyle::Uk, UkLongFrom(10), {"1 across"}}));

TEST(UncheckedRule, SaysWhatTheStyleWants) {
  const auto texts = [](const Lines& text, CheckStyle style, CheckOptions o = {}) {
    o.style = style;
    return FindingTexts(CheckDiagram(Decode(text), o), CheckRule::Unchecked);
  };
  EXPECT_EQ(texts(Comb, CheckStyle::Uk), Strings{"1 across has 3 unchecked to 2 checked (uk allows 2)"});
  EXPECT_EQ(texts(BarPair, CheckStyle::Uk), Strings{"1 across has 2 unchecked letters in a row (uk allows 1)"});
  EXPECT_EQ(texts(LongComb, CheckStyle::Uk, UkLongFrom(10)),
            Strings{"1 across has 5 unchecked to 4 checked (uk allows 4)"});
  EXPECT_EQ(First(texts(Lattice, CheckStyle::Us)), "1 across has 2 of 5 letters unchecked (us allows none)");
  EXPECT_EQ(First(texts(Lattice, CheckStyle::Barred)), "1 across has 3 of 5 letters checked (barred wants 4)");
  EXPECT_EQ(texts(BarComb, CheckStyle::Barred, Barred(66, 100)),
            Strings{"1 across has 3 of 5 letters checked (barred wants 4 to 5)"});
  // Two-letter entries of a barred diagram must be checked in full.
  const Puzzle turnabout = Decode({"KVEN 4 6 6", "HBR 1 15 Z", "VBR 2 Z"});
  EXPECT_EQ(First(FindingTexts(CheckDiagram(turnabout), CheckRule::Unchecked)),
            "1 across has 1 of 2 letters checked (barred wants 2)");
}

// A square that only one entry passes through is an unchecked letter; it
// counts in the entry's run.
TEST(UncheckedRule, CountsPerEntry) {
  const CheckReport r = CheckDiagram(Decode(BarPair));
  ASSERT_FALSE(r.entries.empty());
  const CheckedEntry& first = r.entries.front();
  EXPECT_EQ(EntryName(first), "1 across");
  EXPECT_EQ(testing::SquaresText(first.squares), "1,1 2,1 3,1 4,1 5,1");
  EXPECT_EQ(first.checked, 3);
  EXPECT_EQ(first.unchecked, 2);
  EXPECT_EQ(first.longestUncheckedRun, 2);
}

// --- orphan ----------------------------------------------------------------

struct SquaresCase {
  const char* what;
  Lines text;
  Strings squares;
};

class OrphanRule : public ::testing::TestWithParam<SquaresCase> {};

TEST_P(OrphanRule, ReportsOpenSquaresInNoEntry) {
  EXPECT_EQ(FindingSquares(CheckDiagram(Decode(GetParam().text)), CheckRule::Orphan), GetParam().squares);
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, OrphanRule,
    ::testing::Values(SquaresCase{"a corner shut in by two blocks", {"KVEN 0 5 5", "BLK 2 6 Z"}, {"1,1"}},
                      SquaresCase{"a corner beside one block is an unchecked letter", {"KVEN 0 5 5", "BLK 2 Z"}, {}},
                      SquaresCase{"the centre inside a cross of blocks", {"KVEN 0 5 5", "BLK 8 12 14 18 Z"}, {"3,3"}},
                      SquaresCase{"a corner boxed by two bars", {"KVEN 0 5 5", "HBR 1 Z", "VBR 1 Z"}, {"1,1"}},
                      SquaresCase{"a corner with a bar below only", {"KVEN 0 5 5", "HBR 1 Z", "VBR Z"}, {}},
                      SquaresCase{"the centre boxed by twofold bars", {"KVEN 2 5 5", "HBR 8 Z", "VBR 12 Z"}, {"3,3"}}));

TEST(OrphanRule, SaysWhichSquare) {
  EXPECT_EQ(FindingTexts(CheckDiagram(Decode({"KVEN 0 5 5", "BLK 2 6 Z"})), CheckRule::Orphan),
            Strings{"square 1,1 is in no entry"});
}

// --- split -----------------------------------------------------------------

class SplitRule : public ::testing::TestWithParam<SquaresCase> {};

TEST_P(SplitRule, ReportsEachPieceButTheLargest) {
  EXPECT_EQ(FindingSquares(CheckDiagram(Decode(GetParam().text)), CheckRule::Split), GetParam().squares);
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, SplitRule,
    ::testing::Values(SquaresCase{"a column of blocks, equal halves: the first is the main piece",
                                  {"KVEN 0 5 5", "BLK 3 8 13 18 23 Z"},
                                  {"4,1 5,1 4,2 5,2 4,3 5,3 4,4 5,4 4,5 5,5"}},
                      SquaresCase{"the column open at the foot", {"KVEN 0 5 5", "BLK 3 8 13 18 Z"}, {}},
                      SquaresCase{"two columns of blocks, three pieces",
                                  {"KVEN 0 7 5", "BLK 3 5 10 12 17 19 24 26 31 33 Z"},
                                  {"4,1 4,2 4,3 4,4 4,5", "6,1 7,1 6,2 7,2 6,3 7,3 6,4 7,4 6,5 7,5"}},
                      SquaresCase{"an orphan is no piece", {"KVEN 0 5 5", "BLK 8 12 14 18 Z"}, {}},
                      SquaresCase{"a wall of bars right of column 2",
                                  {"KVEN 0 5 5", "HBR Z", "VBR 2 7 12 17 22 Z"},
                                  {"1,1 2,1 1,2 2,2 1,3 2,3 1,4 2,4 1,5 2,5"}},
                      SquaresCase{"the wall open at the foot", {"KVEN 0 5 5", "HBR Z", "VBR 2 7 12 17 Z"}, {}}));

TEST(SplitRule, NamesThePiecesBySizeAndSquare) {
  EXPECT_EQ(FindingTexts(CheckDiagram(Decode({"KVEN 0 5 5", "HBR Z", "VBR 2 7 12 17 22 Z"})), CheckRule::Split),
            Strings{"a piece of 10 squares at 1,1 is cut off from the main piece of 15 squares at 3,1 (2 pieces in "
                    "all)"});
}

// --- asymmetric ------------------------------------------------------------

struct SymmetryCase {
  const char* what;
  Lines text;  // read without symmetry, so the marks are exactly those listed
  std::int32_t symmetry;
  Strings squares;
};

class AsymmetricRule : public ::testing::TestWithParam<SymmetryCase> {};

TEST_P(AsymmetricRule, ReportsMarksWithoutTheirPartners) {
  Puzzle p = Decode(GetParam().text);
  p.Symmetry = GetParam().symmetry;
  EXPECT_EQ(FindingSquares(CheckDiagram(p), CheckRule::Asymmetric), GetParam().squares);
}

const Lines Block21 = {"KVEN 0 5 5", "BLK 2 Z"};
const Lines Blocks21And45 = {"KVEN 0 5 5", "BLK 2 24 Z"};
const Lines BarsBelow11And54 = {"KVEN 0 5 5", "HBR 1 20 Z", "VBR Z"};

INSTANTIATE_TEST_SUITE_P(
    Orders, AsymmetricRule,
    ::testing::Values(
        SymmetryCase{"twofold, a block alone", Block21, 2, {"2,1 4,5"}},
        SymmetryCase{"twofold, a block and its partner", Blocks21And45, 2, {}},
        SymmetryCase{"fourfold, one finding for the four", Blocks21And45, 4, {"2,1 4,5 4,1 2,5"}},
        SymmetryCase{
            "fourfold, a block on the middle column has one partner", {"KVEN 0 5 5", "BLK 3 Z"}, 4, {"3,1 3,5"}},
        SymmetryCase{"fourfold, the centre is its own partner", {"KVEN 0 5 5", "BLK 13 Z"}, 4, {}},
        SymmetryCase{"no symmetry", Block21, 0, {}}, SymmetryCase{"order 3 reads as twofold", Block21, 3, {"2,1 4,5"}},
        SymmetryCase{"order 999 reads as twofold", Block21, 999, {"2,1 4,5"}},
        SymmetryCase{"order 1 reads as none", Block21, 1, {}},
        SymmetryCase{"a negative order reads as none", Block21, INT_MIN, {}},
        SymmetryCase{"twofold, a bar alone", {"KVEN 0 5 5", "HBR 1 Z", "VBR Z"}, 2, {"1,1 5,4"}},
        SymmetryCase{"twofold, a bar right of 2,1 alone", {"KVEN 0 5 5", "HBR Z", "VBR 2 Z"}, 2, {"2,1 3,5"}},
        SymmetryCase{"twofold, a bar and its partner", BarsBelow11And54, 2, {}},
        SymmetryCase{"fourfold bars turn a quarter on a square grid", BarsBelow11And54, 4, {"1,1 5,4 4,1 1,5"}},
        SymmetryCase{
            "fourfold bars on a 6 x 5 grid have the half turn only", {"KVEN 0 6 5", "HBR 1 24 Z", "VBR Z"}, 4, {}}));

TEST(AsymmetricRule, NamesMarksPresentAndMissing) {
  Puzzle p = Decode(Block21);
  p.Symmetry = 2;
  EXPECT_EQ(FindingTexts(CheckDiagram(p), CheckRule::Asymmetric),
            Strings{"block at 2,1 lacks its partner, block at 4,5"});
  p = Decode(BarsBelow11And54);
  p.Symmetry = 4;
  EXPECT_EQ(FindingTexts(CheckDiagram(p), CheckRule::Asymmetric),
            Strings{"bar below 1,1 and bar below 5,4 lack their partners, bar right of 4,1 and bar right of 1,5"});
}

// A bar on the outer border has no image inside the grid.
TEST(AsymmetricRule, IgnoresABarOnTheBorder) {
  Puzzle p = Decode({"KVEN 2 5 5", "HBR Z", "VBR Z"});
  p.VBars(5, 1) = 1;
  p.HBars(2, 5) = 1;
  EXPECT_EQ(FindingSquares(CheckDiagram(p), CheckRule::Asymmetric), Strings{});
}

// --- numbering -------------------------------------------------------------

// Blocks at 5,1 and 1,5, numbered by hand as automatic numbering would.
Lines HandNumbered(const Lines& rows) {
  Lines text = {"KVEN 0 5 5", "BLK 5 21 Z", "MN"};
  text.insert(text.end(), rows.begin(), rows.end());
  return text;
}
const Lines GoodHandRows = {"1 2 3 4 0", "5 0 0 0 6", "7 0 0 0 0", "8 0 0 0 0", "0 9 0 0 0"};

class NumberingRule : public ::testing::TestWithParam<SquaresCase> {};

TEST_P(NumberingRule, ReportsNumbersThatDoNotFitTheEntries) {
  EXPECT_EQ(FindingSquares(CheckDiagram(Decode(GetParam().text)), CheckRule::Numbering), GetParam().squares);
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, NumberingRule,
    ::testing::Values(SquaresCase{"every entry numbered once", HandNumbered(GoodHandRows), {}},
                      SquaresCase{"6 left out",
                                  HandNumbered({"1 2 3 4 0", "5 0 0 0 0", "7 0 0 0 0", "8 0 0 0 0", "0 9 0 0 0"}),
                                  {"5,2"}},
                      SquaresCase{"a number inside an entry",
                                  HandNumbered({"1 2 3 4 0", "5 0 0 0 6", "7 0 10 0 0", "8 0 0 0 0", "0 9 0 0 0"}),
                                  {"3,3"}},
                      SquaresCase{"a number on a block",
                                  HandNumbered({"1 2 3 4 11", "5 0 0 0 6", "7 0 0 0 0", "8 0 0 0 0", "0 9 0 0 0"}),
                                  {"5,1"}},
                      SquaresCase{"5 used twice",
                                  HandNumbered({"1 2 3 4 0", "5 0 0 0 5", "7 0 0 0 0", "8 0 0 0 0", "0 9 0 0 0"}),
                                  {"1,2 5,2"}},
                      SquaresCase{"a bar diagram numbered in full",
                                  {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z", "MN", "1 0 2 0 3", "4 5 0 6 0", "7 0 0 0 0",
                                   "8 0 0 0 0", "9 0 0 0 0"},
                                  {}},
                      SquaresCase{"a bar diagram's 6 above its bar instead of below",
                                  {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z", "MN", "1 0 2 6 3", "4 5 0 0 0", "7 0 0 0 0",
                                   "8 0 0 0 0", "9 0 0 0 0"},
                                  {"4,1", "4,2"}},
                      SquaresCase{"no numbers at all is no finding", {"KVEN 0 5 5", "BLK 5 21 Z", "NN"}, {}}));

TEST(NumberingRule, SaysWhatIsWrongWithHandNumbers) {
  const auto texts = [](const Lines& rows) {
    return FindingTexts(CheckDiagram(Decode(HandNumbered(rows))), CheckRule::Numbering);
  };
  EXPECT_EQ(texts({"1 2 3 4 11", "5 0 0 0 0", "7 0 0 0 0", "8 0 0 0 0", "0 9 0 0 9"}),
            (Strings{"number 11 at 5,1 starts no entry", "square 5,2 starts an entry but has no number",
                     "number 9 at 5,5 starts no entry", "number 9 is used 2 times, at 2,5; 5,5"}));
}

// Automatic numbers are compared square by square with the automatic
// numbering of the diagram as it is now.
TEST(NumberingRule, ReportsAutomaticNumbersLeftFromAnEarlierDiagram) {
  Puzzle p = Decode({"KVEN 0 5 5", "BLK Z"});  // 1..5 along the top, 6..9 down the left
  EXPECT_EQ(FindingSquares(CheckDiagram(p), CheckRule::Numbering), Strings{});
  p.Blocks(5, 1) = 1;  // 5,1 loses its 5; 1,2 becomes 5 and 5,2 starts 6 down
  const CheckReport r = CheckDiagram(p);
  EXPECT_EQ(FindingSquares(r, CheckRule::Numbering), Strings{"5,1 1,2 5,2"});
  EXPECT_EQ(FindingTexts(r, CheckRule::Numbering),
            Strings{"3 squares differ from the automatic numbering of the diagram as it is now: 5,1 has 5, now none; "
                    "1,2 has 6, now 5; 5,2 has none, now 6"});

  Puzzle clasp = Decode({"KVEN 2 5 5", "BLK 8 Z"});
  clasp.Blocks(1, 1) = 1;  // every number from 1 to 10 moves down by one
  const Strings texts = FindingTexts(CheckDiagram(clasp), CheckRule::Numbering);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0],
            "10 squares differ from the automatic numbering of the diagram as it is now: 1,1 has 1, now none; 2,1 has "
            "2, now 1; 4,1 has 3, now 2; 5,1 has 4, now 3; 1,2 has 5, now 4 and 5 more");
}

// Automatic numbering stops its entry lists at 100; the numbers in the
// squares are complete all the same, so nothing differs.
TEST(NumberingRule, ToleratesMoreThanAHundredEntries) {
  Puzzle p = testing::FreshPuzzle(30, 30, 0);
  NullView view;
  for (int row = 1; row <= 30; ++row)
    for (int col = 3; col <= 30; col += 3) ToggleBlock(p, view, col, row);
  EXPECT_THROW(AutoNumber(p, view), RangeError);
  const CheckReport r = CheckDiagram(p);
  EXPECT_EQ(r.summary.across, 300);
  EXPECT_EQ(FindingSquares(r, CheckRule::Numbering), Strings{});
}

// --- solution --------------------------------------------------------------

Lines Clasp(const Lines& answer) {
  Lines text = {"KVEN 2 5 5", "BLK 8 Z", "TTL Clasp", "ANS"};
  text.insert(text.end(), answer.begin(), answer.end());
  return text;
}
const Lines ClaspAnswer = {"CLASP", "RO.HE", "AVERT", "NE.EA", "ESTER"};

class SolutionRule : public ::testing::TestWithParam<SquaresCase> {};

TEST_P(SolutionRule, ReportsOpenSquaresWithoutALetter) {
  EXPECT_EQ(FindingSquares(CheckDiagram(Decode(GetParam().text)), CheckRule::Solution), GetParam().squares);
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, SolutionRule,
    ::testing::Values(SquaresCase{"a complete solution", Clasp(ClaspAnswer), {}},
                      SquaresCase{"one letter missing", Clasp({"CLASP", "RO.H.", "AVERT", "NE.EA", "ESTER"}), {"5,2"}},
                      SquaresCase{"no solution at all", {"KVEN 2 5 5", "BLK 8 Z", "TTL Clasp"}, {}},
                      SquaresCase{"a bar diagram's complete solution",
                                  {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z", "NN", "TTL x", "ANS", "ABCDE", "FGHIJ", "KLMNO",
                                   "PQRST", "UVWXY"},
                                  {}},
                      SquaresCase{"a bar diagram's solution with two gaps",
                                  {"KVEN 0 5 5", "HBR 2 4 Z", "VBR Z", "NN", "TTL x", "ANS", "ABCDE", "F.HIJ", "KLMNO",
                                   "PQRST", "UVWX."},
                                  {"2,2 5,5"}}));

TEST(SolutionRule, CountsTheBlankMarkAsNoLetterAndNamesTheFirstFive) {
  Puzzle p = Decode(Clasp(ClaspAnswer));
  p.Letters(3, 3) = ' ';
  EXPECT_EQ(FindingSquares(CheckDiagram(p), CheckRule::Solution), Strings{"3,3"});
  for (int col = 1; col <= 5; ++col) p.Letters(col, 1) = '.';
  p.Letters(1, 2) = '.';
  EXPECT_EQ(FindingTexts(CheckDiagram(p), CheckRule::Solution),
            Strings{"7 open squares have no letter: 1,1; 2,1; 3,1; 4,1; 5,1 and 2 more"});
}

// --- what counts as the diagram ------------------------------------------

// Marks of the other kind are neither drawn nor written to the text, so the
// check does not see them; a diagram of both kinds is read by both.
TEST(DiagramKinds, OnlyTheMarksOfTheKindCount) {
  Puzzle blocks = Decode({"KVEN 0 5 5", "BLK Z"});
  blocks.HBars(1, 1) = blocks.VBars(1, 1) = 1;  // would box 1,1 in
  CheckReport r = CheckDiagram(blocks);
  EXPECT_EQ(r.kind, DiagramKind::Blocks);
  EXPECT_EQ(r.style, CheckStyle::Uk);
  EXPECT_EQ(r.summary.across + r.summary.down, 10);
  EXPECT_EQ(r.summary.bars, 0);
  EXPECT_EQ(FindingSquares(r, CheckRule::Orphan), Strings{});

  blocks.BarDiagram = true;
  r = CheckDiagram(blocks);
  EXPECT_EQ(r.kind, DiagramKind::Both);
  EXPECT_EQ(r.style, CheckStyle::Barred);
  EXPECT_EQ(r.summary.bars, 2);
  EXPECT_EQ(FindingSquares(r, CheckRule::Orphan), Strings{"1,1"});

  Puzzle bars = Decode({"KVEN 0 5 5", "HBR Z", "VBR Z"});
  bars.Blocks(3, 3) = 1;
  r = CheckDiagram(bars);
  EXPECT_EQ(r.kind, DiagramKind::Bars);
  EXPECT_EQ(r.summary.blocks, 0);
  EXPECT_EQ(r.summary.lengths[5], 10);

  bars.BlockDiagram = true;  // the block now splits row 3 and column 3 in two
  r = CheckDiagram(bars);
  EXPECT_EQ(r.summary.blocks, 1);
  EXPECT_EQ(r.summary.lengths[5], 8);
  EXPECT_EQ(r.summary.lengths[2], 4);

  const Puzzle fresh = testing::FreshPuzzle(5, 5, 2);  // neither kind yet
  r = CheckDiagram(fresh);
  EXPECT_EQ(r.kind, DiagramKind::Blocks);
  EXPECT_EQ(r.style, CheckStyle::Uk);
  EXPECT_TRUE(r.Passed());
}

}  // namespace
}  // namespace kven
