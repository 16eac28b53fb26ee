// The summary, the text report and the JSON form, on diagrams worked out by hand.
#include <gtest/gtest.h>

#include "check/check_json.h"
#include "check/check_text.h"
#include "check_helpers.h"

namespace kven {
namespace {

using testing::Decode;
using testing::Lines;

// Blocks at 3,2 and 3,4: across 1, 7 and 10 have 5 letters with the middle
// one unchecked, the four others 2 letters; down 1..4 have 5, all checked.
const Lines ClaspText = {"KVEN 2 5 5", "BLK 8 Z", "TTL Clasp", "ANS", "CLASP", "RO.HE", "AVERT", "NE.EA", "ESTER"};

TEST(CheckSummary, CountsEntriesLettersAndBlocks) {
  const CheckSummary s = CheckDiagram(Decode(ClaspText)).summary;
  EXPECT_EQ(s.across, 7);
  EXPECT_EQ(s.down, 4);
  EXPECT_EQ(s.lengths[2], 4);
  EXPECT_EQ(s.lengths[5], 7);
  EXPECT_EQ(s.lengths[3] + s.lengths[4], 0);
  EXPECT_EQ(s.letters, 43);
  EXPECT_NEAR(s.MeanLength(), 43.0 / 11.0, 1e-9);
  EXPECT_EQ(s.squares, 25);
  EXPECT_EQ(s.blocks, 2);
  EXPECT_DOUBLE_EQ(s.BlockPercent(), 8.0);
  EXPECT_EQ(s.checkedLetters, 40);
  EXPECT_DOUBLE_EQ(s.CheckedPercent(), 93.0);
}

// The fourfold text lists two bars below and one right of a square; the
// reader completes them to six of each.
TEST(CheckSummary, CountsBars) {
  const CheckSummary s = CheckDiagram(Decode({"KVEN 4 6 6", "HBR 1 15 Z", "VBR 2 Z"})).summary;
  EXPECT_EQ(s.bars, 12);
  EXPECT_EQ(s.blocks, 0);
  EXPECT_EQ(s.letters, 2 * 4 + 3 * 12 + 6 * 4);
  EXPECT_EQ(s.lengths[2], 4);
  EXPECT_EQ(s.lengths[3], 12);
  EXPECT_EQ(s.lengths[6], 4);
}

TEST(CheckSummary, IsZeroWithoutEntries) {
  Puzzle p = Decode({"KVEN 0 5 5", "BLK Z", "NN"});
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) p.Blocks(c, r) = 1;
  const CheckReport report = CheckDiagram(p);
  EXPECT_EQ(report.summary.Entries(), 0);
  EXPECT_EQ(report.summary.MeanLength(), 0.0);
  EXPECT_EQ(report.summary.CheckedPercent(), 0.0);
  EXPECT_DOUBLE_EQ(report.summary.BlockPercent(), 100.0);
  EXPECT_TRUE(report.Passed());
}

TEST(CheckText, GoldenReport) {
  Puzzle p = Decode(ClaspText);
  p.Letters(5, 5) = '.';
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
  EXPECT_EQ(CheckReportLines(CheckDiagram(p)), want);
}

TEST(CheckText, HeadingNamesKindSymmetryAndStyle) {
  struct Case {
    Lines text;
    std::int32_t symmetry;
    CheckStyle style;
    std::string want;
  };
  const Case cases[] = {
      {{"KVEN 0 6 5", "HBR Z", "VBR Z", "NN"},
       4,
       CheckStyle::Automatic,
       "Check: 6 x 5 bar diagram, fourfold symmetry, barred style, minimum length 3"},
      {{"KVEN 0 5 7", "BLK Z", "NN"},
       0,
       CheckStyle::Us,
       "Check: 5 x 7 block diagram, no symmetry, us style, minimum length 3"},
      {{"KVEN 0 5 5", "BLK Z", "NN"},
       999,
       CheckStyle::None,
       "Check: 5 x 5 block diagram, symmetry 999 read as twofold, none style, minimum length 3"},
      {{"KVEN 0 5 5", "BLK Z", "NN"},
       -1,
       CheckStyle::Uk,
       "Check: 5 x 5 block diagram, symmetry -1 read as none, uk style, minimum length 3"},
  };
  for (const Case& c : cases) {
    Puzzle p = Decode(c.text);
    p.Symmetry = c.symmetry;
    CheckOptions o;
    o.style = c.style;
    EXPECT_EQ(CheckHeadingLine(CheckDiagram(p, o)), c.want);
  }
  Puzzle both = Decode({"KVEN 2 5 5", "BLK Z", "NN"});
  both.BarDiagram = true;
  EXPECT_EQ(CheckHeadingLine(CheckDiagram(both)),
            "Check: 5 x 5 diagram of blocks and bars, twofold symmetry, barred style, minimum length 3");
}

TEST(CheckText, PassingDiagramSaysSo) {
  const TextLineList lines = CheckReportLines(CheckDiagram(Decode({"KVEN 0 5 5", "BLK 5 21 Z"})));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[3], "Findings: none, every rule holds");
  EXPECT_EQ(lines[4], "Entry  dir  len  checked  unchecked  run");
}

