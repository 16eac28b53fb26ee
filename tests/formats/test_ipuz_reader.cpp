// Documents in the shapes other programs write import as the KVEN text of
// the same crossword; documents that cannot be imported say why; texts that
// are not ipuz are left to the KVEN reader.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "formats/ipuz_document.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "formats/kven_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::ExpectSameAsKven;
using test::FromKvenText;

const std::string Head = R"("version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"], )";

// A 5 x 5 crossword with the given members after version, kind and dimensions.
std::string Doc(const std::string& members) {
  return "{" + Head + R"("dimensions": {"width": 5, "height": 5}, )" + members + "}";
}

// Two blocks in the middle column, numbered automatically.
const std::string Clasp = R"("puzzle": [[1, 2, 0, 3, 4], [5, 0, "#", 6, 0], [7, 0, 0, 0, 0], [8, 0, "#", 9, 0], [10, 0, 0, 0, 0]])";

struct ImportCase {
  const char* name;
  std::string document;
  const char* kven;  // the KVEN text of the expected puzzle
  int leftEmpty = 0;
};

TEST(ReadIpuz, ImportsTheShapesOtherProgramsWrite) {
  const ImportCase cases[] = {
      {"lower-case solution", Doc(Clasp + R"(, "solution": [["c","l","a","s","p"], ["r","o","#","h","e"],
          ["a","v","e","r","t"], ["n","e","#","e","a"], ["e","s","t","e","r"]])"),
       "KVEN 4 5 5\nBLK 8 Z\nANS\nCLASP\nRO.HE\nAVERT\nNE.EA\nESTER"},
      {"rebus, digits, symbols and block values in the solution are left empty and counted",
       Doc(Clasp + R"(, "solution": [["CL", "5", {"value": "a"}, "?", "P"], ["R", 7, "#", "", " "],
          [null, 0, "e", "R", "t"], ["N", "#", "#", "E", {"style": "x"}], ["\u00c9", true, [], "e", "r"]])"),
       "KVEN 4 5 5\nBLK 8 Z\nANS\n..A.P\nR..  \n..ERT\nN..E.\n...ER", 8},
      {"numeric strings that are the automatic numbers",
       Doc(R"("puzzle": [["1", "2", "0", "3", "4"], ["5", 0, "#", "6", 0], ["7", 0, 0, 0, 0],
          ["8", 0, "#", "9", 0], ["10", 0, 0, 0, 0]])"),
       "KVEN 4 5 5\nBLK 8 Z"},
      {"hand numbers, one of them written as text",
       Doc(R"("puzzle": [[1, 0, 2, 0, 999], [0, 0, "#", 0, 0], [3, 0, 0, 0, 0], [0, 0, "#", 0, 0], [0, 0, 0, 0, "12"]])"),
       "KVEN 4 5 5\nBLK 8 Z\nMN\n1 0 2 0 999\n0 0 0 0 0\n3 0 0 0 0\n0 0 0 0 0\n0 0 0 0 12"},
      {"hand numbers beyond 999, and numbers of blocks kept in the program's member",
       Doc(R"("puzzle": [[1000, 0, 0, 0, 0], [0, 0, "#", 0, 0], [2147483647, 0, 0, 0, 0], [0, 0, "#", 0, 0],
          [0, 0, 0, 0, 0]], "org.kven3.diagram": {"blockNumbers": [[3, 2, 7], [3, 4, 12345], [1, 1, 9], [9, 9, 9]]})"),
       "KVEN 4 5 5\nBLK 8 Z\nMN\n1000 0 0 0 0\n0 0 7 0 0\n2147483647 0 0 0 0\n0 0 12345 0 0\n0 0 0 0 0"},
      {"no numbers, a blank solution and a title outside Latin-1",
       Doc(R"("title": "Caf\u00e9 \u2615 na\u00efve\nline", "puzzle": [[0, 0, 0, 0, "#"], [0, 0, 0, 0, 0],
          [0, 0, 0, 0, 0], [0, 0, 0, 0, 0], ["#", 0, 0, 0, 0]], "solution": [[0, "", null, " ", "#"],
          [0, 0, 0, 0, 0], [0, 0, 0, 0, 0], [0, 0, 0, 0, 0], ["#", 0, 0, 0, 0]])"),
       "KVEN 2 5 5\nBLK 5 Z\nNN\nTTL Caf\xE9 ? na\xEFve line\nANS\n. . .\n.....\n.....\n.....\n....."},
      {"the document's own block and empty values, and # still a block",
       Doc(R"("block": "X", "empty": "-", "puzzle": [[1, 2, "-", 3, 4], [5, "-", "X", 6, "-"],
          [7, "-", "-", "-", "-"], [8, "-", "#", 9, "-"], [10, "-", "-", "-", "-"]],
          "solution": [["C", "-", "A", "-", "P"], ["-", "-", "X", "-", "-"], ["-", "-", "-", "-", "-"],
          ["-", "-", "X", "-", "-"], ["-", "-", "-", "-", "-"]])"),
       "KVEN 4 5 5\nBLK 8 Z\nANS\nC.A.P\n.....\n.....\n.....\n....."},
      {"the kind given as one string",
       R"({"version": "http://ipuz.org/v2", "kind": "http://ipuz.org/crossword#1", "dimensions": {"width": 5, "height": 5}, )" +
           Clasp + "}",
       "KVEN 4 5 5\nBLK 8 Z"},
      {"JSONP with a semicolon and blanks after it", "\xEF\xBB\xBF  ipuz(" + Doc(Clasp) + ");\r\n ",
       "KVEN 4 5 5\nBLK 8 Z"},
      {"named styles with T and L bars, as a library writes them, beside the barred kind",
       R"({"version": "http://ipuz.org/v1", "kind": ["https://libipuz.org/barred#1", "http://ipuz.org/crossword#1"],
          "dimensions": {"width": 5, "height": 5}, "styles": {"T": {"barred": "T"}, "L": {"barred": "L"}},
          "puzzle": [[1, 2, {"cell": 3, "style": "L"}, 4, 5], [6, 0, 0, 0, 0],
          [{"cell": 7, "style": "T"}, 0, 0, {"cell": 8, "style": "L"}, 0],
          [9, 0, 0, {"cell": 10, "style": "T"}, {"cell": 0, "style": "missing"}], [11, 0, 0, 0, 0]]})",
       "KVEN 0 5 5\nHBR 6 14 Z\nVBR 2 13 Z"},
      {"a bar declared from both sides, bars on the outer border, a cell without a number",
       Doc(R"("puzzle": [[{"cell": 0, "style": {"barred": "RT"}}, {"cell": 0, "style": {"barred": "L"}}, 0, 0, 0],
          [0, 0, {"cell": 0, "style": {"barred": "B"}}, 0, 0], [0, 0, {"style": {"barred": "T"}}, 0, 0],
          [0, 0, 0, 0, 0], [0, 0, 0, 0, {"cell": 0, "style": {"barred": "BR"}}]])"),
       "KVEN 0 5 5\nHBR 8 Z\nVBR 1 Z\nNN"},
      {"bars only on the outer border make a block diagram",
       Doc(R"("puzzle": [[{"cell": 0, "style": {"barred": "TL"}}, 0, 0, 0, 0], [0, 0, 0, 0, 0], [0, 0, 0, 0, 0],
          [0, 0, 0, 0, 0], [0, 0, 0, 0, {"cell": 0, "style": {"barred": "BR"}}]])"),
       "KVEN 4 5 5\nBLK Z\nNN"},
  };
  for (const ImportCase& c : cases) {
    const Import got = ReadIpuz(c.document);
    ASSERT_EQ(got.outcome, ImportOutcome::Imported) << c.name << ": " << got.message;
    EXPECT_EQ(got.message, "") << c.name;
    EXPECT_EQ(got.solutionCellsLeftEmpty, c.leftEmpty) << c.name;
    ExpectSameAsKven(got.puzzle, FromKvenText(c.kven), c.name);
  }
}

