// Every format both ways: a document written in it reads back with the same
// grid, numbers, letters, clues, facts and what the format keeps of its
// circles and shades; a file of the format read and written again is the
// same file.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "clues/plain_text.h"
#include "document/export.h"
#include "formats/puzzle_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

constexpr FileFormat Formats[] = {FileFormat::Ipuz, FileFormat::Puz, FileFormat::Jpz, FileFormat::Xd};

Import Read(const std::string& bytes) { return RecogniseText(TextLines(bytes)).import; }

DocumentContent Content(const Import& read) { return {read.puzzle, read.clues, read.styles}; }

DocumentContent FromKven(const std::string& example) {
  DocumentContent content;
  content.puzzle = test::Decoded(TextLineList{});
  test::DecodeLines(content.puzzle, [&] {
    TextLineList lines;
    const TextLines text(test::ReadExample(example));
    for (std::size_t i = 0; i < text.size(); ++i) lines.emplace_back(text[i]);
    return lines;
  }());
  return content;
}

std::string Unbracketed(const std::string& enumeration) {
  return enumeration.starts_with('(') && enumeration.ends_with(')') ? enumeration.substr(1, enumeration.size() - 2)
                                                                     : enumeration;
}

// The letters a format keeps: a blank mark is a square without a letter
// where the format has no such mark.
char KeptLetter(char letter, FileFormat format) { return format != FileFormat::Ipuz && letter == ' ' ? '.' : letter; }

void ExpectSameDocument(const DocumentContent& back, const DocumentContent& sent, FileFormat format,
                        const std::string& where) {
  const Puzzle& a = back.puzzle;
  const Puzzle& b = sent.puzzle;
  EXPECT_TRUE(SameDiagram(a, b)) << where;
  // An .xd header's value has no blanks around it.
  const auto title = [format](const std::string& t) {
    if (format != FileFormat::Xd) return t;
    const auto start = t.find_first_not_of(" \t");
    return start == std::string::npos ? std::string() : t.substr(start, t.find_last_not_of(" \t") - start + 1);
  };
  EXPECT_EQ(title(a.Title), title(b.Title)) << where;
  EXPECT_EQ(IsNumbered(a), IsNumbered(b)) << where;
  for (int r = 1; r <= b.VSquares; ++r) {
    for (int c = 1; c <= b.HSquares; ++c) {
      EXPECT_EQ(a.Letters(c, r), KeptLetter(b.Letters(c, r), format)) << where << " at " << c << "," << r;
      if (IsNumbered(b)) {
        EXPECT_EQ(a.Numbers(c, r), b.Numbers(c, r)) << where << " at " << c << "," << r;
      }
      const SquareStyle& got = back.styles(c, r);
      const SquareStyle& want = sent.styles(c, r);
      EXPECT_EQ(got.circled, want.circled) << where;
      const bool shadeKept = format == FileFormat::Ipuz || format == FileFormat::Jpz ||
                             (format == FileFormat::Xd && !AnyCircled(sent.styles, b.HSquares, b.VSquares));
      if (shadeKept) {
        EXPECT_EQ(got.shaded, want.shaded) << where;
      }
    }
  }
  EXPECT_EQ(back.clues.facts.author, sent.clues.facts.author) << where;
  EXPECT_EQ(back.clues.facts.copyright, sent.clues.facts.copyright) << where;
  EXPECT_EQ(title(UnicodeTitle(back.clues, a)), title(UnicodeTitle(sent.clues, b))) << where;
  // Clues on no entry travel in ipuz alone; the other formats say they leave them out.
  const std::vector<std::size_t> aside = CluesWithoutEntry(sent.clues, b);
  if (format == FileFormat::Ipuz) EXPECT_EQ(back.clues.clues.size(), sent.clues.clues.size()) << where;
  else EXPECT_EQ(back.clues.clues.size(), sent.clues.clues.size() - aside.size()) << where;
  for (std::size_t i = 0; i < sent.clues.clues.size(); ++i) {
    if (std::find(aside.begin(), aside.end(), i) != aside.end()) continue;
    const Clue& want = sent.clues.clues[i];
    const std::optional<std::size_t> got = FindClue(back.clues, want.Key());
    ASSERT_TRUE(got) << where << ": clue " << i;
    const Clue& clue = back.clues.clues[*got];
    // .puz has no markup.
    // Entities may come back as their characters; .puz has no markup.
    EXPECT_EQ(PlainText(clue.text), PlainText(want.text)) << where;
    if (format != FileFormat::Puz) {
      EXPECT_EQ(std::count(clue.text.begin(), clue.text.end(), '<'), std::count(want.text.begin(), want.text.end(), '<'))
          << where;
    }
    EXPECT_EQ(Unbracketed(clue.enumeration), Unbracketed(want.enumeration)) << where;
  }
}

