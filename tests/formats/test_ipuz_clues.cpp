// Clues and facts through ipuz: documents in both clue shapes, as other
// programs write them, come in and go out with every clue text,
// enumeration, author and copyright, and what the program writes comes back
// as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "clues/clue_lines.h"
#include "formats/clue_sections.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using Json = nlohmann::json;
constexpr auto Across = EntryDirection::Across;
constexpr auto Down = EntryDirection::Down;

std::string ReadData(const std::string& name) {
  std::ifstream in(std::string(KVEN_TEST_DATA_DIR) + "/ipuz/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Import Imported(const std::string& document) {
  Import read = ReadIpuz(document);
  EXPECT_EQ(read.outcome, ImportOutcome::Imported) << read.message;
  return read;
}

Json Parsed(std::string text) {
  if (text.starts_with("ipuz(")) text = text.substr(5, text.rfind(')') - 5);
  return Json::parse(text);
}

// The clue texts and enumerations of a document's list, by number as written.
std::map<std::string, std::pair<std::string, std::string>> ListOf(const Json& list) {
  std::map<std::string, std::pair<std::string, std::string>> out;
  for (const Json& clue : list) {
    const Json number = clue.is_array() ? clue[0] : clue["number"];
    const std::string key = number.is_string() ? number.get<std::string>() : number.dump();
    const std::string text = clue.is_array() ? clue[1].get<std::string>() : clue.value("clue", "");
    out[key] = {text, clue.is_object() ? clue.value("enumeration", "") : ""};
  }
  return out;
}

TEST(IpuzClues, DocumentsOfOtherProgramsKeepEveryClueAndFact) {
  for (const char* name : {"clued-objects.ipuz", "clued-pairs.ipuz"}) {
    const Json source = Parsed(ReadData(name));
    const Import read = Imported(ReadData(name));
    const Json written = Json::parse(WriteIpuz(read.puzzle, read.clues));
    for (const char* fact : {"title", "author", "copyright", "notes", "intro"})
      EXPECT_EQ(written.value(fact, ""), source.value(fact, "")) << name << " " << fact;
    for (const auto& [key, list] : source["clues"].items()) {
      ASSERT_TRUE(written["clues"].contains(key)) << name << " " << key;
      for (const auto& [number, clue] : ListOf(list)) {
        const auto got = ListOf(written["clues"][key]);
        ASSERT_TRUE(got.contains(number)) << name << " " << key << " " << number;
        EXPECT_EQ(got.at(number), clue) << name << " " << key << " " << number;
      }
    }
  }
}

TEST(IpuzClues, BothShapesReadIntoTheirEntries) {
  const Import objects = Imported(ReadData("clued-objects.ipuz"));
  const std::vector<ClueLine> down = OrderedClues(objects.clues, objects.puzzle, Down);
  ASSERT_EQ(down.size(), 3u);
  EXPECT_EQ(down[0], (ClueLine{"1", "Groups, sets", "(4-1)", "SETST"}));
  EXPECT_EQ(down[2], (ClueLine{"3", "Bargain events", "(5)", "SALSS"}));
  EXPECT_EQ(objects.clues.downKey, "Down:Vertical");
  ASSERT_EQ(objects.clues.otherLists.size(), 1u);
  EXPECT_EQ(objects.clues.otherLists[0].key, "Diagonal");
  EXPECT_EQ(objects.clues.facts.title, "Café <i>Society</i> — №4");
  EXPECT_EQ(objects.puzzle.Title, "Caf\xE9 <i>Society</i> ? ?4");

  const Import pairs = Imported(ReadData("clued-pairs.ipuz"));
  EXPECT_EQ(OrderedClues(pairs.clues, pairs.puzzle, Across)[0], (ClueLine{"1", "Setter's first clue", "(5)", ""}));
  EXPECT_EQ(OrderedClues(pairs.clues, pairs.puzzle, Across)[1].text, "Sum total");  // <br> shown as a blank
  EXPECT_EQ(pairs.clues.clues[1].text, "Sum<br>total");                         // and kept as written
  const std::vector<std::size_t> aside = CluesWithoutEntry(pairs.clues, pairs.puzzle);
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(pairs.clues.clues[aside[0]].label, "6");
  EXPECT_EQ(pairs.clues.clues[aside[0]].text, "A clue of no entry");
}

// Lists of other directions print under their own headings, after across
// and down, with the labels and answers the document gave.
TEST(IpuzClues, EveryListOfTheDocumentHasItsSection) {
  const Import objects = Imported(ReadData("clued-objects.ipuz"));
  const std::vector<ClueSection> sections = ClueSections(objects.clues, objects.puzzle);
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_EQ(sections[0].heading, "Across");
  EXPECT_EQ(sections[1].heading, "Vertical");
  EXPECT_EQ(sections[2].heading, "Diagonal");
  EXPECT_EQ(sections[2].lines, (std::vector<ClueLine>{{"1", "Corner to corner", "", ""}}));
  EXPECT_EQ(sections[0].lines[0].answer, "STEMS");
  EXPECT_EQ(sections[0].lines.back(), (ClueLine{"1-5", "See 1", "", "", true}));

  const OtherClueList inward{"Inward:Spirals in", R"json([[1, "Curl (4)"], {"number": "2", "clue": "Turn",
      "enumeration": "4", "answer": "SPIN"}, "Loose end", 7])json"};
  PuzzleClues clues;
  clues.otherLists = {inward, {"Broken", "[1, "}};
  const std::vector<ClueSection> others = ClueSections(clues, objects.puzzle);
  ASSERT_EQ(others.size(), 4u);
  EXPECT_EQ(others[2].name, "Inward");
  EXPECT_EQ(others[2].heading, "Spirals in");
  EXPECT_EQ(others[2].lines, (std::vector<ClueLine>{{"1", "Curl", "(4)", ""}, {"2", "Turn", "(4)", "SPIN"},
                                                    {"", "Loose end", "", ""}}));
  EXPECT_TRUE(others[3].lines.empty());
  EXPECT_EQ(ClueTextLines(others).back(), "Inward. Loose end");
}