// Blocks and bars in one grid, numbered where entries start after either:
// 1 2 3 #b 4 / 5 . . .b . / 6 .r 7 8 . / 9 . . . . / . # 10 . . The bar rules
// alone would number the square left of the block in row 5 and not the one
// right of it. The bar below the block stays with it.
TEST(ReadIpuz, BlocksAndBarsTogetherMakeADiagramOfBothKinds) {
  const std::string document = Doc(R"("puzzle": [[1, 2, 3, {"cell": "#", "style": {"barred": "B"}}, 4], [5, 0, 0, {"cell": 0, "style": {"barred": "B"}}, 0],
      [6, {"cell": 0, "style": {"barred": "R"}}, 7, 8, 0], [9, 0, 0, 0, 0], [0, "#", 10, 0, 0]])");
  const Import got = ReadIpuz(document);
  ASSERT_EQ(got.outcome, ImportOutcome::Imported) << got.message;
  const Puzzle& p = got.puzzle;
  EXPECT_EQ(DiagramKindOf(p), DiagramKind::Both);
  EXPECT_EQ(test::SetSquares(p, p.Blocks), (std::vector<test::Square>{{4, 1}, {2, 5}}));
  EXPECT_EQ(test::SetSquares(p, p.HBars), (std::vector<test::Square>{{4, 1}, {4, 2}}));
  EXPECT_EQ(test::SetSquares(p, p.VBars), (std::vector<test::Square>{{2, 3}}));
  EXPECT_TRUE(p.AutoNumbered);
  EXPECT_EQ(p.Numbers(3, 5), 10);
  EXPECT_EQ(p.Numbers(1, 5), 0);
  EXPECT_EQ(std::vector<std::int32_t>(p.AcrossNumbers.begin() + 1, p.AcrossNumbers.begin() + 1 + p.AcrossCount),
            (std::vector<std::int32_t>{1, 5, 6, 7, 9, 10}));
  EXPECT_EQ(std::vector<std::int32_t>(p.DownNumbers.begin() + 1, p.DownNumbers.begin() + 1 + p.DownCount),
            (std::vector<std::int32_t>{1, 2, 3, 4, 8}));

  // Exported, it is the same grid, and it comes back as the same puzzle.
  const std::string exported = WriteIpuz(p);
  EXPECT_EQ(nlohmann::json::parse(exported)["puzzle"], nlohmann::json::parse(document)["puzzle"]);
  const Import back = ReadIpuz(exported);
  ASSERT_EQ(back.outcome, ImportOutcome::Imported) << back.message;
  EXPECT_TRUE(back.puzzle == p);
  EXPECT_EQ(WriteIpuz(back.puzzle), exported);
}

