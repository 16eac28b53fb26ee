// The clue rule: entries without a clue text once the puzzle is being
// clued, and enumerations that plainly do not fit their entries.
#include <gtest/gtest.h>

#include "check/check_clues.h"
#include "check/check_diagram.h"
#include "editing/numbering.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using Strings = std::vector<std::string>;

// The five-by-five blocked puzzle, numbered: 1 (4 letters), 4 (5), 5 (4)
// across; 1 (4), 2 (5), 3 (4) down.
Puzzle Numbered() {
  Puzzle p = test::ExampleBlocks(NoSymmetry);
  NullGridView view;
  AutoNumber(p, view);
  return p;
}

struct Given {
  EntryKey key;
  const char* text;
  const char* enumeration;
};

Strings ClueFindings(const Puzzle& p, std::initializer_list<Given> given) {
  PuzzleClues clues;
  for (const Given& g : given) {
    const std::size_t i = ClueFor(clues, g.key);
    clues.clues[i].text = g.text;
    clues.clues[i].enumeration = g.enumeration;
  }
  CheckReport report = CheckDiagram(p);
  AddClueFindings(report, clues);
  Strings texts;
  for (const Finding& f : report.findings)
    if (f.rule == CheckRule::Clue) texts.push_back(f.text);
  return texts;
}

constexpr auto Across = EntryDirection::Across;
constexpr auto Down = EntryDirection::Down;

TEST(ClueRule, NamesEntriesWithoutTextAndEnumerationsThatDoNotFit) {
  const Puzzle p = Numbered();
  const struct {
    const char* what;
    std::initializer_list<Given> given;
    Strings found;
  } cases[] = {
      {"enumerations alone, one of them wrong", {{{Across, 1, 1}, "", "2,3"}, {{Down, 3, 1}, "", "2-3"}},
       {"1 across has 4 letters but its enumeration (2,3) counts 5"}},
      {"a clued puzzle",
       {{{Across, 1, 1}, "Hold tight", "(2,3)"},
        {{Across, 1, 3}, "Ring", "5"},
        {{Down, 1, 1}, "", "two words"},
        {{Down, 3, 1}, "", "3-3"},
        {{Down, 5, 2}, "Rest", "4"}},
       {"1 across has 4 letters but its enumeration (2,3) counts 5", "5 across has no clue", "1 down has no clue",
        "2 down has no clue", "2 down has 5 letters but its enumeration (3-3) counts 6"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ClueFindings(p, c.given), c.found) << c.what;
}

}  // namespace
}  // namespace kven