TEST(FormatRoundTrip, DocumentsComeBackFromEveryFormat) {
  std::vector<std::pair<std::string, DocumentContent>> documents;
  for (const char* example : {"block-twofold.txt", "manual-numbers.txt", "bar-fourfold.txt"})
    documents.emplace_back(example, FromKven(example));
  for (const char* file : {"ipuz/styled.ipuz", "ipuz/greek.ipuz", "ipuz/clued-objects.ipuz"})
    documents.emplace_back(file, Content(Read(test::ReadTestData(file))));
  // Blocks and bars in one diagram, bars beside blocks on every side of them.
  DocumentContent both;
  both.puzzle = test::ExampleBlocks(NoSymmetry);
  SetDiagramKind(both.puzzle, DiagramKind::Both);
  both.puzzle.HBars(1, 1) = both.puzzle.HBars(5, 1) = both.puzzle.VBars(4, 1) = both.puzzle.VBars(2, 2) = 1;
  both.puzzle.HBars(4, 1) = 1;
  documents.emplace_back("blocks and bars", both);
  for (const FileFormat format : Formats) {
    for (const auto& [name, sent] : documents) {
      const std::string where = name + " as " + std::string(InfoOf(format).name);
      const Exported written = ExportDocument(sent, format);
      if (written.refused) {
        // Only the bars of the bar diagram keep it from a format without bars.
        EXPECT_TRUE((name == "bar-fourfold.txt" || name == "blocks and bars") && !InfoOf(format).keeps.bars)
            << where << ": " << written.message;
        continue;
      }
      const Import back = Read(written.bytes);
      ASSERT_EQ(back.outcome, ImportOutcome::Imported) << where << ": " << back.message;
      EXPECT_EQ(back.format, format) << where;
      EXPECT_TRUE(back.notes.empty()) << where;
      ExpectSameDocument(Content(back), sent, format, where);
    }
  }
}

TEST(FormatRoundTrip, FilesOfTheFormatComeBackTheSame) {
  const std::pair<FileFormat, const char*> files[] = {
      {FileFormat::Puz, "puz/clued.puz"}, {FileFormat::Puz, "puz/styled.puz"}, {FileFormat::Puz, "puz/greek.puz"},
      {FileFormat::Jpz, "jpz/clued.jpz"}, {FileFormat::Jpz, "jpz/styled.jpz"}, {FileFormat::Jpz, "jpz/bar-fourfold.jpz"},
      {FileFormat::Xd, "xd/clued.xd"},    {FileFormat::Xd, "xd/styled.xd"},    {FileFormat::Xd, "xd/greek.xd"},
  };
  for (const auto& [format, file] : files) {
    const std::string bytes = test::ReadTestData(file);
    const Exported again = ExportDocument(Content(Read(bytes)), format);
    EXPECT_EQ(again.bytes, bytes) << file;
  }
}

TEST(FormatRoundTrip, RandomBlockDiagramsKeepTheirGridNumbersAndLetters) {
  test::ForEachRandomPuzzle(20261210, [](Puzzle& p, const std::string& where) {
    DocumentContent sent;
    sent.puzzle = p;
    for (const FileFormat format : {FileFormat::Puz, FileFormat::Jpz, FileFormat::Xd}) {
      const Exported written = ExportDocument(sent, format);
      const FormatLosses lost = LossesOf(sent, format);
      EXPECT_EQ(written.refused, lost.bars || lost.handNumbers) << where;
      if (written.refused) continue;
      const Import back = Read(written.bytes);
      EXPECT_EQ(back.outcome, ImportOutcome::Imported) << where;
      // A puzzle without numbers comes back numbered where the format numbers by the grid.
      if (!IsNumbered(p) && format != FileFormat::Jpz) continue;
      DocumentContent got = Content(back);
      ExpectSameDocument(got, sent, format, where + " as " + std::string(InfoOf(format).name));
    }
    return !::testing::Test::HasFailure();
  });
}

// What a reader throws becomes its format's refusal: its own reason, or,
// for anything it did not foresee, that the file could not be read.
TEST(GuardedImport, WhatAReaderThrowsIsItsFormatsRefusal) {
  const struct {
    FileFormat format;
    std::function<Import()> read;
    const char* message;
  } cases[] = {
      {FileFormat::Puz, [] () -> Import { throw ImportRefused(FileFormat::Puz, "it ends inside its grid"); },
       "Cannot import this Across Lite puzzle: it ends inside its grid."},
      {FileFormat::Xd, [] () -> Import { throw std::out_of_range("substr"); },
       "Cannot import this xd crossword: it could not be read."},
  };
  for (const auto& c : cases) {
    const Import got = GuardedImport(c.format, c.read);
    EXPECT_EQ(got.outcome, ImportOutcome::Refused);
    EXPECT_EQ(got.format, c.format);
    EXPECT_EQ(got.message, c.message);
  }
  Import read;
  read.outcome = ImportOutcome::Imported;
  read.format = FileFormat::Jpz;
  EXPECT_EQ(GuardedImport(FileFormat::Jpz, [&] { return read; }).outcome, ImportOutcome::Imported);
}

}  // namespace
}  // namespace kven
