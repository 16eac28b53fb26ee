#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "editing/numbering.h"
#include "publish/digest.h"
#include "publish/page_data.h"
#include "publish/rich_text.h"
#include "publish/web_page.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using Json = nlohmann::ordered_json;

TEST(RichText, KeepsOnlyTheSmallSetOfTagsAsElements) {
  struct Case {
    const char* markup;
    const char* tree;
  };
  const Case cases[] = {
      {"", R"j([])j"},
      {"Plain words", R"j(["Plain words"])j"},
      {"Sum of the <i>whole</i> lot", R"j(["Sum of the ",["i","whole"]," lot"])j"},
      {"H<sub>2</sub>O &amp; x<sup>2</sup>", R"j(["H",["sub","2"],"O & x",["sup","2"]])j"},
      {"<em>slanted</em><strong>heavy</strong>", R"j([["i","slanted"],["b","heavy"]])j"},
      {"<I CLASS=\"x\">upper</I>", R"j([["i","upper"]])j"},
      {"<script>alert(1)</script>after", R"j(["alert(1)","after"])j"},
      {"<img src=x onerror=alert(1)>picture", R"j(["picture"])j"},
      {"<b>bold <i>both</b> plain", R"j([["b","bold ",["i","both"]]," plain"])j"},
      {"</i>stray close", R"j(["stray close"])j"},
      {"open <i>never closed", R"j(["open ",["i","never closed"]])j"},
      {"one<br/>two", R"j(["one",["br"],"two"])j"},
      {"a < b &lt;c&gt; &#233;", R"j(["a < b <c> \u00e9"])j"},
  };
  for (const Case& c : cases) EXPECT_EQ(RichTextJson(c.markup), Json::parse(c.tree)) << c.markup;
}

TEST(Digest, GivesTheStandardSha256) {
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Base64("abc"), "ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0=");
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

// The five-by-five blocked example, numbered, with a letter in every open square.
Puzzle SolvedBlocks(const std::vector<std::string>& rows) {
  Puzzle p = test::ExampleBlocks(Twofold);
  NullGridView view;
  AutoNumber(p, view);
  test::SetLetters(p, rows);
  return p;
}

const std::vector<std::string> BlockRows = {"ABCD.", "E.F.G", "HIJKL", "M.N.O", ".PQRS"};
const std::vector<std::string> OtherRows = {"ZYXW.", "V.U.T", "SRQPO", "N.M.L", ".KJIH"};

// The page's data as the player reads it.
Json DataOf(const std::string& page) {
  const std::string open = R"j(<script type="application/json" id="puzzle-data">)j";
  const auto start = page.find(open) + open.size();
  return Json::parse(page.substr(start, page.find("</script>", start) - start));
}

TEST(WebPage, WithoutTheSolutionNothingButTheDigestDependsOnTheLetters) {
  const WebPageOptions noSolution{false};
  const std::string first = PuzzlePage(SolvedBlocks(BlockRows), {}, {}, noSolution);
  const std::string second = PuzzlePage(SolvedBlocks(OtherRows), {}, {}, noSolution);
  const Json a = DataOf(first), b = DataOf(second);
  EXPECT_FALSE(a.contains("solution"));
  ASSERT_TRUE(a.contains("digest"));
  EXPECT_NE(a["digest"], b["digest"]);
  const auto digestAt = first.find(a["digest"].get<std::string>());
  ASSERT_NE(digestAt, std::string::npos);
  // Everything but the digest's 64 digits is the same page.
  EXPECT_EQ(first.substr(0, digestAt), second.substr(0, digestAt));
  EXPECT_EQ(first.substr(digestAt + 64), second.substr(digestAt + 64));
}

