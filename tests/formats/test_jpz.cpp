// Crossword Compiler documents: the crossword with its bars, numbers,
// circles, shades and clues, whatever prefixes its namespaces carry, plain
// or zipped; other kinds refused with what they are.
#include <gtest/gtest.h>

#include "clues/plain_text.h"
#include "formats/format_messages.h"
#include "formats/jpz_reader.h"
#include "formats/jpz_writer.h"
#include "clue_at.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::ClueAt;

TEST(ReadJpz, BarsCirclesShadesAndCluesOfAPrefixedDocument) {
  const Import read = ReadJpz(test::ReadTestData("jpz/barred-prefixed.jpz"));
  ASSERT_EQ(read.outcome, ImportOutcome::Imported) << read.message;
  const Puzzle& p = read.puzzle;
  EXPECT_TRUE(p.BarDiagram);
  // A top bar on [1,2] is the bar below [1,1]; a bottom bar in the last row means nothing.
  EXPECT_EQ(p.HBars(1, 1), 1);
  EXPECT_EQ(p.VBars(1, 2), 1);
  EXPECT_EQ(p.HBars(5, 4), 1);
  EXPECT_EQ(p.Letters(1, 1), 'A');                // lower case in the file
  EXPECT_EQ(p.Letters(4, 5), '.');                // a solution of three letters
  EXPECT_EQ(read.solutionCellsLeftEmpty, 1);
  EXPECT_TRUE(read.styles(3, 2).circled);
  EXPECT_TRUE(read.styles(3, 3).shaded);
  EXPECT_EQ(read.styles(3, 3).colour, 0xFFD966u);
  EXPECT_EQ(read.clues.facts.title, "Barred & bold");
  EXPECT_EQ(read.clues.facts.author, "B. Setter");
  EXPECT_EQ(read.clues.facts.notes, "Across <b>and</b> down.");
  EXPECT_EQ(read.clues.facts.intro, "Read the <i>first</i> letters.");

  const Clue* first = ClueAt(read.clues, EntryDirection::Across, 1, 1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text, "First <i>across</i>, AT&T's");
  EXPECT_EQ(first->enumeration, "2,3");
  // Placed by the squares of its word, by its number, and down by its word.
  EXPECT_NE(ClueAt(read.clues, EntryDirection::Across, 2, 2), nullptr);
  EXPECT_NE(ClueAt(read.clues, EntryDirection::Across, 1, 3), nullptr);
  EXPECT_NE(ClueAt(read.clues, EntryDirection::Down, 2, 1), nullptr);
}

TEST(ReadJpz, ZippedDocumentReadsAsThePlainOne) {
  const Import plain = ReadJpz(test::ReadTestData("jpz/clued.jpz"));
  const Import zipped = ReadZippedJpz(test::ReadTestData("jpz/zipped.jpz"));
  ASSERT_EQ(zipped.outcome, ImportOutcome::Imported) << zipped.message;
  EXPECT_EQ(zipped.puzzle, plain.puzzle);
  EXPECT_EQ(zipped.clues, plain.clues);
  EXPECT_EQ(ReadZippedJpz(std::string("PK\x03\x04 not a zip", 14)).outcome, ImportOutcome::NotRecognised);
}

