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
  EXPECT_EQ(OrderedClues(clues, p, Across)[1], (ClueLine{"4", "Sum", "(5)", ""}));
  // A block in the top left corner numbers everything after it anew.
  NullGridView view;
  ToggleBlock(p, view, 1, 1);
  Renumber(p);
  const std::vector<ClueLine> across = OrderedClues(clues, p, Across);
  const std::vector<ClueLine> down = OrderedClues(clues, p, Down);
  ASSERT_EQ(across.size(), 3u);
  EXPECT_EQ(across[0], (ClueLine{"1", "", "(3)", ""}));
  EXPECT_EQ(across[1], (ClueLine{"5", "Sum", "(5)", ""}));
  ASSERT_EQ(down.size(), 3u);
  EXPECT_EQ(down[2], (ClueLine{"4", "Sets", "(4)", ""}));
  EXPECT_TRUE(CluesWithoutEntry(clues, p).empty());
}

TEST(PuzzleClues, AClueWhoseEntryGoesIsKeptAsideUntilItComesBack) {
  Puzzle p = Numbered();
  PuzzleClues clues = Clued({{{Across, 1, 1}, "Plant parts"}, {{Down, 1, 1}, "Groups"}});
  NullGridView view;
  ToggleBlock(p, view, 1, 1);
  Renumber(p);
  EXPECT_EQ(CluesWithoutEntry(clues, p), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(ClueTextLines(DirectionSections(clues, p)).back(), "Without an entry: 1,1 Down. Groups");
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

// The one rule for an enumeration that ends a clue text, which the lists,
// the pages and the readers of .puz and .xd all take.
TEST(PuzzleClues, AClueTextEndsWithAnEnumerationOnlyInItsLastBracket) {
  const struct {
    const char* text;
    std::optional<std::size_t> open;  // none when the text ends with no enumeration
    const char* inside;
    int letters;
  } cases[] = {
      {"Nature goddess (6)", 15, "6", 6},
      {"Hold tight (3,2)  ", 11, "3,2", 5},
      {"(4-4 4)", 0, "4-4 4", 12},
      {"Groups (4\xE2\x80\x93" "1)", 7, "4\xE2\x80\x93" "1", 5},
      {"Shilly-shally (2\xE2\x80\x99" "1)", 14, "2\xE2\x80\x99" "1", 3},
      {"Film (1997) (4)", 12, "4", 4},
      {"Span (12,12)", 5, "12,12", 24},
      {"Film (1997)", std::nullopt, "", 0},
      {"Century (100)", std::nullopt, "", 0},
      {"Groups of three (\"trios\")", std::nullopt, "", 0},
      {"Two words (2 words)", std::nullopt, "", 0},
      {"(6) goddess", std::nullopt, "", 0},
      {"Open (3", std::nullopt, "", 0},
      {"Closed 3)", std::nullopt, "", 0},
      {"Empty ()", std::nullopt, "", 0},
      {"Marks only (-)", std::nullopt, "", 0},
      {"Nested (a (3))", std::nullopt, "", 0},
      {"", std::nullopt, "", 0},
  };
  for (const auto& c : cases) {
    const std::optional<EndingEnumeration> found = FindEndingEnumeration(c.text);
    ASSERT_EQ(found.has_value(), c.open.has_value()) << c.text;
    if (!found) continue;
    EXPECT_EQ(found->open, *c.open) << c.text;
    EXPECT_EQ(found->inside, c.inside) << c.text;
    EXPECT_EQ(found->letters, c.letters) << c.text;
  }
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

// One decoder for the panel, the lists and the pages: tags out first, then
// entities, so that markup written as text reads as written.
TEST(PuzzleClues, MarkupReadsAsPlainText) {
  const struct {
    const char* markup;
    const char* plain;
  } cases[] = {
      {"Plant parts in <i>Stems</i>", "Plant parts in Stems"},
      {"Sum<br/>total", "Sum total"},
      {"<p>One</p><p>Two</p>", "One Two"},
      {"<!-- setter's note -->Clue", "Clue"},
      {"Fish &amp; chips &lt;3", "Fish & chips <3"},
      {"Cousin of &lt;div&gt;", "Cousin of <div>"},
      {"&lt;b&gt;bold&lt;/b&gt;", "<b>bold</b>"},
      {"Caf&#233; &#x2014; bar", "Caf\xC3\xA9 \xE2\x80\x94 bar"},
      {"Caf&eacute; &Eacute;clair &yuml;", "Caf\xC3\xA9 \xC3\x89" "clair \xC3\xBF"},
      {"&Omega;mega &sigmaf; &sigma; &hellip; &euro;", "\xCE\xA9mega \xCF\x82 \xCF\x83 \xE2\x80\xA6 \xE2\x82\xAC"},
      {"no&nbsp;break", "no\xC2\xA0" "break"},
      {"a < b and c > d", "a < b and c > d"},
      {"AT&T; &bogus; &#0; &Amp;", "AT&T; &bogus; &#0; &Amp;"},
      {"unclosed <b tag", "unclosed <b tag"},
      {"  Two\n lines,\tspaced  ", "Two lines, spaced"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlainText(c.markup), c.plain) << c.markup;
}

// A clue text that ends with its enumeration is printed with it once.
TEST(PuzzleClues, AnEnumerationThatEndsTheTextIsTheEnumeration) {
  const struct {
    const char* text;
    const char* enumeration;  // as the clue gives it
    int length;
    const char* shownText;
    const char* shownEnumeration;
  } cases[] = {
      {"Contribution to Freyja, the nature goddess (6)", "", 6, "Contribution to Freyja, the nature goddess", "(6)"},
      {"Nature goddess (6)", "6", 6, "Nature goddess", "(6)"},
      {"Hold tight (3,2)", "5", 5, "Hold tight", "(3,2)"},
      {"Go in <i>(2-3)</i>", "", 5, "Go in", "(2-3)"},
      {"Groups (4\xE2\x80\x93" "1)", "", 5, "Groups", "(4\xE2\x80\x93" "1)"},
      {"(5)", "", 5, "", "(5)"},
      {"Film (1997)", "", 7, "Film (1997)", "(7)"},
      {"Groups of three (\"trios\")", "", 5, "Groups of three (\"trios\")", "(5)"},
      {"Hold tight", "2,3", 5, "Hold tight", "(2,3)"},
      {"A clue of no entry", "", 0, "A clue of no entry", ""},
  };
  for (const auto& c : cases) {
    const ClueLine shown = ShownClue(c.text, c.enumeration, c.length);
    EXPECT_EQ(shown.text, c.shownText) << c.text;
    EXPECT_EQ(shown.enumeration, c.shownEnumeration) << c.text;
  }
}

Puzzle Solved() {
  Puzzle p = Numbered();
  test::SetLetters(p, {"STEM.", "E.N.A", "TOTAL", "S.E.S", ".TRIO"});
  return p;
}

// A linked clue stands in the place of its first entry with both answers;
// what stands on no entry closes its list, and the text lists it last.
TEST(PuzzleClues, ClueListsPlaceEveryClueOnce) {
  const Puzzle p = Solved();
  PuzzleClues clues = Clued({{{Across, 1, 3}, "Sum"}, {{Down, 5, 2}, "Sets"}});
  Clue linked;
  linked.direction = Across;
  linked.label = "1-5";
  linked.text = "Stalk, then three";
  clues.clues.push_back(linked);
  Clue stray = linked;
  stray.label = "9";
  stray.text = "Of nothing";
  clues.clues.push_back(stray);
  clues.downKey = "Down:Vertical";
  const std::vector<ClueSection> sections = DirectionSections(clues, p);
  ASSERT_EQ(sections.size(), 2u);
  EXPECT_EQ(sections[0].heading, "Across");
  EXPECT_EQ(sections[1].heading, "Vertical");
  EXPECT_EQ(sections[1].name, "Down");
  const std::vector<ClueLine> across = sections[0].lines;
  ASSERT_EQ(across.size(), 4u);
  EXPECT_EQ(across[0], (ClueLine{"1-5", "Stalk, then three", "", "STEMTRIO"}));
  EXPECT_EQ(across[1], (ClueLine{"4", "Sum", "(5)", "TOTAL"}));
  EXPECT_EQ(across[2], (ClueLine{"5", "", "(4)", "TRIO"}));
  EXPECT_EQ(across[3], (ClueLine{"9", "Of nothing", "", "", true}));
  EXPECT_EQ(sections[1].lines[0].answer, "SETS");
  const TextLineList text = ClueTextLines(sections);
  ASSERT_EQ(text.size(), 7u);
  EXPECT_EQ(text[0], "1-5 Across. Stalk, then three");
  EXPECT_EQ(text[3], "1 Down. (4)");
  EXPECT_EQ(text[6], "Without an entry: 9 Across. Of nothing");
}

// Numbers by hand that leave an entry without one: the list names it by
// its first square, as the check and the Clues panel do, and prints no number.
TEST(PuzzleClues, AnEntryWithoutANumberIsListedByItsSquare) {
  Puzzle p = Numbered();
  SetNumberingKind(p, NumberingKind::Manual);
  p.Numbers(1, 1) = 0;
  const PuzzleClues clues = Clued({{{Down, 1, 1}, "Stalk"}});
  const std::vector<ClueSection> sections = DirectionSections(clues, p);
  EXPECT_EQ(sections[0].lines[0].number, "");
  EXPECT_EQ(sections[0].lines[0].Label(), "1,1");
  const TextLineList text = ClueTextLines(sections);
  EXPECT_EQ(text[0], "1,1 Across. (4)");
  EXPECT_EQ(text[3], "1,1 Down. Stalk (4)");
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
