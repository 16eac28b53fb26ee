#include "render/printed_puzzle.h"

#include <algorithm>

#include "model/entries.h"
#include "text/latin1.h"

namespace kven {

bool HasClueTexts(const PrintedPuzzle& printed) {
  const auto hasText = [](const PrintedClue& clue) { return !clue.text.empty(); };
  return std::any_of(printed.across.begin(), printed.across.end(), hasText) ||
         std::any_of(printed.down.begin(), printed.down.end(), hasText);
}

PrintedPuzzle PrintedSkeleton(const Puzzle& puzzle) {
  PrintedPuzzle printed;
  printed.puzzle = puzzle;
  printed.title = Latin1ToUtf8(puzzle.Title);
  const bool numbered = IsNumbered(puzzle);
  for (const DiagramEntry& entry : DiagramEntries(puzzle)) {
    const std::int32_t number = puzzle.Numbers(entry.col, entry.row);
    PrintedClue clue;
    if (numbered && number > 0) clue.number = std::to_string(number);
    clue.enumeration = "(" + std::to_string(entry.length) + ")";
    (entry.direction == EntryDirection::Across ? printed.across : printed.down).push_back(std::move(clue));
  }
  return printed;
}

}  // namespace kven
