#include <gtest/gtest.h>

#include <string>

#include "editing/numbering.h"
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

// The five-by-five blocked example numbered: 1, 4 and 5 across, 1, 2 and 3 down.
Puzzle NumberedExample() {
  Puzzle p = test::ExampleBlocks(NoSymmetry);
  NullGridView view;
  AutoNumber(p, view);
  return p;
}

std::string Named(const Puzzle& p, const char* name) {
  const std::optional<DiagramEntry> e = EntryNamed(p, name);
  if (!e) return "none";
  return (e->direction == EntryDirection::Across ? "A" : "D") + std::to_string(e->col) + "," + std::to_string(e->row);
}

TEST(EntryNamed, ReadsEveryUsualSpelling) {
  const Puzzle p = NumberedExample();
  const struct {
    const char* name;
    const char* entry;
  } cases[] = {
      {"1 across", "A1,1"}, {"1a", "A1,1"},     {"4 ac", "A1,3"},   {"5 A", "A2,5"},     {"5a", "A2,5"},
      {"1 d", "D1,1"},      {"5 d", "none"},    {"2dn", "D3,1"},    {"3 DOWN", "D5,2"},  {"3,1 down", "D3,1"},
      {"1,3a", "A1,3"},     {" 3 d ", "D5,2"},  {"2 across", "none"}, {"99 across", "none"}, {"across", "none"},
      {"5", "none"},        {"5 x", "none"},    {"", "none"},
  };
  for (const auto& c : cases) EXPECT_EQ(Named(p, c.name), c.entry) << c.name;
}

TEST(EntryNamed, NamesAnUnnumberedEntryByItsFirstSquare) {
  const Puzzle p = test::ExampleBlocks(NoSymmetry);
  EXPECT_EQ(Named(p, "1 across"), "none");
  EXPECT_EQ(Named(p, "3,1 down"), "D3,1");
  const std::optional<DiagramEntry> e = EntryAt(p, 3, 4, EntryDirection::Down);
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(EntryName(p, *e), "3,1 down");
  EXPECT_EQ(EntryName(NumberedExample(), *e), "2 down");
}

TEST(EntryAt, FindsTheRunThroughASquare) {
  const Puzzle p = NumberedExample();
  const struct {
    int col, row;
    EntryDirection direction;
    const char* entry;  // "A1,3/5", or "none"
    int position;
  } cases[] = {
      {3, 3, EntryDirection::Down, "D3,1/5", 2},  {3, 3, EntryDirection::Across, "A1,3/5", 2},
      {5, 5, EntryDirection::Across, "A2,5/4", 3}, {2, 2, EntryDirection::Across, "none", -1},
      {3, 2, EntryDirection::Across, "none", -1}, {1, 5, EntryDirection::Down, "none", -1},
      {6, 1, EntryDirection::Across, "none", -1}, {0, 0, EntryDirection::Down, "none", -1},
  };
  for (const auto& c : cases) {
    const std::optional<DiagramEntry> e = EntryAt(p, c.col, c.row, c.direction);
    std::string got = "none";
    if (e) {
      got = (e->direction == EntryDirection::Across ? "A" : "D") + std::to_string(e->col) + "," +
            std::to_string(e->row) + "/" + std::to_string(e->length);
      EXPECT_EQ(PositionIn(*e, c.col, c.row), c.position) << got;
      EXPECT_EQ(EntrySquares(*e).size(), static_cast<std::size_t>(e->length));
      EXPECT_EQ(EntrySquares(*e)[static_cast<std::size_t>(c.position)], (Square{c.col, c.row}));
    }
    EXPECT_EQ(got, c.entry) << c.col << "," << c.row;
  }
  const DiagramEntry down{EntryDirection::Down, 3, 1, 5};
  EXPECT_EQ(PositionIn(down, 4, 3), -1);
  EXPECT_EQ(PositionIn(down, 3, 6), -1);
}

}  // namespace
}  // namespace kven
