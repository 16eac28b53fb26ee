#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_view.h"
#include "support/test_puzzles.h"
#include "text/decoder.h"

namespace kven {
namespace {

using test::FreshPuzzle;
using test::LetterRow;
using test::RecordingView;
using test::SetSquares;
using test::Square;
using Squares = std::vector<Square>;
using Lines = std::vector<std::string>;

Puzzle Decode(const Lines& lines, DecodeResult want = DecodeResult::Decoded) {
  Puzzle p = FreshPuzzle();
  NullView view;
  EXPECT_EQ(DecodeText(TextLines::FromLines(lines), p, view), want);
  return p;
}

// A five-by-five twofold block puzzle in a letter, numbered by hand, with a
// title and a solution.
const Lines MiniInALetter = {
    "Here is this week's diagram.", "KVEN 2 5 5", "BLK 2 4 7 Z", "MN", "1 0 2 0 3", "0 0 4 5 0",
    "6 7 0 0 0", "8 0 0 0 0", "0 0 0 0 0", "TTL Mini", "ANS", "S.A.T", "H.NOW", "ORBIT",
    "ELK.A", "S.E.S"};

TEST(DecodeText, FiveByFiveWithManualNumbersTitleAndSolution) {
  const Puzzle p = Decode(MiniInALetter);
  EXPECT_EQ(p.HSquares, 5);
  EXPECT_EQ(p.VSquares, 5);
  EXPECT_EQ(p.Symmetry, 2);
  EXPECT_TRUE(p.BlockDiagram);
  EXPECT_FALSE(p.BarDiagram);
  EXPECT_EQ(SetSquares(p, p.Blocks), (Squares{{2, 1}, {4, 1}, {2, 2}, {4, 4}, {2, 5}, {4, 5}}));
  EXPECT_TRUE(p.ManualNumbered);
  EXPECT_FALSE(p.AutoNumbered);
  const int want[5][5] = {{1, 0, 2, 0, 3}, {0, 0, 4, 5, 0}, {6, 7, 0, 0, 0}, {8, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(p.Numbers(c, r), want[r - 1][c - 1]) << c << "," << r;
  EXPECT_EQ(p.Title, "Mini");
  EXPECT_EQ(LetterRow(p, 1), "S.A.T");
  EXPECT_EQ(LetterRow(p, 2), "H.NOW");
  EXPECT_EQ(LetterRow(p, 3), "ORBIT");
  EXPECT_EQ(LetterRow(p, 4), "ELK.A");
  EXPECT_EQ(LetterRow(p, 5), "S.E.S");
  EXPECT_TRUE(p.HasSolution);
  EXPECT_EQ(p.AcrossCount, 0);  // an MN section does not build the entry lists
}

TEST(DecodeText, FiveByFiveTellsTheWindowInOrder) {
  Puzzle p = FreshPuzzle();
  RecordingView view;
  ASSERT_EQ(DecodeText(TextLines::FromLines(MiniInALetter), p, view), DecodeResult::Decoded);
  // The symmetry check comes before the reset, whose Fourfold withdrawal
  // (5 x 5 is odd) must come after it; the reset empties the title field
  // before the reader fills it.
  const int check = view.IndexOf("CheckSymmetry 2");
  const int withdraw = view.IndexOf("WithdrawFourfoldUnlessBlockChecked");
  const int emptied = view.IndexOf("SetTitleField ''");
  const int titled = view.IndexOf("SetTitleField 'Mini'");
  const int manual = view.IndexOf("CheckManual");
  ASSERT_GE(check, 0);
  EXPECT_EQ(check, 0);
  EXPECT_LT(check, withdraw);
  EXPECT_LT(withdraw, emptied);
  EXPECT_LT(emptied, manual);
  EXPECT_LT(manual, titled);
  // Six blocks toggled, each invalidating, then the reader's own invalidation.
  EXPECT_EQ(view.Count("InvalidateGrid"), 7u);
  EXPECT_EQ(view.Matching("PaintNumber"),
            (Lines{"PaintNumber 1 1 1", "PaintNumber 3 1 2", "PaintNumber 5 1 3", "PaintNumber 3 2 4",
                   "PaintNumber 4 2 5", "PaintNumber 1 3 6", "PaintNumber 2 3 7", "PaintNumber 1 4 8"}));
  const auto letters = view.Matching("DrawLetter");
  ASSERT_EQ(letters.size(), 19u);  // 25 squares less 6 blocks
  EXPECT_EQ(letters.front(), "DrawLetter 1 1 'S'");
  EXPECT_EQ(letters.back(), "DrawLetter 5 5 'S'");
  EXPECT_GT(view.IndexOf("DrawLetter 1 1 'S'"), titled);
  EXPECT_EQ(view.Count("ReportInvalidData"), 0u);
}

struct DiagramCase {
  const char* name;
  Lines lines;
  Squares blocks, hbars, vbars;
};

class Diagrams : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(Diagrams, ReadWithPartners) {
  const DiagramCase& c = GetParam();
  const Puzzle p = Decode(c.lines);
  EXPECT_EQ(SetSquares(p, p.Blocks), c.blocks);
  EXPECT_EQ(SetSquares(p, p.HBars), c.hbars);
  EXPECT_EQ(SetSquares(p, p.VBars), c.vbars);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Diagrams,
    ::testing::Values(
        DiagramCase{"BarsTwofold", {"KVEN 2 5 5", "HBR 3 Z", "VBR 6 Z"}, {}, {{3, 1}, {3, 4}}, {{1, 2}, {4, 4}}},
        DiagramCase{"BarsFourfold", {"KVEN 4 6 6", "HBR 1 Z", "VBR Z"}, {}, {{1, 1}, {6, 5}}, {{5, 1}, {1, 6}}},
        // A vertical bar and its half-turn partner listed alone: the
        // quarter-turn partners are set, so the orbit is whole.
        DiagramCase{"VBarAndPartnerFourfold",
                    {"KVEN 4 6 6", "HBR Z", "VBR 5 31 Z"},
                    {},
                    {{1, 1}, {6, 5}},
                    {{5, 1}, {1, 6}}},
        DiagramCase{"BlocksFourfold", {"KVEN 4 6 6", "BLK 7 Z"}, {{1, 2}, {6, 2}, {1, 5}, {6, 5}}, {}, {}},
        DiagramCase{"CentreIsItsOwnPartner", {"KVEN 2 5 5", "BLK 13 Z"}, {{3, 3}}, {}, {}},
        DiagramCase{"QuoteBeforeMagic", {"> KVEN 2 5 5", "> BLK 1 Z"}, {{1, 1}, {5, 5}}, {}, {}},
        DiagramCase{"SymmetryThreeUsesHalfTurns", {"KVEN 3 5 5", "BLK 1 Z"}, {{1, 1}, {5, 5}}, {}, {}},
        DiagramCase{"EmptyBlockList", {"KVEN 2 5 5", "BLK Z"}, {}, {}, {}},
        DiagramCase{"ListOverSeveralLines",
                    {"KVEN 0 5 5", "BLK 1 2", "3 ", "4", "5 Z"},
                    {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}},
                    {},
                    {}},
        DiagramCase{"ZAfterLastNumberIsSkipped", {"KVEN 0 5 5", "BLK 1 2Z", "3 Z"}, {{1, 1}, {2, 1}, {3, 1}}, {}, {}},
        DiagramCase{"ZeroIgnoredLettersSkipped", {"KVEN 0 5 5", "BLK 0 a3 , b4 Z 5"}, {{3, 1}, {4, 1}}, {}, {}},
        DiagramCase{"BigNumberEndsList", {"KVEN 0 5 5", "BLK 1 999 2 Z"}, {{1, 1}}, {}, {}},
        DiagramCase{"EmptyLineEndsList", {"KVEN 0 5 5", "BLK 1 2", "", "3 Z"}, {{1, 1}, {2, 1}}, {}, {}},
        DiagramCase{"BorderBarsStoredWithoutPartners",
                    {"KVEN 2 5 5", "HBR 23 Z", "VBR 10 Z"},
                    {},
                    {{3, 5}},
                    {{5, 2}}},
        DiagramCase{"NumbersBeyondTheGridIgnored", {"KVEN 0 5 5", "BLK 26 900 3 Z"}, {{3, 1}}, {}, {}},
        DiagramCase{"HugeNumberEndsList", {"KVEN 0 5 5", "BLK 2 99999999999999999999 3 Z"}, {{2, 1}}, {}, {}},
        DiagramCase{"UnclosedListOnLastLine", {"KVEN 0 5 5", "BLK 1 2"}, {{1, 1}, {2, 1}}, {}, {}},
        DiagramCase{"ListRunsOffItsLine", {"KVEN 0 5 5", "BLK 1 2 ..", "3 Z"}, {{1, 1}, {2, 1}}, {}, {}},
        DiagramCase{"LineWithBothReadsBars",
                    {"KVEN 0 5 5", "BLK 1 Z HBR 2 Z", "VBR 3 Z"},
                    {},
                    {{2, 1}},
                    {{3, 1}}},
        // Padding that mail programs add after the last number of a line.
        DiagramCase{"ListLineEndingInBlanksReadsOn",
                    {"KVEN 0 5 5", "BLK   1   2   3  ", "   4   5 Z"},
                    {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}},
                    {},
                    {}},
        DiagramCase{"ListLineEndingInTabsReadsOn", {"KVEN 0 5 5", "BLK 1 2\t \t", "3 Z"}, {{1, 1}, {2, 1}, {3, 1}}, {}, {}},
        DiagramCase{"ZAfterBlanksStillEndsList", {"KVEN 0 5 5", "BLK 1 2  Z  ", "3 Z"}, {{1, 1}, {2, 1}}, {}, {}},
        // Fourfold bars on a grid whose sides differ: every quarter-turn
        // partner that falls inside the grid is added, the others dropped.
        DiagramCase{"FourfoldVBarOnOblongGrid",
                    {"KVEN 4 28 22", "HBR Z", "VBR 4 Z"},
                    {},
                    {{22, 4}, {1, 18}},
                    {{4, 1}, {24, 22}}},
        DiagramCase{"FourfoldBarsOnOblongGrid",
                    {"KVEN 4 6 8", "HBR 1 Z", "VBR 8 Z"},
                    {},
                    {{1, 1}, {1, 3}, {2, 6}, {6, 7}},
                    {{5, 1}, {2, 2}, {4, 7}, {1, 8}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeText, HeaderSizesAreClamped) {
  const Puzzle p = Decode({"KVEN 2 40 3", "BLK Z"});
  EXPECT_EQ(p.HSquares, 30);
  EXPECT_EQ(p.VSquares, 5);
  const Puzzle q = Decode({"KVEN 2 0 0", "BLK Z"});
  EXPECT_EQ(q.HSquares, 5);
  EXPECT_EQ(q.VSquares, 5);
  const Puzzle r = Decode({"KVEN", "BLK Z"});  // a header without numbers reads as "Z" three times
  EXPECT_EQ(r.Symmetry, 999);
  EXPECT_EQ(r.HSquares, 30);
}

TEST(DecodeText, OnlyTheFirstMagicLineCounts) {
  const Puzzle p = Decode({"KVEN texts are fun: 4 6 7 and more", "KVEN 2 12 12", "BLK 1 Z"});
  EXPECT_EQ(p.Symmetry, 4);
  EXPECT_EQ(p.HSquares, 6);
  EXPECT_EQ(p.VSquares, 7);
}

TEST(DecodeText, SymmetryCheckedOnlyForKnownOrders) {
  for (const auto& [header, want] : std::vector<std::pair<std::string, Lines>>{
           {"KVEN 4 5 5", {"CheckSymmetry 4"}}, {"KVEN 3 5 5", {}}}) {
    Puzzle p = FreshPuzzle();
    RecordingView view;
    DecodeText(TextLines::FromLines({header, "BLK Z"}), p, view);
    EXPECT_EQ(view.Matching("CheckSymmetry"), want) << header;
  }
}

TEST(DecodeText, NumberingLine) {
  const Puzzle automatic = Decode({"KVEN 2 5 5", "BLK 5 7 9 Z"});  // nothing after the diagram
  EXPECT_TRUE(automatic.AutoNumbered);
  EXPECT_EQ(automatic.AcrossCount, 3);
  EXPECT_FALSE(automatic.HasSolution);
  const Puzzle none = Decode({"KVEN 2 5 5", "BLK 5 Z", "NN", "TTL Plain"});
  EXPECT_FALSE(none.AutoNumbered || none.ManualNumbered);
  EXPECT_EQ(none.Numbers(1, 1), 0);
  EXPECT_EQ(none.Title, "Plain");
}

struct TitleCase {
  const char* name;
  Lines lines;
  std::string title;
  bool manual;
};

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, Read) {
  const TitleCase& c = GetParam();
  const Puzzle p = Decode(c.lines);
  EXPECT_EQ(p.Title, c.title);
  EXPECT_EQ(p.ManualNumbered, c.manual);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Titles,
    ::testing::Values(TitleCase{"Plain", {"KVEN 2 5 5", "BLK Z", "TTL Sunday Special"}, "Sunday Special", false},
                      TitleCase{"NoBlankLosesFirst", {"KVEN 2 5 5", "BLK Z", "TTLSunday"}, "unday", false},
                      TitleCase{"KeywordOnly", {"KVEN 2 5 5", "BLK Z", "TTL"}, "", false},
                      TitleCase{"MNTitleStartsManualNumbers", {"KVEN 2 5 5", "BLK Z", "TTL MNEMONIC"}, "", true},
                      TitleCase{"NNTitleIsConsumed", {"KVEN 2 5 5", "BLK Z", "TTL INN SIGNS"}, "", false},
                      TitleCase{"Long", {"KVEN 2 5 5", "BLK Z", "TTL " + std::string(300, 'q')}, std::string(255, 'q'),
                                false},
                      TitleCase{"AfterAListLinePaddedWithBlanks",
                                {"KVEN 0 5 5", "BLK   1   2   3  ", "   4   5 Z", "TTL One"}, "One", false},
                      TitleCase{"HighBytes", {"KVEN 2 5 5", "BLK Z", "NN", "TTL Caf\xe9"}, "Caf\xe9", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct SolutionCase {
  const char* name;
  Lines answer;  // the lines after "ANS"
  Lines rows;    // the letter rows wanted
};

class Solutions : public ::testing::TestWithParam<SolutionCase> {};

TEST_P(Solutions, Read) {
  const SolutionCase& c = GetParam();
  Lines lines = {"KVEN 0 5 5", "BLK 5 Z", "NN", "ANS"};
  lines.insert(lines.end(), c.answer.begin(), c.answer.end());
  const Puzzle p = Decode(lines);
  EXPECT_TRUE(p.HasSolution);
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(LetterRow(p, r), c.rows[static_cast<std::size_t>(r - 1)]) << "row " << r;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Solutions,
    ::testing::Values(
        SolutionCase{"OneLine", {"ABCD.EFGHIJKLMNOPQRSTUV.W"}, {"ABCD.", "EFGHI", "JKLMN", "OPQRS", "TUV.W"}},
        SolutionCase{"RowOnTwoLines", {"AB", "CD.", "EFGHI", "JKLMN", "OPQRS", "TUV.W"},
                     {"ABCD.", "EFGHI", "JKLMN", "OPQRS", "TUV.W"}},
        // A row that lost its trailing blank pulls the next line up.
        SolutionCase{"LostTrailingBlank", {"ABCD.", "EFGH", "IJKLM", "NOPQR", "STUVW"},
                     {"ABCD.", "EFGHI", "JKLMN", "OPQRS", "TUVW."}},
        SolutionCase{"AnsIsLastLine", {}, {"    .", "     ", "     ", "     ", "     "}},
        SolutionCase{"EmptyLineEndsSolution", {"ABCD.", "EF", "", "XYZ"}, {"ABCD.", "EF   ", "     ", "     ", "     "}},
        SolutionCase{"OtherCharactersIgnored", {"ab1..", "E.G I", "JKLMN", "OPQRS", "TUVWX"},
                     {".....", "E.G I", "JKLMN", "OPQRS", "TUVWX"}},
        SolutionCase{"TextRunsOut", {"ABCD.", "EF"}, {"ABCD.", "EF...", ".....", ".....", "....."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeText, SolutionSkipsBlockedSquaresCharacters) {
  const Puzzle p = Decode({"KVEN 0 5 5", "BLK 2 Z", "NN", "ANS", "AXCDE"});
  EXPECT_EQ(LetterRow(p, 1), "A.CDE");
}

TEST(DecodeText, ManualRowsShortOrMissingReadAsZero) {
  const Puzzle p = Decode({"KVEN 0 5 5", "BLK Z", "MN", "1 2 3", "", "4x5y6z7w8v9"});
  EXPECT_TRUE(p.ManualNumbered);
  EXPECT_EQ(p.Numbers(1, 1), 1);
  EXPECT_EQ(p.Numbers(3, 1), 3);
  EXPECT_EQ(p.Numbers(4, 1), 0);
  EXPECT_EQ(p.Numbers(1, 2), 0);
  EXPECT_EQ(p.Numbers(1, 3), 4);
  EXPECT_EQ(p.Numbers(5, 3), 8);  // "Z" is not special in a numbering row
  EXPECT_EQ(p.Numbers(1, 5), 0);  // the text ended before the last rows
}

// --- the three invalid-data cases and what survives each ---

TEST(DecodeText, NoMagicLineLeavesPuzzleUntouched) {
  for (const Lines& lines : {Lines{}, Lines{"Dear Jo,", "BLK 1 Z"}, Lines{"kven 2 5 5", "BLK 1 Z"}}) {
    Puzzle p = FreshPuzzle(9, 7, 4);
    p.Blocks(2, 2) = 1;
    p.Title = "Kept";
    RecordingView view;
    EXPECT_EQ(DecodeText(TextLines::FromLines(lines), p, view), DecodeResult::InvalidData);
    EXPECT_EQ(view.calls, Lines{"ReportInvalidData"});
    EXPECT_EQ(p.HSquares, 9);
    EXPECT_EQ(p.Symmetry, 4);
    EXPECT_EQ(p.Blocks(2, 2), 1);
    EXPECT_EQ(p.Title, "Kept");
  }
}

TEST(DecodeText, NoDiagramLineLeavesResetPuzzle) {
  Puzzle p = FreshPuzzle(12, 12, 2);
  p.Blocks(2, 2) = 1;
  p.Title = "Old";
  RecordingView view;
  EXPECT_EQ(DecodeText(TextLines::FromLines({"KVEN 4 8 9", "BLOCKS 1 2 Z", "TTL Lost"}), p, view),
            DecodeResult::InvalidData);
  EXPECT_EQ(view.calls.back(), "ReportInvalidData");
  EXPECT_EQ(view.calls.front(), "CheckSymmetry 4");
  EXPECT_EQ(p.Symmetry, 4);
  EXPECT_EQ(p.HSquares, 8);
  EXPECT_EQ(p.VSquares, 9);
  EXPECT_EQ(p.Blocks(2, 2), 0);
  EXPECT_EQ(p.Title, "");
}

TEST(DecodeText, NoVbrKeepsHorizontalBarsAndPartners) {
  Puzzle p = FreshPuzzle();
  RecordingView view;
  EXPECT_EQ(DecodeText(TextLines::FromLines({"KVEN 4 6 6", "HBR 1 Z", "TTL No verticals"}), p, view),
            DecodeResult::InvalidData);
  EXPECT_EQ(view.calls.back(), "ReportInvalidData");
  EXPECT_EQ(SetSquares(p, p.HBars), (Squares{{1, 1}, {6, 5}}));
  EXPECT_EQ(SetSquares(p, p.VBars), (Squares{{5, 1}, {1, 6}}));
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_FALSE(p.AutoNumbered);
  EXPECT_EQ(p.Title, "");
}

// --- the range error of automatic numbering ---

TEST(DecodeText, ThreeHundredAcrossEntriesAreReadWhole) {
  // Blocks in every third column give ten across entries a row: 300 in all.
  std::string list = "BLK";
  for (int row = 1; row <= 30; ++row)
    for (int col = 3; col <= 30; col += 3) list += " " + std::to_string((row - 1) * 30 + col);
  list += " Z";
  Puzzle p = FreshPuzzle();
  NullView view;
  EXPECT_EQ(DecodeText(TextLines::FromLines({"KVEN 0 30 30", list, "TTL Read whole", "ANS", std::string(30, 'A')}),
                       p, view),
            DecodeResult::Decoded);
  EXPECT_EQ(p.AcrossCount, 300);
  EXPECT_EQ(p.DownCount, 20);
  // Row 1 holds 20 numbers (every open square starts a down entry), every
  // later row 10, so the 100th across entry is the last one of row 10.
  EXPECT_EQ(p.AcrossNumbers[100], 110);
  EXPECT_EQ(p.AcrossNumbers[300], 310);
  EXPECT_EQ(p.Title, "Read whole");
  EXPECT_TRUE(p.HasSolution);
  EXPECT_EQ(p.Numbers(30, 30), 0);  // blocked
  EXPECT_EQ(p.Numbers(28, 30), 310);
}

// --- hostile input ---

TEST(DecodeText, HostileInputNeverBreaksTheScanners) {
  const std::string nul("\0\0KVEN\0 2\0 5 5", 14);
  const std::vector<Lines> texts = {
      {"KVEN"},
      {"KVEN 2 5 5", "BLK"},
      {"KVEN 2 5 5", "HBR 1 2"},
      {"KVEN 2 5 5", "HBR 1", "VBR"},
      {nul, std::string("BLK\0 3 Z", 8), "MN", std::string(5, '\0'), "ANS", "\x80\xff\xfe"},
      {"KVEN 2 5 5", "BLK " + std::string(1 << 20, '7') + " Z", "TTL " + std::string(1 << 20, 'x')},
      {"KVEN 2 5 5", "BLK 1" + std::string(1 << 20, ' '), "3 Z"},
      {"KVEN 4 30 30", "HBR 1 Z", "VBR 899 870 Z", "MN"},
      {"KVEN 4 5 30", "HBR 1 2 3 4 5 6 7 8 9 10 Z", "VBR 1 2 3 4 5 6 7 8 9 10 Z"},
      {"KVEN 4 30 5", "HBR 1 2 3 4 5 6 7 8 9 10 Z", "VBR 1 2 3 4 5 6 7 8 9 10 Z"},
      {"KVEN 2 5 5", "BLK Z", "ANS", "", "", ""},
      {"KVEN -2 -5 -5", "BLK -1 Z"},
  };
  for (const Lines& lines : texts) {
    Puzzle p = FreshPuzzle();
    NullView view;
    try {
      DecodeText(TextLines::FromLines(lines), p, view);
    } catch (const RangeError&) {
    }
    EXPECT_GE(p.HSquares, 5);
    EXPECT_LE(p.HSquares, 30);
    EXPECT_LE(p.Title.size(), 255u);
  }
}

TEST(ReadListNumber, StopsAtZAndRunsOffAsZ) {
  const TextLines text = TextLines::FromLines({"ab 12 x345Z 7", "", "  "});
  TokenReader r(text);
  r.TokenLine = 0;
  r.TokenPos = 1;
  EXPECT_EQ(r.ReadListNumber(), 12);
  EXPECT_EQ(r.TokenPos, 6);
  EXPECT_EQ(r.ReadListNumber(), 345);
  EXPECT_EQ(r.ReadListNumber(), 999);
  EXPECT_EQ(r.TokenPos, 11);  // left on the "Z"
  EXPECT_EQ(r.ReadNumber(), 7);
  EXPECT_EQ(r.ReadNumber(), 0);  // nothing left on the line
  r.TokenLine = 1;
  r.TokenPos = 1;
  EXPECT_EQ(r.ReadListNumber(), 999);  // an empty line counts as "Z"
  r.TokenLine = 2;
  EXPECT_EQ(r.ReadListNumber(), 999);  // blanks to the end of the line
  r.TokenLine = 7;
  EXPECT_EQ(r.ReadListNumber(), 999);  // past the last line
  EXPECT_EQ(r.ReadNumber(), 0);
}

}  // namespace
}  // namespace kven
