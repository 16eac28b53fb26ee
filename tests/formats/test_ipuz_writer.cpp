// The exported document: its exact text for the examples, and the values
// other programs read from it.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "formats/ipuz_writer.h"
#include "formats/kven_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using Json = nlohmann::json;
using test::ExampleBars;
using test::ExampleBlocks;
using test::FromKvenText;
using test::ReadExample;

std::string ReadGolden(const std::string& name) {
  std::ifstream in(std::string(KVEN_TEST_DATA_DIR) + "/ipuz/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(WriteIpuz, ExamplesGiveTheirDocumentsExactly) {
  for (const char* name : {"block-twofold", "bar-fourfold", "manual-numbers"}) {
    const std::string want = ReadGolden(std::string(name) + ".ipuz");
    ASSERT_FALSE(want.empty()) << name;
    EXPECT_EQ(WriteIpuz(FromKvenText(ReadExample(std::string(name) + ".txt"))), want) << name;
  }
}

TEST(WriteIpuz, WritesWhatOtherProgramsRead) {
  Puzzle blocks = ExampleBlocks(2);  // unnumbered, blocks at [5,1] [2,2] [4,2] [2,4] [4,4] [1,5]
  blocks.Title = "Caf\xE9";
  test::SetLetters(blocks, {"AB.D ", "E.G.I", "  .  ", "P.R.T", "UVWXY"});
  blocks.HBars(1, 1) = 1;  // left over from a bar diagram: this one has no bars
  Puzzle bars = ExampleBars();
  bars.Blocks(3, 3) = 1;  // left over from a block diagram
  bars.ManualNumbered = true;
  bars.Numbers(1, 1) = 7;
  bars.Numbers(3, 1) = 12;
  bars.Numbers(1, 3) = 5;

  const Json b = Json::parse(WriteIpuz(blocks));
  EXPECT_EQ(b["title"], "Caf\u00e9");
  EXPECT_EQ(b["puzzle"][0], Json::parse(R"([0, 0, 0, 0, "#"])"));
  EXPECT_EQ(b["solution"][0], Json::parse(R"(["A", "B", 0, "D", "#"])"));
  EXPECT_EQ(b["solution"][2], Json::parse(R"(["", "", 0, "", ""])"));
  EXPECT_FALSE(b.contains("clues"));

  const Json r = Json::parse(WriteIpuz(bars));
  EXPECT_FALSE(r.contains("title"));
  EXPECT_FALSE(r.contains("solution"));
  EXPECT_EQ(r["puzzle"][0], Json::parse(R"([7, {"cell": 0, "style": {"barred": "R"}}, 12, 0, 0])"));
  EXPECT_EQ(r["puzzle"][1][0], Json::parse(R"({"cell": 0, "style": {"barred": "B"}})"));
  EXPECT_EQ(r["puzzle"][2], Json::parse(R"([5, 0, {"cell": 0, "style": {"barred": "R"}}, {"cell": 0, "style": {"barred": "B"}}, 0])"));
  // Entries start at [1,1] [3,1] [1,2] [1,3] [4,3] [1,4] [1,5] across and at [1..5,1] [1,3] [4,4] down;
  // the left-over block at [3,3] splits none of them. Entries without a number are left out.
  EXPECT_EQ(r["clues"], Json::parse(R"({"Across": [[7, ""], [12, ""], [5, ""]], "Down": [[7, ""], [12, ""], [5, ""]]})"));
}

}  // namespace
}  // namespace kven
