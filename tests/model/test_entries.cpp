#include <gtest/gtest.h>

#include <string>

#include "model/entries.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

// "A1,1/4" is an across entry of 4 from [1,1]; "D" a down entry.
std::string Entries(const Puzzle& p) {
  std::string out;
  for (const DiagramEntry& e : DiagramEntries(p)) {
    out += out.empty() ? "" : " ";
    out += (e.direction == EntryDirection::Across ? "A" : "D") + std::to_string(e.col) + "," +
           std::to_string(e.row) + "/" + std::to_string(e.length);
  }
  return out;
}

TEST(DiagramEntries, RunsBetweenBlocksBarsAndEdges) {
  EXPECT_EQ(Entries(test::ExampleBlocks(0)), "A1,1/4 A1,3/5 A2,5/4 D1,1/4 D3,1/5 D5,2/4");
  EXPECT_EQ(Entries(test::ExampleBars()),
            "A1,1/2 A3,1/3 A1,2/5 A1,3/3 A4,3/2 A1,4/5 A1,5/5 D1,1/2 D2,1/5 D3,1/5 D4,1/3 D5,1/5 D1,3/3 D4,4/2");
  // A square alone between blocks starts no entry; a bar on the border ends nothing.
  Puzzle p = test::FreshPuzzle(5, 5, NoSymmetry);
  for (int row = 1; row <= 5; ++row) p.Blocks(2, row) = 1;
  p.VBars(5, 1) = 1;
  EXPECT_EQ(Entries(p), "A3,1/3 A3,2/3 A3,3/3 A3,4/3 A3,5/3 D1,1/5 D3,1/5 D4,1/5 D5,1/5");
}

}  // namespace
}  // namespace kven
