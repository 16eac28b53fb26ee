#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/numbering.h"
#include "support/test_puzzles.h"
#include "text/encoder.h"

namespace kven {
namespace {

using test::ExampleBars;
using test::ExampleBlocks;
using test::FreshPuzzle;
using test::SetLetters;
using Lines = std::vector<std::string>;

TEST(EncodeText, FiveByFiveBlocksNumberedAutomaticallyWithTitleAndSolution) {
  Puzzle p = ExampleBlocks(2);
  NullGridView view;
  AutoNumber(p, view);
  p.Title = "Example";
  SetLetters(p, {"STEM.", "E.N.A", "TOTAL", "S.E.S", ".TRIO"});
  EXPECT_EQ(EncodeText(p), (Lines{"KVEN   2   5   5", "BLK   5   7   9 Z", "TTL Example", "ANS", "STEM.", "E.N.A",
                                "TOTAL", "S.E.S", ".TRIO"}));
}

TEST(EncodeText, UnnumberedGetsNN) {
  Puzzle p = ExampleBlocks(2);
  p.Title = "Example";
  EXPECT_EQ(EncodeText(p), (Lines{"KVEN   2   5   5", "BLK   5   7   9 Z", "NN", "TTL Example"}));
}

TEST(EncodeText, FiveByFiveBarsWithManualNumbers) {
  Puzzle p = ExampleBars();
  NullGridView view;
  AutoNumber(p, view);
  p.AutoNumbered = false;
  p.ManualNumbered = true;
  p.Numbers(5, 1) = 0;
  EXPECT_EQ(EncodeText(p), (Lines{"KVEN   0   5   5", "HBR   6  14 Z", "VBR   2  13 Z", "MN", "   1   2   3   4   0",
                                "   6   0   0   0   0", "   7   0   0   8   0", "   9   0   0  10   0",
                                "  11   0   0   0   0"}));
}

TEST(EncodeText, LineBreaking) {
  struct Case {
    int count;
    Lines want;
  };
  const std::vector<Case> cases = {
      {20,
       {"BLK   2   5   8  11  14  17  20  23  26  29  32  35  38  41  44", "  47  50  53  56  59 Z"}},
      {15, {"BLK   2   5   8  11  14  17  20  23  26  29  32  35  38  41  44", " Z"}},
      {31,
       {"BLK   2   5   8  11  14  17  20  23  26  29  32  35  38  41  44",
        "  47  50  53  56  59  62  65  68  71  74  77  80  83  86  89  92", " Z"}},
      {0, {"BLK Z"}},
  };
  for (const Case& c : cases) {
    Puzzle p = FreshPuzzle(10, 10, 0);
    p.BlockDiagram = true;
    for (int i = 0; i < c.count; ++i) {
      const int n = 2 + 3 * i;
      p.Blocks((n - 1) % 10 + 1, (n - 1) / 10 + 1) = 1;
    }
    const Lines text = EncodeText(p);
    const Lines got(text.begin() + 1, text.end() - 1);  // less the header and "NN"
    EXPECT_EQ(got, c.want) << c.count << " blocks";
  }
}

TEST(EncodeText, EmptyDiagramAndBothKinds) {
  Puzzle p = FreshPuzzle(5, 5, 2);
  EXPECT_EQ(EncodeText(p), (Lines{"KVEN   2   5   5", "BLK Z", "NN"}));

  p.BlockDiagram = p.BarDiagram = true;
  p.Blocks(1, 1) = p.Blocks(5, 5) = 1;
  p.HBars(2, 1) = p.HBars(4, 4) = 1;
  EXPECT_EQ(EncodeText(p), (Lines{"KVEN   2   5   5", "BLK   1 Z", "HBR   2 Z", "VBR Z", "NN"}));
}

TEST(EncodeText, TitleCutTo251AndSolutionOfBlanks) {
  Puzzle p = FreshPuzzle(5, 5, 0);
  p.BlockDiagram = true;
  p.ManualNumbered = true;
  p.Title = std::string(254, 'T');
  p.Letters.Fill(' ');
  p.HasSolution = true;
  const Lines text = EncodeText(p);
  ASSERT_EQ(text.size(), 1u + 1 + 6 + 1 + 6);
  EXPECT_EQ(text[2], "MN");
  EXPECT_EQ(text[3], "   0   0   0   0   0");
  EXPECT_EQ(text[8], "TTL " + std::string(251, 'T'));
  EXPECT_EQ(text[9], "ANS");
  EXPECT_EQ(text[10], "     ");
}

TEST(EncodeText, ManualNumbersOutsideFieldsAreWrittenInFull) {
  Puzzle p = FreshPuzzle(5, 5, 0);
  p.BlockDiagram = true;
  p.ManualNumbered = true;
  p.Numbers(1, 1) = 12345;
  p.Numbers(2, 1) = -3;
  EXPECT_EQ(EncodeText(p)[3], "12345  -3   0   0   0");
}

struct RegionCase {
  int h, v, symmetry;
  Mark kind;
  std::vector<std::pair<int, int>> listed, unlisted;
};

TEST(IsListedSquare, Regions) {
  const std::vector<RegionCase> cases = {
      {12, 12, 0, Mark::Block, {{12, 12}, {1, 1}}, {}},
      {12, 12, 2, Mark::Block, {{12, 6}, {1, 1}}, {{1, 7}}},
      {12, 12, 2, Mark::VBar, {{11, 6}}, {{1, 7}}},
      {12, 12, 2, Mark::HBar, {{6, 6}, {12, 5}}, {{7, 6}, {1, 7}}},
      {13, 12, 2, Mark::HBar, {{7, 6}}, {{8, 6}}},
      {13, 13, 2, Mark::Block, {{13, 6}, {7, 7}}, {{8, 7}, {1, 8}}},
      {13, 13, 2, Mark::HBar, {{7, 7}}, {{8, 7}}},
      {13, 13, 2, Mark::VBar, {{6, 7}}, {{7, 7}}},
      {12, 13, 2, Mark::VBar, {{6, 7}}, {{7, 7}}},
      {13, 13, 4, Mark::Block, {{7, 7}, {1, 7}, {7, 1}}, {{8, 1}, {1, 8}}},
      {12, 12, 4, Mark::VBar, {{6, 6}}, {{7, 6}, {6, 7}}},
      {12, 12, 3, Mark::Block, {}, {{1, 1}}},
  };
  for (const RegionCase& c : cases) {
    const Puzzle p = FreshPuzzle(c.h, c.v, c.symmetry);
    for (auto [col, row] : c.listed)
      EXPECT_TRUE(IsListedSquare(p, c.kind, col, row)) << c.h << "x" << c.v << " sym " << c.symmetry << " [" << col << "," << row << "]";
    for (auto [col, row] : c.unlisted)
      EXPECT_FALSE(IsListedSquare(p, c.kind, col, row)) << c.h << "x" << c.v << " sym " << c.symmetry << " [" << col << "," << row << "]";
  }
}

// What the text of a diagram lists must read back as the diagram drawn.
// When the listed marks and their partners cannot give it, the text is
// written without symmetry and lists every mark; a symmetric diagram keeps
// its order and its listed region.
TEST(EncodeText, NoMarkIsLostBetweenTheDiagramAndItsText) {
  struct Case {
    const char* diagram;
    int h, v, symmetry;
    std::vector<MarkAt> marks;
    Lines want;  // the header and the lists
  };
  const Case cases[] = {
      {"a block drawn without symmetry, then twofold", 7, 7, Twofold, {{Mark::Block, 3, 7}},
       {"KVEN   0   7   7", "BLK  45 Z"}},
      {"twofold blocks, then fourfold", 12, 12, Fourfold, {{Mark::Block, 3, 2}, {Mark::Block, 10, 11}},
       {"KVEN   0  12  12", "BLK  15 130 Z"}},
      {"fourfold bars on a grid whose sides differ", 8, 6, Fourfold, {{Mark::HBar, 2, 1}, {Mark::HBar, 7, 5}},
       {"KVEN   0   8   6", "HBR   2  39 Z", "VBR Z"}},
      {"bars under an order without a region", 6, 6, 3, {{Mark::HBar, 1, 1}, {Mark::VBar, 1, 1}},
       {"KVEN   0   6   6", "HBR   1 Z", "VBR   1 Z"}},
      {"a twofold pair keeps its order", 7, 7, Twofold, {{Mark::Block, 3, 7}, {Mark::Block, 5, 1}},
       {"KVEN   2   7   7", "BLK   5 Z"}},
      {"fourfold bars of a square grid keep theirs", 12, 12, Fourfold,
       {{Mark::HBar, 2, 3}, {Mark::HBar, 11, 9}, {Mark::VBar, 9, 2}, {Mark::VBar, 3, 11}},
       {"KVEN   4  12  12", "HBR  26 Z", "VBR Z"}},
      {"an order without a region and no mark", 6, 6, 3, {}, {"KVEN   3   6   6", "BLK Z"}},
      {"fourfold bars of an oblong, whose quarter turns the reader adds", 28, 22, Fourfold,
       {{Mark::VBar, 4, 1}, {Mark::VBar, 24, 22}, {Mark::HBar, 22, 4}, {Mark::HBar, 1, 18}},
       {"KVEN   4  28  22", "HBR Z", "VBR   4 Z"}},
      {"a twofold pair of bars beside a bar on the bottom border", 5, 5, Twofold,
       {{Mark::HBar, 3, 5}, {Mark::HBar, 2, 1}, {Mark::HBar, 4, 4}},
       {"KVEN   0   5   5", "HBR   2  19  23 Z", "VBR Z"}},
      {"a fourfold bar right of the last column", 6, 6, Fourfold, {{Mark::VBar, 6, 2}},
       {"KVEN   0   6   6", "HBR Z", "VBR  12 Z"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.diagram);
    Puzzle p = FreshPuzzle(c.h, c.v, c.symmetry);
    for (const MarkAt& m : c.marks) {
      (m.kind == Mark::Block ? p.BlockDiagram : p.BarDiagram) = true;
      (m.kind == Mark::Block ? p.Blocks : m.kind == Mark::HBar ? p.HBars : p.VBars)(m.col, m.row) = 1;
    }
    const Lines text = EncodeText(p);
    EXPECT_EQ(Lines(text.begin(), text.end() - 1), c.want);
    const Puzzle back = test::Decoded(text);
    EXPECT_EQ(test::SetSquares(back, back.Blocks), test::SetSquares(p, p.Blocks));
    EXPECT_EQ(test::SetSquares(back, back.HBars), test::SetSquares(p, p.HBars));
    EXPECT_EQ(test::SetSquares(back, back.VBars), test::SetSquares(p, p.VBars));
  }
}

// The halves of a side follow the size itself, also for a puzzle given its
// size without a reset, as a program building one in memory does.
TEST(EncodeText, APuzzleSizedWithoutAResetListsItsHalf) {
  Puzzle p;
  p.HSquares = p.VSquares = 13;
  p.Symmetry = Twofold;
  p.BlockDiagram = true;
  p.Blocks(1, 1) = p.Blocks(13, 13) = 1;
  p.Blocks(6, 7) = p.Blocks(8, 7) = 1;
  EXPECT_EQ(EncodeText(p), (Lines{"KVEN   2  13  13", "BLK   1  84 Z", "NN"}));
}

}  // namespace
}  // namespace kven