// Lines never pass 255 characters; a cut line ends in "..." and only
// finding lines start with a lower-case rule name.
TEST(CheckText, LinesStayShort) {
  Puzzle p = Decode({"KVEN 0 30 30", "BLK Z", "MN"});  // manual numbering, all zero
  p.Title = std::string(255, 'T');
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c <= 30; ++c) p.Numbers(c, r) = -2147483647 - 1;
  const TextLineList lines = CheckReportLines(CheckDiagram(p));
  ASSERT_GT(lines.size(), 60u);
  EXPECT_EQ(lines[0].size(), 255u);
  EXPECT_EQ(lines[0].substr(250), "TT...");
  std::size_t findings = 0;
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), 255u);
    if (line[0] >= 'a' && line[0] <= 'z') {
      ++findings;
      EXPECT_EQ(line.rfind("numbering: ", 0), 0u) << line;
    }
  }
  // 900 squares hold the same number; all but the 59 in the top row and the left
  // column start no entry, and the number used 900 times makes one more line.
  EXPECT_EQ(findings, 841u + 1u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "-2147483648  A     30       30          0    0"), lines.end());
}

TEST(CheckJson, KeysInAFixedOrder) {
  Puzzle p = Decode(ClaspText);
  p.Letters(5, 5) = '.';
  const nlohmann::ordered_json j = CheckReportJson(CheckDiagram(p));
  std::vector<std::string> keys;
  for (const auto& item : j.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"title", "columns", "rows", "kind", "symmetry", "style", "minLength",
                                            "passed", "summary", "findings", "entries"}));
  EXPECT_EQ(j["title"], "Clasp");
  EXPECT_EQ(j["kind"], "block");
  EXPECT_EQ(j["style"], "uk");
  EXPECT_EQ(j["passed"], false);
  EXPECT_EQ(j["summary"].dump(),
            R"({"across":7,"down":4,"lengths":{"2":4,"5":7},"meanLength":3.91,"squares":25,"blocks":2,)"
            R"("blockPercent":8.0,"bars":0,"letters":43,"checkedLetters":40,"checkedPercent":93.0})");
  ASSERT_EQ(j["findings"].size(), 5u);
  EXPECT_EQ(j["findings"][4].dump(),
            R"({"rule":"solution","text":"1 open square has no letter: 5,5","squares":[[5,5]]})");
  EXPECT_EQ(j["findings"][0]["squares"].dump(), "[[1,2],[2,2]]");
  ASSERT_EQ(j["entries"].size(), 11u);
  EXPECT_EQ(j["entries"][10].dump(),
            R"({"label":"4","number":4,"col":5,"row":1,"direction":"down","length":5,"checked":5,"unchecked":0,)"
            R"("longestUncheckedRun":0})");
}

TEST(CheckJson, UnnumberedEntriesAndAForeignTitle) {
  Puzzle p = Decode({"KVEN 0 5 5", "BLK 3 Z", "NN"});
  p.Title = "Caf\xe9";
  const nlohmann::ordered_json j = CheckReportJson(CheckDiagram(p));
  EXPECT_EQ(j["title"].dump(), "\"Caf\xc3\xa9\"");
  EXPECT_TRUE(j["entries"][1]["number"].is_null());
  EXPECT_EQ(j["entries"][1]["label"], "4,1");
  nlohmann::ordered_json withFile{{"file", "a.txt"}};
  withFile.update(j);
  EXPECT_EQ(withFile.begin().key(), "file");
  EXPECT_EQ(withFile.size(), 12u);
}

TEST(CheckStyleNames, ReadBackAndRefuseOthers) {
  for (CheckStyle s : {CheckStyle::Automatic, CheckStyle::Us, CheckStyle::Uk, CheckStyle::Barred, CheckStyle::None})
    EXPECT_EQ(ParseCheckStyle(CheckStyleName(s)), s);
  EXPECT_EQ(ParseCheckStyle("barred"), CheckStyle::Barred);
  for (const char* bad : {"", "UK", "us ", "bar", "automatic2"}) EXPECT_EQ(ParseCheckStyle(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace kven