// Rows of a 5 x 5 or 6 x 5 picture: '#' a block, 'b' a bar below, 'r' a bar
// to the right, '.' an open square.
std::string Picture(std::initializer_list<std::string> rows) {
  std::string puzzle;
  for (const std::string& row : rows) {
    puzzle += puzzle.empty() ? "[" : ", [";
    for (std::size_t i = 0; i < row.size(); ++i) {
      puzzle += i == 0 ? "" : ", ";
      puzzle += row[i] == '#' ? "\"#\"" : row[i] == 'b' ? R"({"style": {"barred": "B"}})"
                                      : row[i] == 'r' ? R"({"style": {"barred": "R"}})" : "0";
    }
    puzzle += "]";
  }
  const auto width = std::to_string(rows.begin()->size());
  const auto height = std::to_string(rows.size());
  return "{" + Head + R"("dimensions": {"width": )" + width + R"(, "height": )" + height + R"(}, "puzzle": [)" +
         puzzle + "]}";
}

// The random round trips cover exact symmetries; these are the edge cases.
TEST(ReadIpuz, SymmetryIsTheStrongestTheDiagramHas) {
  const struct {
    const char* name;
    std::string document;
    int symmetry;
  } cases[] = {
      {"no marks", Picture({".....", ".....", ".....", ".....", "....."}), 4},
      {"blocks mirrored in both centre lines of an oblong", Picture({"#....#", "......", "......", "......", "#....#"}), 4},
      {"bars turned by half turns on a square grid", Picture({"b....", ".....", ".....", "....b", "....."}), 2},
      {"bars turned by quarter turns on a square grid", Picture({"b..r.", ".....", ".....", "....b", "r...."}), 4},
      {"bars mirrored in an oblong are twofold at most", Picture({"b....b", "......", "......", "b....b", "......"}), 2},
  };
  for (const auto& c : cases) {
    const Import got = ReadIpuz(c.document);
    ASSERT_EQ(got.outcome, ImportOutcome::Imported) << c.name << ": " << got.message;
    EXPECT_EQ(got.puzzle.Symmetry, c.symmetry) << c.name;
  }
}

