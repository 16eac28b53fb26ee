// Across Lite files: the variations real files come in, each read with the
// note it deserves or refused with its reason, and what the writer puts
// where the format wants it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "clues/plain_text.h"
#include "formats/format_messages.h"
#include "formats/puz_layout.h"
#include "formats/puz_reader.h"
#include "formats/puz_writer.h"
#include "clue_at.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::ClueAt;

std::string Section(std::string_view name, std::string_view data) {
  std::string section(name);
  section += static_cast<char>(data.size() & 0xFF);
  section += static_cast<char>(data.size() >> 8);
  const std::uint16_t sum = puz::Checksum(data);
  section += static_cast<char>(sum & 0xFF);
  section += static_cast<char>(sum >> 8);
  return section + std::string(data) + '\0';
}

// A rebus on the first square, key 1, answered by `answer`.
std::string WithRebus(std::string file, const std::string& answer) {
  std::string board(25, '\0');
  board[0] = 2;
  return file + Section("GRBS", board) + Section("RTBL", " 1:" + answer + ";");
}

// The file with the byte at `at` changed by `change`.
std::string Changed(std::string file, std::size_t at, int change) {
  file.replace(at, 1, 1, static_cast<char>(static_cast<unsigned char>(file.at(at)) + change));
  return file;
}

bool HasNote(const Import& read, std::string_view note) {
  for (const std::string& n : read.notes)
    if (n.find(note) != std::string::npos) return true;
  return false;
}

struct EdgeCase {
  const char* name;
  std::function<std::string(std::string)> change;
  std::vector<std::string_view> notes;  // the notes the reading gives, no others
  bool letters;                         // the solution is read
  int leftEmpty;
};

TEST(ReadPuz, RealWorldVariationsAreReadWithTheirNotes) {
  const std::string clued = test::ReadTestData("puz/clued.puz");
  const EdgeCase cases[] = {
      {"as written", [](std::string f) { return f; }, {}, true, 0},
      {"a wrong checksum", [](std::string f) { return Changed(f, 0, 0x5A); }, {message::ChecksumsDisagree}, true, 0},
      {"scrambled", [](std::string f) { return Changed(f, puz::ScrambledAt, 4); },
       {message::ChecksumsDisagree, message::SolutionLocked}, false, 0},
      {"a file name before the header", [](std::string f) { return "clued.puz\r\n" + f; }, {}, true, 0},
      {"bytes after the last string", [](std::string f) { return f + "\r\n\x01junk"; }, {}, true, 0},
      {"a clue count larger than the strings", [](std::string f) { return Changed(f, puz::ClueCountAt, 5); },
       {message::ChecksumsDisagree, message::FileEndsEarly}, true, 0},
      {"a rebus of a word", [](std::string f) { return WithRebus(f, "STEM"); }, {}, true, 1},
      {"a rebus of one letter", [](std::string f) { return WithRebus(f, "S"); }, {}, true, 0},
  };
  for (const EdgeCase& c : cases) {
    const Import read = ReadPuz(c.change(clued));
    ASSERT_EQ(read.outcome, ImportOutcome::Imported) << c.name << ": " << read.message;
    EXPECT_EQ(read.notes.size(), c.notes.size()) << c.name;
    for (const std::string_view note : c.notes) EXPECT_TRUE(HasNote(read, note)) << c.name << ": " << note;
    EXPECT_EQ(read.solutionCellsLeftEmpty, c.leftEmpty) << c.name;
    const Puzzle& p = read.puzzle;
    EXPECT_EQ(p.HSquares, 5) << c.name;
    EXPECT_EQ(p.Blocks(2, 2), 1) << c.name;
    EXPECT_EQ(p.Letters(3, 3), c.letters ? 'T' : '.') << c.name;  // TOTAL
    EXPECT_EQ(p.Letters(1, 1), c.letters && c.leftEmpty == 0 ? 'S' : '.') << c.name;
    EXPECT_EQ(read.clues.facts.author, "A. Setter") << c.name;
    const Clue* first = ClueAt(read.clues, EntryDirection::Across, 1, 1);
    ASSERT_NE(first, nullptr) << c.name;
    EXPECT_EQ(first->text, "Setter's first clue") << c.name;
  }
}

TEST(ReadPuz, RefusesWhatItCannotHold) {
  const std::string clued = test::ReadTestData("puz/clued.puz");
  std::string narrow = clued;
  narrow[puz::WidthAt] = 4;
  std::string diagramless = clued;
  diagramless[puz::PuzzleTypeAt + 1] = 0x04;
  const std::pair<std::string, std::string> cases[] = {
      {narrow, "it is 4 x 5 squares; sizes must be 5 to 30"},
      {diagramless, "it is a diagramless puzzle, whose blocks the solver finds"},
      {clued.substr(0, puz::HeaderSize + 30), "it ends inside its grid"},
      {clued.substr(0, 0x20), "it ends inside its header"},
  };
  for (const auto& [file, reason] : cases) {
    const Import read = ReadPuz(file);
    EXPECT_EQ(read.outcome, ImportOutcome::Refused) << reason;
    EXPECT_EQ(read.message, message::ImportRefusal(FileFormat::Puz, reason));
  }
  EXPECT_EQ(ReadPuz("KVEN 2 5 5\r\nBLK 8 Z\r\n").outcome, ImportOutcome::NotRecognised);
}

