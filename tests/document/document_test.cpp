#include <gtest/gtest.h>

#include "document/document.h"
#include "editing/numbering.h"
#include "support/test_puzzles.h"
#include "text/text_lines.h"

namespace kven {
namespace {

// A document as start-up leaves it, holding the five-by-five blocked example.
Document BlockedDocument() {
  Document d;
  d.puzzle() = test::ExampleBlocks(Twofold);
  d.MarkAllKept();
  return d;
}

void WriteClue(Document& d, const char* text) {
  const DiagramEntry first = DiagramEntries(d.puzzle()).front();
  SetClueText(d.clues(), ClueFor(d.clues(), KeyOf(first)), text);
}

TEST(Document, KnowsWhatEachFormatKeeps) {
  struct Case {
    const char* what;
    void (*change)(Document&);
    bool modifiedAfterKvenText;
    bool modifiedAfterIpuz;
    FileFormat saving;
  };
  const Case cases[] = {
      {"a block", [](Document& d) { d.puzzle().Blocks(3, 3) = 1; }, false, false, FileFormat::KvenText},
      {"a clue", [](Document& d) { WriteClue(d, "Hold tight"); }, true, false, FileFormat::Ipuz},
      {"an author", [](Document& d) { d.clues().facts.author = "A. Setter"; }, true, false, FileFormat::Ipuz},
      {"a Latin-1 title", [](Document& d) { d.SetTitle("Caf\xc3\xa9"); }, false, false, FileFormat::KvenText},
      {"a title beyond Latin-1", [](Document& d) { d.SetTitle("Caf\xc3\xa9 \xe2\x80\x94 1"); }, true, false,
       FileFormat::Ipuz},
      {"a circle", [](Document& d) { d.styles()(2, 3).circled = true; }, true, false, FileFormat::Ipuz},
      {"a shaded square", [](Document& d) { d.styles()(1, 1).shaded = true; }, true, false, FileFormat::Ipuz},
      {"a bar beside the blocks", [](Document& d) {
         d.puzzle().HBars(1, 1) = 1;
         SetDiagramKind(d.puzzle(), DiagramKind::Both);
       }, true, false, FileFormat::Ipuz},
  };
  for (const Case& c : cases) {
    Document d = BlockedDocument();
    EXPECT_FALSE(d.IsModified()) << c.what;
    c.change(d);
    EXPECT_TRUE(d.IsModified()) << c.what;
    EXPECT_EQ(d.SavingFormat(), c.saving) << c.what;
    Document kven = d;
    kven.MarkKept(FileFormat::KvenText);
    EXPECT_EQ(kven.IsModified(), c.modifiedAfterKvenText) << c.what;
    d.MarkKept(FileFormat::Ipuz);
    EXPECT_EQ(d.IsModified(), c.modifiedAfterIpuz) << c.what;
  }
}

TEST(Document, NamesWhatAFormatWouldLose) {
  Document d = BlockedDocument();
  WriteClue(d, "Hold tight");
  d.styles()(2, 3).circled = true;
  d.styles()(1, 1).shaded = true;
  EXPECT_EQ(d.LossesIn(FileFormat::KvenText).Phrase(), "clues, circled squares, shaded squares");
  EXPECT_EQ(d.LossesIn(FileFormat::Puz).Phrase(), "shaded squares");
  EXPECT_FALSE(d.LossesIn(FileFormat::Ipuz).Any());
  Document bars;
  bars.puzzle() = test::ExampleBars();
  EXPECT_TRUE(bars.LossesIn(FileFormat::Puz).LosesDiagram());
  EXPECT_FALSE(bars.LossesIn(FileFormat::Jpz).LosesDiagram());
}

TEST(Document, SavesInTheFormatLastKeptWhenItHoldsEverything) {
  Document d = BlockedDocument();
  WriteClue(d, "Hold tight");
  d.MarkKept(FileFormat::Puz);
  d.puzzle().Blocks(3, 3) = 1;
  EXPECT_EQ(d.SavingFormat(), FileFormat::Puz);
  d.styles()(1, 1).shaded = true;  // shading has no place in the format
  EXPECT_EQ(d.SavingFormat(), FileFormat::Ipuz);
}

TEST(Document, AKvenTextOfAnotherDiagramStartsWithoutClues) {
  const struct {
    const char* text;
    bool keepsClues;
  } cases[] = {
      {"KVEN 2 5 5\r\nBLK 5 7 9 Z\r\nTTL Same\r\n", true},    // the example's own blocks
      {"KVEN 2 5 5\r\nBLK 7 Z\r\n", false},                   // other blocks
      {"KVEN 2 7 7\r\nBLK 5 7 9 Z\r\n", false},               // another size
  };
  for (const auto& c : cases) {
    Document d = BlockedDocument();
    WriteClue(d, "Hold tight");
    d.clues().facts.author = "A. Setter";
    d.styles()(2, 3).circled = true;
    const Puzzle before = d.puzzle();
    NullView view;
    TextLines kept;
    const TextRead read = TakeText(TextLines(std::string(c.text)), std::nullopt, [] {}, kept, d.puzzle(), view);
    d.TakeRead(read, before);
    EXPECT_EQ(HasClueTexts(d.clues()), c.keepsClues) << c.text;
    EXPECT_EQ(d.clues().facts.author.empty(), !c.keepsClues) << c.text;
    EXPECT_EQ(d.styles()(2, 3).circled, c.keepsClues) << c.text;
  }
}

TEST(Document, RenumbersAfterAnEditAndDropsStylesOfAnotherSizeAndOfNewBlocks) {
  Document d = BlockedDocument();
  NullGridView view;
  AutoNumber(d.puzzle(), view);
  d.styles()(2, 3).circled = true;
  d.styles()(3, 1).shaded = true;
  Puzzle before = d.puzzle();
  d.puzzle().Blocks(3, 1) = 1;
  EXPECT_TRUE(d.AfterEdit(before, view));
  EXPECT_EQ(d.puzzle().Numbers(3, 2), 2);  // [3,2] now starts the down entry below the new block
  EXPECT_TRUE(d.styles()(2, 3).circled);
  EXPECT_TRUE(d.styles()(3, 1).Plain());  // the new block's shade went with it
  before = d.puzzle();
  EXPECT_FALSE(d.AfterEdit(before, view));  // nothing changed
  NullView reset;
  d.puzzle().HSquares = 6;
  ResetPuzzle(d.puzzle(), reset);
  d.AfterEdit(before, view);
  EXPECT_FALSE(d.styles()(2, 3).circled);
}

}  // namespace
}  // namespace kven
