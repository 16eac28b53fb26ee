// .xd crosswords: both layouts, the Rebus and Special headers, the Design
// section's circles, shades and bars, the markup of clues; and which texts
// are no .xd at all.
#include <gtest/gtest.h>

#include "formats/format_messages.h"
#include "formats/placed_clues.h"
#include "formats/xd_markup.h"
#include "formats/xd_reader.h"
#include "clue_at.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::ClueAt;

TEST(ReadXd, HeadedLayoutWithRebusAndDesign) {
  const Import read = ReadXd(test::ReadTestData("xd/headed-design.xd"));
  ASSERT_EQ(read.outcome, ImportOutcome::Imported) << read.message;
  const Puzzle& p = read.puzzle;
  EXPECT_TRUE(p.BarDiagram);
  EXPECT_EQ(p.HBars(1, 1), 1);  // bar-top on [1,2]
  EXPECT_EQ(p.VBars(1, 3), 1);  // bar-left on [2,3]
  EXPECT_EQ(p.Letters(3, 3), '.');  // rebus ONE
  EXPECT_EQ(p.Letters(5, 5), 'X');  // a rebus of one letter
  EXPECT_EQ(read.solutionCellsLeftEmpty, 1);
  EXPECT_TRUE(read.styles(1, 1).circled);
  EXPECT_TRUE(read.styles(3, 2).shaded);
  EXPECT_EQ(read.styles(3, 2).colour, 0xC0D0E0u);
  EXPECT_EQ(read.clues.facts.title, "Barred, with a design");
  EXPECT_EQ(read.clues.facts.notes, "Notes on\ntwo lines.");
  const Clue* first = ClueAt(read.clues, EntryDirection::Across, 1, 1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text, "First <i>across</i>");
  EXPECT_EQ(first->enumeration, "2,3");
}

// A format without a field for enumerations gives one only where the
// clue's last bracket counts its entry's letters.
TEST(SplitEnumeration, OnlyABracketCountingTheEntryIsSplitOff) {
  const struct {
    const char* text;
    int length;
    const char* rest;
    const char* enumeration;
  } cases[] = {
      {"Sea bird (4)", 4, "Sea bird", "4"},
      {"Hold tight (3,2) ", 5, "Hold tight", "3,2"},
      {"Groups (4\xE2\x80\x93" "1)", 5, "Groups", "4\xE2\x80\x93" "1"},
      {"Sea bird (4)", 5, "Sea bird (4)", ""},
      {"Film (1997)", 1997, "Film (1997)", ""},
      {"Clue (2 words)", 2, "Clue (2 words)", ""},
      {"(5)", 5, "", "5"},
  };
  for (const auto& c : cases) {
    const SplitClue split = SplitEnumeration(c.text, c.length);
    EXPECT_EQ(split.text, c.rest) << c.text;
    EXPECT_EQ(split.enumeration, c.enumeration) << c.text;
  }
}

TEST(ReadXd, DotsAreBlocksWhereTheGridHasNoHashAndLowerCaseIsSpecial) {
  const Import read = ReadXd(test::ReadTestData("xd/dotted-blocks.xd"));
  ASSERT_EQ(read.outcome, ImportOutcome::Imported) << read.message;
  EXPECT_EQ(read.puzzle.Blocks(2, 2), 1);
  EXPECT_EQ(read.puzzle.Letters(3, 2), 'H');
  EXPECT_TRUE(read.styles(3, 2).shaded);
  EXPECT_FALSE(read.styles(3, 2).circled);
  EXPECT_NE(ClueAt(read.clues, EntryDirection::Across, 1, 3), nullptr);  // A4
  // With "#" blocks a dot is a square without a letter.
  const Import empty = ReadXd("Title: T\n\n\nAB#CD\n.....\nEFGHI\n.....\nJKLMN\n");
  ASSERT_EQ(empty.outcome, ImportOutcome::Imported);
  EXPECT_EQ(empty.puzzle.Blocks(1, 2), 0);
  EXPECT_EQ(empty.puzzle.Letters(1, 2), '.');
}

TEST(ReadXd, RefusesWhatKvenCannotHoldAndLeavesOtherTextsAlone) {
  const std::pair<std::string, std::string> refused[] = {
      {test::ReadTestData("xd/omitted.xd"), "the square at row 1, column 1 is omitted"},
      {"Title: Ragged\n\n\nABCDE\nABCD\nABCDE\n\n\nA1. Clue ~ ABCDE\n", "row 2 of its grid has 4 squares, not 5"},
      {"Title: Small\n\n\nABC\nDEF\nGHI\n\n\nA1. Clue ~ ABC\n", "it is 3 x 3 squares; sizes must be 5 to 30"},
  };
  for (const auto& [text, reason] : refused) {
    const Import read = ReadXd(text);
    EXPECT_EQ(read.outcome, ImportOutcome::Refused) << reason;
    EXPECT_EQ(read.message, message::ImportRefusal(FileFormat::Xd, reason));
  }
  for (const char* other : {"Dear editor,\n\nhere is this week's grid.\n\n\nRegards\n", "", "Subject: hello\n\n\nno grid\n"})
    EXPECT_EQ(ReadXd(other).outcome, ImportOutcome::NotRecognised) << other;
}

TEST(XdMarkup, BracesAndElementsBothWays) {
  const std::pair<const char*, const char*> pairs[] = {
      {"{/italic/} and {*bold*}", "<i>italic</i> and <b>bold</b>"},
      {"{*{/both/}*}", "<b><i>both</i></b>"},
      {"x{^2^} H{~2~}O {_u_} {-s-}", "x<sup>2</sup> H<sub>2</sub>O <u>u</u> <s>s</s>"},
      {"a < b & c", "a < b & c"},
  };
  for (const auto& [xd, markup] : pairs) {
    EXPECT_EQ(MarkupFromXd(xd), markup) << xd;
    EXPECT_EQ(XdFromMarkup(markup), xd) << markup;
  }
  EXPECT_EQ(MarkupFromXd("{/open"), "<i>open</i>");
  EXPECT_EQ(XdFromMarkup("<em>e</em> <span>s</span> &amp;"), "{/e/} s &");
}

}  // namespace
}  // namespace kven