TEST(ReadPuz, VersionTwoTextsAreUtf8AndOlderOnesLatin1) {
  const Import greek = ReadPuz(test::ReadTestData("puz/greek.puz"));
  ASSERT_EQ(greek.outcome, ImportOutcome::Imported);
  EXPECT_EQ(greek.clues.facts.title, "Ελληνικά");
  ASSERT_NE(ClueAt(greek.clues, EntryDirection::Across, 1, 1), nullptr);
  EXPECT_EQ(ClueAt(greek.clues, EntryDirection::Across, 1, 1)->text, "Hold fast: αβγ");

  std::string latin1 = test::ReadTestData("puz/clued.puz");
  const std::size_t author = latin1.find("A. Setter");
  latin1.replace(author, 9, "A. S\xE9tter");
  const Import read = ReadPuz(latin1);
  EXPECT_EQ(read.clues.facts.author, "A. Sétter");
}

// A .puz clue is plain text: what looks like markup in it is its characters,
// shown as they are and written back the same.
TEST(ReadPuz, ClueTextsArePlainText) {
  std::string file = test::ReadTestData("puz/clued.puz");
  const std::string first = "Setter's first clue";
  const std::string plain = "<i>Jaws</i> &amp; <<J>> <!-- --> (0)";
  file.replace(file.find(first), first.size(), plain);
  const Import read = ReadPuz(file);
  const Clue* clue = ClueAt(read.clues, EntryDirection::Across, 1, 1);
  ASSERT_NE(clue, nullptr);
  EXPECT_EQ(PlainText(clue->text), plain);
  std::vector<std::string> notes;
  const std::string written = WritePuz(read.puzzle, read.clues, read.styles, notes);
  EXPECT_NE(written.find(plain), std::string::npos);
  EXPECT_TRUE(notes.empty()) << notes.front();
  EXPECT_EQ(ReadPuz(written).clues, read.clues);
}

TEST(WritePuz, ChecksumsAndLayoutAreTheFormats) {
  // Worked by hand: 'A' from 0 is 0x41; odd, so it turns to 0x8020, then + 'B'.
  EXPECT_EQ(puz::Checksum("AB"), 0x8062);

  const std::string file = test::ReadTestData("puz/clued.puz");
  EXPECT_EQ(file.substr(puz::MagicAt, 12), std::string("ACROSS&DOWN\0", 12));
  EXPECT_EQ(file.substr(puz::VersionAt, 4), std::string("1.3\0", 4));
  EXPECT_EQ(ReadPuz(file).notes.size(), 0u);
  // Clues by number, across before down: 1 Across, 1 Down, 2 Down, 3 Down, 4 Across, 5 Across.
  const std::size_t first = file.find("Setter's first clue");
  const std::size_t down1 = file.find("Groups, mostly");
  const std::size_t across4 = file.find("Sum of the whole lot");
  const std::size_t across5 = file.find("Groups of three (5)");
  ASSERT_NE(across5, std::string::npos);
  EXPECT_LT(first, down1);
  EXPECT_LT(down1, across4);
  EXPECT_LT(across4, across5);
  EXPECT_EQ(file.find("<i>"), std::string::npos);  // markup left out
}

TEST(WritePuz, CirclesGoToGextAndTextsBeyondLatin1ToVersionTwo) {
  const std::string styled = test::ReadTestData("puz/styled.puz");
  const std::size_t gext = styled.find("GEXT");
  ASSERT_NE(gext, std::string::npos);
  EXPECT_EQ(static_cast<unsigned char>(styled[gext + 8]), puz::Circled);       // [1,1]
  EXPECT_EQ(static_cast<unsigned char>(styled[gext + 8 + 1]), 0);              // [2,1]
  EXPECT_EQ(static_cast<unsigned char>(styled[gext + 8 + 5 + 2]), puz::Circled);  // [3,2]
  EXPECT_TRUE(ReadPuz(styled).styles(5, 4).circled);

  const std::string greek = test::ReadTestData("puz/greek.puz");
  EXPECT_EQ(greek.substr(puz::VersionAt, 4), std::string("2.0\0", 4));
  std::vector<std::string> notes;
  Puzzle p = ReadPuz(greek).puzzle;
  WritePuz(p, ReadPuz(greek).clues, SquareStyles{}, notes);
  EXPECT_EQ(notes, std::vector<std::string>{std::string(message::PuzWrittenAsUnicode)});
}

}  // namespace
}  // namespace kven
