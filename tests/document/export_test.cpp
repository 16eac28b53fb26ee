// Writing a document in a format: refused where the format cannot hold
// the diagram, noted where it leaves a part out.
#include <gtest/gtest.h>

#include "document/export.h"
#include "editing/numbering.h"
#include "formats/format_messages.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

DocumentContent Numbered(Puzzle p) {
  NullGridView view;
  AutoNumber(p, view);
  return {p, {}, {}};
}

TEST(ExportDocument, RefusesDiagramsTheFormatCannotHold) {
  const DocumentContent bars = Numbered(test::ExampleBars());
  DocumentContent renumbered = Numbered(test::ExampleBlocks(Twofold));
  renumbered.puzzle.ManualNumbered = true;
  renumbered.puzzle.Numbers(1, 1) = 7;
  DocumentContent sameByHand = Numbered(test::ExampleBlocks(Twofold));
  sameByHand.puzzle.ManualNumbered = true;  // the numbers the grid gives, entered by hand

  const std::string barsReason = "it is a bar diagram, and the format has no bars";
  const std::string numbersReason =
      "its numbers were given by hand and are not the ones its grid gives, by which the format numbers";
  for (const FileFormat format : {FileFormat::Puz, FileFormat::Xd}) {
    const Exported refusedBars = ExportDocument(bars, format);
    EXPECT_TRUE(refusedBars.refused);
    EXPECT_TRUE(refusedBars.bytes.empty());
    EXPECT_EQ(refusedBars.message, message::WriteRefusal(format, barsReason));
    EXPECT_EQ(ExportDocument(renumbered, format).message, message::WriteRefusal(format, numbersReason));
    EXPECT_FALSE(ExportDocument(sameByHand, format).refused);
  }
  for (const FileFormat format : {FileFormat::KvenText, FileFormat::Ipuz, FileFormat::Jpz}) {
    EXPECT_FALSE(ExportDocument(bars, format).refused);
    EXPECT_FALSE(ExportDocument(renumbered, format).refused);
  }
  EXPECT_EQ(message::WriteRefusal(FileFormat::Xd, "x"), "Cannot write this puzzle as an xd crossword: x.");
}

TEST(ExportDocument, NotesWhatTheFormatLeavesOut) {
  DocumentContent styled = Numbered(test::ExampleBlocks(Twofold));
  styled.styles(1, 1).circled = true;
  styled.styles(3, 1).shaded = true;
  EXPECT_EQ(ExportDocument(styled, FileFormat::Puz).notes,
            std::vector<std::string>{"The Across Lite puzzle has no place for shaded squares: left out."});
  EXPECT_EQ(ExportDocument(styled, FileFormat::KvenText).notes,
            std::vector<std::string>{"The KVEN text has no place for circled squares, shaded squares: left out."});
  EXPECT_TRUE(ExportDocument(styled, FileFormat::Ipuz).notes.empty());
  EXPECT_TRUE(ExportDocument(styled, FileFormat::Jpz).notes.empty());
}

}  // namespace
}  // namespace kven
