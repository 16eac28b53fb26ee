#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/numbering.h"
#include "support/test_puzzles.h"
#include "text/clue_list.h"

namespace kven {
namespace {

using testing::FreshPuzzle;
using Lines = std::vector<std::string>;

Puzzle Numbered(const Lines& rows) {
  Puzzle p = testing::ExampleBlocks(2);
  NullView view;
  AutoNumber(p, view);
  testing::SetLetters(p, rows);
  return p;
}

TEST(BuildClueList, WorkedExample) {
  Puzzle p = Numbered({"STEM.", "E.N.A", "TOTAL", "S.E.S", ".TRIO"});
  BuildClueList(p);
  EXPECT_EQ(p.ClueLines, (Lines{" ", "ACROSS", " ", "1  STEM   (4)", "4  TOTAL   (5)", "5  TRIO   (4)", " ", "DOWN",
                                " ", "1  SETS   (4)", "2  ENTER   (5)", "3  ALSO   (4)"}));
}

TEST(BuildClueList, WithoutLettersAndWithBlanks) {
  Puzzle p = Numbered({".....", ".....", ".....", ".....", "....."});
  BuildClueList(p);
  EXPECT_EQ(p.ClueLines, (Lines{" ", "ACROSS", " ", "1  ", "4  ", "5  ", " ", "DOWN", " ", "1  ", "2  ", "3  "}));

  Puzzle q = Numbered({"     ", "     ", "     ", "     ", "     "});
  BuildClueList(q);
  EXPECT_EQ(q.ClueLines[3], "1         (4)");
}

TEST(BuildClueList, EmptyListsGiveHeadingsOnly) {
  Puzzle p = FreshPuzzle();
  BuildClueList(p);
  EXPECT_EQ(p.ClueLines, (Lines{" ", "ACROSS", " ", " ", "DOWN", " "}));
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

TEST(EntryTextForNumber, DuplicatesAndMissing) {
  Puzzle p = FreshPuzzle(5, 5, 0);
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) p.Letters(c, r) = static_cast<char>('A' + (r - 1) * 5 + (c - 1));
  p.Numbers(4, 1) = 7;  // first in reading order
  p.Numbers(2, 3) = 7;  // first in column order
  EXPECT_EQ(EntryTextForNumber(p, 7, EntryDirection::Across), "DE   (2)");
  EXPECT_EQ(EntryTextForNumber(p, 7, EntryDirection::Down), "LQV   (3)");
  EXPECT_EQ(EntryTextForNumber(p, 8, EntryDirection::Down), "");

  p.AcrossCount = 1;
  p.AcrossNumbers[1] = 8;
  BuildClueList(p);
  EXPECT_EQ(p.ClueLines[3], "8  ");
}

}  // namespace
}  // namespace kven