TEST(ReadIpuz, TitleIsCutTo255Bytes) {
  const Import got = ReadIpuz(Doc(R"("title": ")" + std::string(300, 'x') + "\", " + Clasp));
  ASSERT_EQ(got.outcome, ImportOutcome::Imported);
  EXPECT_EQ(got.puzzle.Title, std::string(255, 'x'));
}

std::string Refusal(const std::string& reason) { return "Cannot import this ipuz puzzle: " + reason + "."; }

TEST(ReadIpuz, RefusesWhatItCannotImportAndSaysWhy) {
  const std::string row = R"([0, 0, 0, 0, 0])";
  const std::string rows4 = row + ", " + row + ", " + row + ", " + row;
  const auto withCell = [&](const std::string& cell) {
    return Doc(R"("puzzle": [[)" + cell + ", 0, 0, 0, 0], " + rows4 + "]");
  };
  const struct {
    std::string document;
    std::string reason;
  } cases[] = {
      {"{\"version\": \"http://ipuz.org/v2\",\n \"kind\": [}", "it is not valid JSON (line 2, column 11)"},
      {"ipuz(" + Doc(Clasp), "its ipuz( wrapper has no closing bracket"},
      {R"(ipuz({"title": "A crossword"}))", "it names no ipuz version or kind"},
      {"{\"version\": \"http://ipuz.org/v2\", \"x\": " + std::string(65, '[') + std::string(65, ']') + "}",
       "it is nested more than 64 levels deep"},
      {Doc(R"("x": ")" + std::string(MaxIpuzBytes, ' ') + "\""), "it is larger than 4 MiB"},
      {R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/sudoku#1", "http://ipuz.org/crosswords"]})",
       "it is not a crossword"},
      {R"({"version": "http://ipuz.org/v2", "kind": "http://ipuz.org/sudoku#1"})", "it is not a crossword"},
      {R"({"version": "http://ipuz.org/v2", "kind": {"crossword": 1}})", "its \"kind\" is not a list of puzzle kinds"},
      {"{" + Head + R"("puzzle": []})", "it has no \"dimensions\""},
      {"{" + Head + R"("dimensions": {"width": "5", "height": 5}})", "its width and height are not whole numbers"},
      {"{" + Head + R"("dimensions": {"width": 5, "height": 99999999999999999999}})",
       "its width and height are not whole numbers"},
      {"{" + Head + R"("dimensions": {"width": 4, "height": 31}})", "it is 4 x 31 squares; sizes must be 5 to 30"},
      {Doc(R"("puzzle": {})"), "its \"puzzle\" is not a list of rows"},
      {Doc(R"("puzzle": [)" + rows4 + "]"), "its \"puzzle\" has 4 rows, not 5"},
      {Doc(R"("puzzle": [)" + rows4 + ", [0, 0, 0, 0, 0, 0]]"), "row 5 of its \"puzzle\" has 6 cells, not 5"},
      {Doc(R"("puzzle": [)" + rows4 + ", \"00000\"]"), "row 5 of its \"puzzle\" is not a list"},
      {withCell("null"), "the square at row 1, column 1 is omitted (a null cell)"},
      {withCell(R"({"cell": null})"), "the square at row 1, column 1 is omitted (a null cell)"},
      {withCell(R"("A")"), "the cell at row 1, column 1 is not a clue number, a block or an empty square"},
      {withCell("1.5"), "the cell at row 1, column 1 is not a clue number, a block or an empty square"},
      {withCell(R"("-3")"), "the cell at row 1, column 1 is not a clue number, a block or an empty square"},
      {withCell(R"({"cell": [1]})"), "the cell at row 1, column 1 is not a clue number, a block or an empty square"},
      {withCell("2147483648"), "the clue number at row 1, column 1 is outside 0 to 2147483647"},
      {withCell("-1"), "the clue number at row 1, column 1 is outside 0 to 2147483647"},
      {withCell("18446744073709551615"), "the clue number at row 1, column 1 is outside 0 to 2147483647"},
      {Doc(R"("puzzle": [["#", 0, 0, 0, 0], )" + rows4 + R"(], "org.kven3.diagram": {"blockNumbers": [[1, 1, 2147483648]]})"),
       "the clue number at row 1, column 1 is outside 0 to 2147483647"},
      {withCell(R"({"cell": 1, "style": 5})"), "the style of the cell at row 1, column 1 is neither a style nor a name"},
      {withCell(R"({"cell": 1, "style": {"barred": 1}})"), "the bars of the cell at row 1, column 1 are not given as letters"},
      {Doc(R"("block": ["#"], )" + Clasp), "its \"block\" is neither text nor a number"},
      {Doc(R"("styles": [], )" + Clasp), "its \"styles\" is not a set of named styles"},
      {Doc(R"("title": 5, )" + Clasp), "its title is not text"},
      {Doc(Clasp + R"(, "solution": "CLASP")"), "its \"solution\" is not a list of rows"},
      {Doc(Clasp + R"(, "solution": [[], [], [], [], []])"), "row 1 of its \"solution\" has 0 cells, not 5"},
  };
  for (const auto& c : cases) {
    const Import got = ReadIpuz(c.document);
    EXPECT_EQ(got.outcome, ImportOutcome::Refused) << c.reason;
    EXPECT_EQ(got.message, Refusal(c.reason));
  }
}

TEST(ReadIpuz, LeavesTextsThatAreNotIpuzToTheKvenReader) {
  const std::string notIpuz[] = {
      "",
      " \r\n",
      "Dear Jo, the puzzle is attached.",
      "KVEN 2 5 5\r\nBLK 8 Z\r\n",
      "Read about the format at http://ipuz.org/ before you send {\"version\": \"http://ipuz.org/v2\"}",
      "ipuzzle(1)",
      "{}",
      R"({"version": "1.0", "kind": ["crossword"]})",
      R"({"note": "converted from http://ipuz.org", "kind": 5})",
      R"([{"version": "http://ipuz.org/v2"}])",
      "{\"unfinished\": ",
      "{\"x\": " + std::string(100, '['),
      "{\"x\": \"" + std::string(MaxIpuzBytes, ' ') + "\"}",
  };
  for (const std::string& text : notIpuz) {
    const Import got = ReadIpuz(text);
    EXPECT_EQ(got.outcome, ImportOutcome::NotRecognised) << text.substr(0, 80);
    EXPECT_EQ(got.message, "") << text.substr(0, 80);
  }
}

TEST(JsonNesting, CountsBracketsOutsideStrings) {
  const struct {
    std::string text;
    int depth;
  } cases[] = {
      {"", 0},      {"1", 0}, {"{}", 1}, {R"([[1], {"a": [2]}])", 3}, {R"({"a": "[[[{{"})", 1},
      {R"(["\"[["])", 1}, {"]]]][", 1}, {std::string(1000, '['), 11},
  };
  for (const auto& c : cases) EXPECT_EQ(JsonNesting(c.text, 10), c.depth) << c.text.substr(0, 40);
}

}  // namespace
}  // namespace kven