TEST(ReadJpz, RefusesWhatIsNoCrosswordOfKven) {
  const std::string head =
      "<?xml version=\"1.0\"?><crossword-compiler><rectangular-puzzle><crossword><grid width=\"5\" height=\"5\">";
  std::string cells;
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c)
      if (r != 3 || c != 3) cells += "<cell x=\"" + std::to_string(c) + "\" y=\"" + std::to_string(r) + "\"/>";
  const auto with = [&](const std::string& square) {
    return head + cells + square + "</grid></crossword></rectangular-puzzle></crossword-compiler>";
  };
  std::string barred = with("<cell x=\"3\" y=\"3\" type=\"block\"/>");
  const std::string corner = "<cell x=\"1\" y=\"1\"/>";
  barred.replace(barred.find(corner), corner.size(), "<cell x=\"1\" y=\"1\" right-bar=\"true\"/>");
  const std::pair<std::string, std::string> cases[] = {
      {test::ReadTestData("jpz/acrostic.jpz"), "it is an acrostic, not a crossword"},
      {with("<cell x=\"3\" y=\"3\" type=\"void\"/>"), "the square at row 3, column 3 is omitted (a void cell)"},
      {with("<cell x=\"3\" y=\"3\" type=\"clue\"/>"), "the square at row 3, column 3 holds a clue"},
      {with(""), "its grid has no cell at row 3, column 3"},
      {with("<cell x=\"3\" y=\"3\"/><cell x=\"3\" y=\"3\" type=\"block\"/>"), "two cells lie at row 3, column 3"},
      {head + "<cell", "it is not well-formed XML (Error parsing start element tag at byte 103)"},
  };
  for (const auto& [text, reason] : cases) {
    const Import read = ReadJpz(text);
    EXPECT_EQ(read.outcome, ImportOutcome::Refused) << reason;
    EXPECT_EQ(read.message, message::ImportRefusal(FileFormat::Jpz, reason));
  }
  EXPECT_EQ(ReadJpz("<?xml version=\"1.0\"?><svg/>").outcome, ImportOutcome::NotRecognised);
  // Blocks and bars together are a diagram of both kinds.
  const Import both = ReadJpz(barred);
  ASSERT_EQ(both.outcome, ImportOutcome::Imported) << both.message;
  EXPECT_EQ(DiagramKindOf(both.puzzle), DiagramKind::Both);
  EXPECT_EQ(both.puzzle.VBars(1, 1), 1);
  EXPECT_EQ(both.puzzle.Blocks(3, 3), 1);
}

TEST(WriteJpz, MarkupAndEntitiesTravelAsElementsAndCharacters) {
  PuzzleClues clues;
  clues.clues.push_back({EntryDirection::Across, 1, 1, "", "A <i>b</i> &amp; c&mdash;d, AT&T", "", ""});
  Import read = ReadJpz(test::ReadTestData("jpz/clued.jpz"));
  std::vector<std::string> notes;
  const std::string file = WriteJpz(read.puzzle, clues, SquareStyles{}, notes);
  EXPECT_NE(file.find("A <i>b</i> &amp; c—d, AT&amp;T</clue>"), std::string::npos) << file;
  const Import back = ReadJpz(file);
  const Clue* clue = ClueAt(back.clues, EntryDirection::Across, 1, 1);
  ASSERT_NE(clue, nullptr);
  EXPECT_EQ(PlainText(clue->text), "A b & c—d, AT&T");
}

// Markup that is no XML goes out as the text it reads as, and comes back
// the same pass after pass; an "&" that a later ";" follows is no entity.
TEST(WriteJpz, TextThatIsNoMarkupLastsThroughEveryPass) {
  const Import read = ReadJpz(test::ReadTestData("jpz/clued.jpz"));
  for (const char* text : {"Tom &a/>\n  <w></w> <> first", "x < y & z; w", "&amp;; & ;"}) {
    PuzzleClues clues;
    clues.clues.push_back({EntryDirection::Across, 1, 1, "", text, "", ""});
    std::vector<std::string> notes;
    const Import once = ReadJpz(WriteJpz(read.puzzle, clues, SquareStyles{}, notes));
    const Import twice = ReadJpz(WriteJpz(read.puzzle, once.clues, SquareStyles{}, notes));
    ASSERT_NE(ClueAt(once.clues, EntryDirection::Across, 1, 1), nullptr) << text;
    EXPECT_EQ(twice.clues, once.clues) << text;
    EXPECT_EQ(PlainText(ClueAt(once.clues, EntryDirection::Across, 1, 1)->text), PlainText(text)) << text;
  }
}

// A document that says it is UTF-8 and holds other bytes: those bytes are
// read as Latin-1, so that every text the program keeps is UTF-8.
TEST(ReadJpz, BytesThatAreNoUtf8ReadAsLatin1) {
  std::string file = test::ReadTestData("jpz/clued.jpz");
  const std::string title = "<title>";
  file.insert(file.find(title) + title.size(), "Caf\xE9 \xFF ");
  const Import read = ReadJpz(file);
  ASSERT_EQ(read.outcome, ImportOutcome::Imported) << read.message;
  EXPECT_TRUE(read.clues.facts.title.starts_with("Café ÿ ")) << read.clues.facts.title;
}

}  // namespace
}  // namespace kven
