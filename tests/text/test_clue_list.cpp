#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/numbering.h"
#include "support/test_puzzles.h"
#include "text/clue_list.h"

namespace kven {
namespace {

using test::FreshPuzzle;
using Lines = std::vector<std::string>;

Puzzle Numbered(const Lines& rows) {
  Puzzle p = test::ExampleBlocks(2);
  NullGridView view;
  AutoNumber(p, view);
  test::SetLetters(p, rows);
  return p;
}

TEST(BuildClueList, FiveByFiveBlocksWithFullSolution) {
  Puzzle p = Numbered({"STEM.", "E.N.A", "TOTAL", "S.E.S", ".TRIO"});
  EXPECT_EQ(BuildClueList(p), (Lines{" ", "ACROSS", " ", "1  STEM   (4)", "4  TOTAL   (5)", "5  TRIO   (4)", " ", "DOWN",
                                " ", "1  SETS   (4)", "2  ENTER   (5)", "3  ALSO   (4)"}));
}

TEST(BuildClueList, WithoutLettersAndWithBlanks) {
  Puzzle p = Numbered({".....", ".....", ".....", ".....", "....."});
  EXPECT_EQ(BuildClueList(p), (Lines{" ", "ACROSS", " ", "1  ", "4  ", "5  ", " ", "DOWN", " ", "1  ", "2  ", "3  "}));

  Puzzle q = Numbered({"     ", "     ", "     ", "     ", "     "});
  EXPECT_EQ(BuildClueList(q)[3], "1         (4)");
}

TEST(BuildClueList, EmptyListsGiveHeadingsOnly) {
  Puzzle p = FreshPuzzle();
  EXPECT_EQ(BuildClueList(p), (Lines{" ", "ACROSS", " ", " ", "DOWN", " "}));
}

TEST(EntryTextAt, RunsOfLetters) {
  Puzzle p = FreshPuzzle(30, 30, 0);
  p.Letters(1, 1) = '.';
  p.Letters(2, 1) = 'A';
  p.Letters(3, 1) = 'B';
  EXPECT_EQ(EntryTextAt(p, 1, 1, EntryDirection::Across), ".AB   (3)");
  EXPECT_EQ(EntryTextAt(p, 3, 1, EntryDirection::Across), "");  // a run of one
  for (int r = 1; r <= 30; ++r) p.Letters(30, r) = 'Z';
  EXPECT_EQ(EntryTextAt(p, 30, 1, EntryDirection::Down), std::string(30, 'Z') + "   (30)");
  EXPECT_EQ(EntryTextAt(p, 30, 29, EntryDirection::Down), "ZZ   (2)");
  EXPECT_EQ(EntryTextAt(p, 31, 1, EntryDirection::Down), "");
}

// In a bar diagram a bar ends the entry it stands across; in a block
// diagram bars left over from an earlier kind change nothing.
struct BarredEntryCase {
  const char* name;
  bool barDiagram;
  EntryDirection direction;
  int col, row;
  std::string want;
};

TEST(EntryTextAt, BarsEndEntriesOfBarDiagramsOnly) {
  Puzzle bars = FreshPuzzle(5, 5, NoSymmetry);
  ToggleVBar(bars, 2, 1);  // right of the second square
  ToggleHBar(bars, 1, 2);  // below the sixth
  test::SetLetters(bars, {"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY"});
  Puzzle blocks = bars;
  blocks.BarDiagram = false;
  blocks.BlockDiagram = true;
  for (const BarredEntryCase& c : {
           BarredEntryCase{"across to a bar", true, EntryDirection::Across, 1, 1, "AB   (2)"},
           BarredEntryCase{"across from a bar", true, EntryDirection::Across, 3, 1, "CDE   (3)"},
           BarredEntryCase{"down to a bar", true, EntryDirection::Down, 1, 1, "AF   (2)"},
           BarredEntryCase{"down from a bar", true, EntryDirection::Down, 1, 3, "KPU   (3)"},
           BarredEntryCase{"a bar in the next row", true, EntryDirection::Down, 2, 1, "BGLQV   (5)"},
           BarredEntryCase{"blocks across", false, EntryDirection::Across, 1, 1, "ABCDE   (5)"},
           BarredEntryCase{"blocks down", false, EntryDirection::Down, 1, 1, "AFKPU   (5)"},
       }) {
    EXPECT_EQ(EntryTextAt(c.barDiagram ? bars : blocks, c.col, c.row, c.direction), c.want) << c.name;
  }
}

TEST(BuildClueList, BarDiagramListsLengthsBetweenBars) {
  Puzzle p = FreshPuzzle(5, 5, NoSymmetry);
  ToggleVBar(p, 2, 1);
  NullGridView view;
  AutoNumber(p, view);
  test::SetLetters(p, {"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY"});
  const Lines list = BuildClueList(p);
  ASSERT_GE(list.size(), 5u);
  EXPECT_EQ(list[3], "1  AB   (2)");
  EXPECT_EQ(list[4], "3  CDE   (3)");
}

// A number carried twice is looked up at its first square: in reading order
// across, in column order down. A number no square carries has no text.
TEST(BuildClueList, DuplicateAndMissingNumbers) {
  Puzzle p = FreshPuzzle(5, 5, 0);
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) p.Letters(c, r) = static_cast<char>('A' + (r - 1) * 5 + (c - 1));
  p.Numbers(4, 1) = 7;  // first in reading order
  p.Numbers(2, 3) = 7;  // first in column order
  p.AcrossCount = 2;
  p.AcrossNumbers[1] = 7;
  p.AcrossNumbers[2] = 8;
  p.DownCount = 1;
  p.DownNumbers[1] = 7;
  EXPECT_EQ(BuildClueList(p), (Lines{" ", "ACROSS", " ", "7  DE   (2)", "8  ", " ", "DOWN", " ", "7  LQV   (3)"}));
}

}  // namespace
}  // namespace kven