TEST(IpuzClues, WhatTheProgramWritesComesBackAsItWas) {
  for (const char* name : {"clued-objects.ipuz", "clued-pairs.ipuz"}) {
    const Import first = Imported(ReadData(name));
    const std::string written = WriteIpuz(first.puzzle, first.clues);
    const Import second = Imported(written);
    EXPECT_EQ(second.clues, first.clues) << name;
    EXPECT_EQ(WriteIpuz(second.puzzle, second.clues), written) << name;
  }
}

TEST(IpuzClues, AClueWithoutItsEntryTravelsInTheProgramsOwnMember) {
  Import read = Imported(ReadData("clued-pairs.ipuz"));
  Puzzle& p = read.puzzle;
  NullGridView view;
  ToggleBlock(p, view, 3, 1);  // 2 down is gone, and 1 across is cut short
  const std::string written = WriteIpuz(p, read.clues);
  const Json doc = Json::parse(written);
  ASSERT_TRUE(doc.contains("org.kven3.clues"));
  EXPECT_EQ(doc["org.kven3.clues"][0]["clue"], "Go in");
  const Import back = Imported(written);
  EXPECT_EQ(back.clues, read.clues);
  // The block taken out again, the clue stands on its entry once more.
  Puzzle reopened = back.puzzle;
  ToggleBlock(reopened, view, 3, 1);
  EXPECT_EQ(CluesWithoutEntry(back.clues, reopened).size(), 1u);  // only the clue of no entry at all
}

TEST(IpuzClues, HostileClueValuesArePassedOver) {
  const std::string grid =
      R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
          "dimensions": {"width": 5, "height": 5}, "author": 7,
          "puzzle": [[1,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]],
          "org.kven3.clues": [{"direction": "Across", "col": 99, "row": 1, "clue": "x"}, 5, {"direction": 1}],
          "clues": )";
  for (const char* clues : {R"({"Across": 5})", R"({"Across": [null, 5, [1], [1, 2], {"number": []}]})",
                            R"([1, 2])", R"({"Across": [[1, "a"]], "across": [[1, "b"]]})"}) {
    const Import read = Imported(grid + clues + "}");
    EXPECT_EQ(read.clues.facts.author, "") << clues;
    const Import again = Imported(WriteIpuz(read.puzzle, read.clues));
    EXPECT_EQ(again.clues, read.clues) << clues;
  }
}

}  // namespace
}  // namespace kven
