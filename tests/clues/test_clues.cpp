// The clue store beside the puzzle: clues follow their entries through
// edits of the diagram, go aside when their entry goes, and read out in
// clue-list order.
#include <gtest/gtest.h>

#include <optional>

#include "clues/clue_lines.h"
#include "clues/plain_text.h"
#include "clues/puzzle_clues.h"
#include "editing/numbering.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

constexpr auto Across = EntryDirection::Across;
constexpr auto Down = EntryDirection::Down;

// The five-by-five blocked puzzle, numbered: 1 4 5 across, 1 2 3 down.
Puzzle Numbered() {
  Puzzle p = test::ExampleBlocks(NoSymmetry);
  NullGridView view;
  AutoNumber(p, view);
  return p;
}

void Renumber(Puzzle& p) {
  NullGridView view;
  AutoNumber(p, view);
}

PuzzleClues Clued(std::initializer_list<std::tuple<EntryKey, const char*>> texts) {
  PuzzleClues clues;
  for (const auto& [key, text] : texts) SetClueText(clues, ClueFor(clues, key), text);
  return clues;
}

TEST(PuzzleClues, AClueFollowsItsEntryThroughARenumbering) {
  Puzzle p = Numbered();
  const PuzzleClues clues = Clued({{{Across, 1, 3}, "Sum"}, {{Down, 5, 2}, "Sets"}});
  EXPECT_EQ(OrderedClues(clues, p, Across)[1], (ClueLine{"4", "Sum", "(5)"}));
  // A block in the top left corner numbers everything after it anew.
  NullGridView view;
  ToggleBlock(p, view, 1, 1);
  Renumber(p);
  const std::vector<ClueLine> across = OrderedClues(clues, p, Across);
  const std::vector<ClueLine> down = OrderedClues(clues, p, Down);
  ASSERT_EQ(across.size(), 3u);
  EXPECT_EQ(across[0], (ClueLine{"1", "", "(3)"}));
  EXPECT_EQ(across[1], (ClueLine{"5", "Sum", "(5)"}));
  ASSERT_EQ(down.size(), 3u);
  EXPECT_EQ(down[2], (ClueLine{"4", "Sets", "(4)"}));
  EXPECT_TRUE(CluesWithoutEntry(clues, p).empty());
}

TEST(PuzzleClues, AClueWhoseEntryGoesIsKeptAsideUntilItComesBack) {
  Puzzle p = Numbered();
  PuzzleClues clues = Clued({{{Across, 1, 1}, "Plant parts"}, {{Down, 1, 1}, "Groups"}});
  NullGridView view;
  ToggleBlock(p, view, 1, 1);
  Renumber(p);
  EXPECT_EQ(CluesWithoutEntry(clues, p), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(ClueTextLines(clues, p).back(), "Without an entry: 1,1 Down. Groups");
  // Deleting one leaves the other aside; the entry's return brings it back.
  DeleteClue(clues, 1);
  ToggleBlock(p, view, 1, 1);
  Renumber(p);
  EXPECT_TRUE(CluesWithoutEntry(clues, p).empty());
  EXPECT_EQ(OrderedClues(clues, p, Across)[0].text, "Plant parts");
  EXPECT_EQ(OrderedClues(clues, p, Down)[0].text, "");
}

TEST(PuzzleClues, EnumerationsAsTypedAndShown) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {
      {"", "(4)"}, {"3,4", "(3,4)"}, {"(4-4 4)", "(4-4 4)"}, {"  2,2 ", "(2,2)"}, {"( 5 )", "(5)"},
  };
  for (const auto& c : cases) {
    PuzzleClues clues = Clued({{{Across, 1, 1}, "Text"}});
    SetClueEnumeration(clues, 0, c.typed);
    EXPECT_EQ(EnumerationText(&clues.clues[0], 4), c.shown) << c.typed;
  }
}

// What an enumeration counts: the letters of its words when it is numbers
// and the marks between them, nothing when it says more than that.
TEST(PuzzleClues, EnumerationsCountTheLettersOfTheirWords) {
  const struct {
    const char* enumeration;
    std::optional<int> letters;
  } cases[] = {
      {"3,4", 7},           {"4-4 4", 12},          {"2'1", 3},          {"5", 5},
      {"(3,4)", 7},         {" ( 1.1.1 ) ", 3},     {"3\xE2\x80\x93" "4", 7}, {"2\xE2\x80\x99" "2", 4},
      {"3/3", 6},           {"2 words", std::nullopt}, {"5, two words", std::nullopt},
      {"3?", std::nullopt}, {"1-5 across", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt},
      {"(3,4", std::nullopt}, {"99999999999,1", 1'000'000},
  };
  for (const auto& c : cases) EXPECT_EQ(EnumerationLetters(c.enumeration), c.letters) << c.enumeration;
}

TEST(PuzzleClues, AnEnumerationThatDoesNotFitItsEntryIsNamed) {
  const struct {
    const char* enumeration;
    const char* members;
    int length;
    const char* misfit;
  } cases[] = {
      {"(2)", "", 1, "has 1 letter but its enumeration (2) counts 2"},
      {" ( 4\xE2\x80\x93" "4 4\xE2\x80\x99" "1 )", "", 12, "has 12 letters but its enumeration (4-4 4'1) counts 13"},
      {"5,4", R"({"continued": [{"direction": "Down", "number": 4}]})", 5, ""},
      {"5,4", R"({"see": "4 down"})", 5, ""},
  };
  for (const auto& c : cases) {
    Clue clue;
    clue.enumeration = c.enumeration;
    clue.members = c.members;
    EXPECT_EQ(EnumerationMisfit(clue, c.length), c.misfit) << c.enumeration << " " << c.members;
  }
}

TEST(PuzzleClues, AClueWipedAgainLeavesNothing) {
  PuzzleClues clues;
  const std::size_t i = ClueFor(clues, {Down, 3, 1});
  SetClueText(clues, i, "Go in");
  SetClueEnumeration(clues, i, "2,3");
  SetClueText(clues, i, "");
  EXPECT_EQ(clues.clues.size(), 1u);  // the enumeration still says something
  SetClueEnumeration(clues, i, "");
  EXPECT_EQ(clues, PuzzleClues{});
}

TEST(PuzzleClues, MarkupReadsAsPlainText) {
  const struct {
    const char* markup;
    const char* plain;
  } cases[] = {
      {"Plant parts in <i>Stems</i>", "Plant parts in Stems"},
      {"Sum<br/>total", "Sum total"},
      {"Fish &amp; chips &lt;3", "Fish & chips <3"},
      {"Caf&#233; &#x2014; bar", "Caf\xC3\xA9 \xE2\x80\x94 bar"},
      {"a < b and c > d", "a < b and c > d"},
      {"AT&T; &bogus; &#0;", "AT&T; &bogus; &#0;"},
      {"unclosed <b tag", "unclosed <b tag"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlainText(c.markup), c.plain) << c.markup;
}

TEST(PuzzleClues, TheUnicodeTitleLastsWhileTheSingleByteTitleIsItsOwn) {
  Puzzle p = Numbered();
  PuzzleClues clues;
  SetTitle(clues, p, "Κρυπτό\ncafé");
  EXPECT_EQ(p.Title, "?????? caf\xE9");
  EXPECT_EQ(UnicodeTitle(clues, p), "Κρυπτό\ncafé");
  p.Title = "Mended";  // typed into the title field
  EXPECT_EQ(UnicodeTitle(clues, p), "Mended");
}

}  // namespace
}  // namespace kven