TEST(WebPage, CarriesTheSolutionOnlyWhenItIsWhole) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    bool solution;
    bool checkable;
  };
  const Case cases[] = {
      {"every square", BlockRows, true, true},
      {"a square without a letter", {"ABCD.", "E.F.G", "HI.KL", "M.N.O", ".PQRS"}, true, false},
      {"a blank", {"ABCD.", "E.F.G", "HI KL", "M.N.O", ".PQRS"}, true, false},
  };
  for (const Case& c : cases) {
    const Puzzle p = SolvedBlocks(c.rows);
    EXPECT_EQ(HasFullSolution(p), c.checkable) << c.what;
    const Json data = PageData(p, {}, {}, {c.solution});
    EXPECT_EQ(data.contains("solution"), c.checkable) << c.what;
    EXPECT_FALSE(data.contains("digest")) << c.what;
  }
  const Json whole = PageData(SolvedBlocks(BlockRows), {}, {}, {});
  EXPECT_EQ(whole["solution"], Json::parse(R"j(["ABCD#","E#F#G","HIJKL","M#N#O","#PQRS"])j"));
  EXPECT_EQ(whole["rows"], Json::parse(R"j(["....#",".#.#.",".....",".#.#.","#...."])j"));
}

TEST(WebPage, ListsBarsNumbersCirclesAndShading) {
  Puzzle bars = test::ExampleBars();
  NullGridView view;
  AutoNumber(bars, view);
  SquareStyles styles;
  styles(2, 3).circled = true;
  styles(1, 1).shaded = true;
  styles(4, 1).shaded = true;
  styles(4, 1).hasColour = true;
  styles(4, 1).colour = 0x00A0FF;
  const Json data = PageData(bars, {}, styles, {});
  EXPECT_EQ(data["kind"], "bars");
  EXPECT_EQ(data["bars"], Json::parse(R"j({"right": [[2, 1], [3, 3]], "below": [[1, 2], [4, 3]]})j"));
  EXPECT_EQ(data["circled"], Json::parse("[[2, 3]]"));
  EXPECT_EQ(data["shaded"], Json::parse(R"j([[1, 1, "#d9d9d9"], [4, 1, "#00a0ff"]])j"));
  EXPECT_EQ(data["numbers"][0], Json::parse("[1, 1, 1]"));
  // A style on a block has no square to show it on.
  Puzzle blocks = SolvedBlocks(BlockRows);
  SquareStyles onBlock;
  onBlock(5, 1).circled = true;
  EXPECT_EQ(PageData(blocks, {}, onBlock, {})["circled"], Json::array());
}

TEST(WebPage, GivesEachEntryItsClueAndEnumeration) {
  const Puzzle p = SolvedBlocks(BlockRows);
  PuzzleClues clues;
  const DiagramEntry first = DiagramEntries(p).front();
  const std::size_t clue = ClueFor(clues, KeyOf(first));
  SetClueText(clues, clue, "Hold <i>tight</i>");
  SetClueEnumeration(clues, clue, "2,2");
  clues.facts.author = "A. Setter";
  const Json data = PageData(p, clues, {}, {});
  const Json& entry = data["entries"][0];
  EXPECT_EQ(entry["label"], "1");
  EXPECT_EQ(entry["direction"], "across");
  EXPECT_EQ(entry["length"], first.length);
  EXPECT_EQ(entry["clue"], Json::parse(R"j(["Hold ",["i","tight"]])j"));
  EXPECT_EQ(entry["enumeration"], "(2,2)");
  EXPECT_EQ(data["entries"][1]["clue"], Json::array());
  EXPECT_EQ(data["author"], Json::parse(R"j(["A. Setter"])j"));
}

// An enumeration that ends a clue text is shown once, as the lists and the
// printed pages show it: off the text where plain text ends with it, left
// in the markup that holds it; other lists' clues and headings likewise.
TEST(WebPage, AnEnumerationEndingTheTextIsShownOnce) {
  const Puzzle p = SolvedBlocks(BlockRows);
  const DiagramEntry first = DiagramEntries(p).front();
  const struct {
    const char* text;
    const char* enumeration;  // as the clue gives it
    const char* clue;         // the rich text, as JSON
    const char* shown;
  } cases[] = {
      {"Go in (2-2)", "", R"j(["Go in"])j", "(2-2)"},
      {"Go in (2-2)", "4", R"j(["Go in"])j", "(2-2)"},
      {"<i>Tight</i> (4) ", "", R"j([["i","Tight"]])j", "(4)"},
      {"Trios <i>(4)</i>", "", R"j(["Trios ",["i","(4)"]])j", ""},
      {"Film (1997)", "", R"j(["Film (1997)"])j", "(4)"},
      {"Hold tight", "(2,2)", R"j(["Hold tight"])j", "(2,2)"},
  };
  for (const auto& c : cases) {
    PuzzleClues clues;
    const std::size_t clue = ClueFor(clues, KeyOf(first));
    SetClueText(clues, clue, c.text);
    clues.clues[clue].enumeration = c.enumeration;
    const Json data = PageData(p, clues, {}, {});
    const Json& entry = data["entries"][0];
    EXPECT_EQ(entry["clue"], Json::parse(c.clue)) << c.text;
    EXPECT_EQ(entry["enumeration"], c.shown) << c.text;
  }
  PuzzleClues other;
  other.acrossKey = "Across:";
  other.otherLists.push_back(
      {"Diagonal:Slants",
       R"j([[1, "Slope (5)"], {"number": "2", "clue": "Lean", "enumeration": "(4)"}, "Bare", [3]])j"});
  other.otherLists.push_back({"Inward", "[]"});
  const Json data = PageData(p, other, {}, {});
  EXPECT_EQ(data["across"], "Across");
  ASSERT_EQ(data["lists"].size(), 2u);
  EXPECT_EQ(data["lists"][0]["heading"], "Slants");
  EXPECT_EQ(data["lists"][1]["heading"], "Inward");
  EXPECT_EQ(data["lists"][0]["clues"], Json::parse(R"j([{"label": "1", "clue": ["Slope"], "enumeration": "(5)"},
                                                       {"label": "2", "clue": ["Lean"], "enumeration": "(4)"},
                                                       {"label": "", "clue": ["Bare"], "enumeration": ""}])j"));
}

TEST(WebPage, NoClueTextCanCloseItsScriptOrReachTheMarkup) {
  Puzzle p = SolvedBlocks(BlockRows);
  PuzzleClues clues;
  SetClueText(clues, ClueFor(clues, KeyOf(DiagramEntries(p).front())),
              "</script><script>alert(1)</script><!-- &");
  SetTitle(clues, p, "Tom &amp; Jerry <i>&lt;3</i>");
  const std::string page = PuzzlePage(p, clues, {});
  std::size_t scripts = 0;
  for (auto at = page.find("</script"); at != std::string::npos; at = page.find("</script", at + 1)) ++scripts;
  EXPECT_EQ(scripts, 2u);
  EXPECT_EQ(page.find("<!--"), std::string::npos);
  EXPECT_NE(page.find("<title>Tom &amp; Jerry &lt;3</title>"), std::string::npos);
  EXPECT_EQ(DataOf(page)["entries"][0]["clue"], Json::parse(R"j(["alert(1)","<!-- &"])j"));
}

TEST(WebPage, AllowsOnlyItsOwnScriptAndStyle) {
  const std::string page = PuzzlePage(SolvedBlocks(BlockRows), {}, {});
  const auto between = [&page](const std::string& open, const std::string& close) {
    const auto start = page.find(open) + open.size();
    return page.substr(start, page.find(close, start) - start);
  };
  const std::string policy = between("Content-Security-Policy\" content=\"", "\"");
  EXPECT_TRUE(policy.starts_with("default-src 'none';")) << policy;
  EXPECT_NE(policy.find("'sha256-" + Sha256Base64(between("<script type=\"module\">", "</script>")) + "'"),
            std::string::npos);
  EXPECT_NE(policy.find("'sha256-" + Sha256Base64(between("<style>", "</style>")) + "'"), std::string::npos);
  for (const char* outside : {"http:", "https:", "src=", "href=", "@import", "url("})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
}

}  // namespace
}  // namespace kven
