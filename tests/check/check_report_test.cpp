// The summary, the text report and the JSON form, on diagrams worked out by hand.
#include <gtest/gtest.h>

#include "check/check_diagram.h"
#include "check/check_json.h"
#include "check/check_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

// Blocks at 3,2 and 3,4: across 1, 7 and 10 have 5 letters with the middle
// one unchecked, the four others 2 letters; down 1..4 have 5, all checked.
// One letter of the solution is missing.
Puzzle Clasp() {
  return test::Decoded({"KVEN 2 5 5", "BLK 8 Z", "TTL Clasp", "ANS", "CLASP", "RO.HE", "AVERT", "NE.EA", "ESTE."});
}

TEST(CheckText, GoldenReport) {
  const TextLineList want = {
      "Check of \"Clasp\": 5 x 5 block diagram, twofold symmetry, uk style, minimum length 3",
      "Entries: 7 across, 4 down; lengths (letters x entries) 2x4 5x7; mean 3.91",
      "Blocks: 2 of 25 squares (8.0%); checked: 40 of 43 entry letters (93.0%)",
      "Findings: 5",
      "short: 5 across has 2 letters, fewer than 3",
      "short: 6 across has 2 letters, fewer than 3",
      "short: 8 across has 2 letters, fewer than 3",
      "short: 9 across has 2 letters, fewer than 3",
      "solution: 1 open square has no letter: 5,5",
      "Entry  dir  len  checked  unchecked  run",
      "    1  A      5        4          1    1",
      "    5  A      2        2          0    0",
      "    6  A      2        2          0    0",
      "    7  A      5        4          1    1",
      "    8  A      2        2          0    0",
      "    9  A      2        2          0    0",
      "   10  A      5        4          1    1",
      "    1  D      5        5          0    0",
      "    2  D      5        5          0    0",
      "    3  D      5        5          0    0",
      "    4  D      5        5          0    0",
  };
  EXPECT_EQ(CheckReportLines(CheckDiagram(Clasp())), want);
}

// Six bars of each kind from a fourfold text; the first line names an odd
// order as the reader takes it.
TEST(CheckText, BarDiagramSummary) {
  Puzzle p = test::Decoded({"KVEN 4 6 6", "HBR 1 15 Z", "VBR 2 Z", "NN"});
  p.Symmetry = 999;
  const TextLineList lines = CheckReportLines(CheckDiagram(p));
  EXPECT_EQ(TextLineList(lines.begin(), lines.begin() + 3),
            (TextLineList{"Check: 6 x 6 bar diagram, symmetry 999 read as twofold, barred style, minimum length 3",
                          "Entries: 10 across, 10 down; lengths (letters x entries) 2x4 3x12 6x4; mean 3.40",
                          "Bars: 12; checked: 64 of 68 entry letters (94.1%)"}));
}

// Lines never pass 255 characters (a cut one ends in "..."), and only
// finding lines start with a lower-case rule name.
TEST(CheckText, LinesStayShort) {
  Puzzle p = test::Decoded({"KVEN 0 30 30", "BLK Z", "MN"});
  p.Title = std::string(255, 'T');
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c <= 30; ++c) p.Numbers(c, r) = INT32_MIN;
  const TextLineList lines = CheckReportLines(CheckDiagram(p));
  EXPECT_EQ(lines[0].substr(250), "TT...");
  std::size_t findings = 0;
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), 255u);
    if (line[0] >= 'a' && line[0] <= 'z') findings += line.rfind("numbering: ", 0) == 0 ? 1 : 1000;
  }
  // All but the 59 squares of the top row and the left column start no
  // entry, and the number used 900 times makes one more line.
  EXPECT_EQ(findings, 841u + 1u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "-2147483648  A     30       30          0    0"), lines.end());
}

TEST(CheckJson, KeysAndValues) {
  const nlohmann::ordered_json j = CheckReportJson(CheckDiagram(Clasp()));
  std::vector<std::string> keys;
  for (const auto& item : j.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"title", "columns", "rows", "kind", "symmetry", "style", "minLength",
                                            "passed", "summary", "findings", "entries"}));
  EXPECT_EQ(j["kind"], "block");
  EXPECT_EQ(j["passed"], false);
  EXPECT_EQ(ParseCheckStyle(j["style"].get<std::string>()), CheckStyle::Uk);
  EXPECT_EQ(ParseCheckStyle("UK"), std::nullopt);
  EXPECT_EQ(j["summary"].dump(),
            R"({"across":7,"down":4,"lengths":{"2":4,"5":7},"meanLength":3.91,"squares":25,"blocks":2,)"
            R"("blockPercent":8.0,"bars":0,"letters":43,"checkedLetters":40,"checkedPercent":93.0})");
  EXPECT_EQ(j["findings"][4].dump(),
            R"({"rule":"solution","text":"1 open square has no letter: 5,5","squares":[[5,5]]})");
  EXPECT_EQ(j["entries"][10].dump(),
            R"({"label":"4","number":4,"col":5,"row":1,"direction":"down","length":5,"checked":5,"unchecked":0,)"
            R"("longestUncheckedRun":0})");
}

// A title of single bytes reads as Latin-1; entries without a number have none.
TEST(CheckJson, UnnumberedEntriesAndALatin1Title) {
  Puzzle p = test::Decoded({"KVEN 0 5 5", "BLK 3 Z", "NN"});
  p.Title = "Caf\xe9";
  const nlohmann::ordered_json j = CheckReportJson(CheckDiagram(p));
  EXPECT_EQ(j["title"], "Caf\xc3\xa9");
  EXPECT_EQ(j["entries"][1].dump().substr(0, 29), R"({"label":"4,1","number":null,)");
}

}  // namespace
}  // namespace kven
