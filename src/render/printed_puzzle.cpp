#include "render/printed_puzzle.h"

#include <algorithm>

#include "clues/clue_lines.h"
#include "model/entries.h"
#include "text/latin1.h"

namespace kven {

bool HasClueTexts(const PrintedPuzzle& printed) {
  const auto hasText = [](const PrintedClue& clue) { return !clue.text.empty(); };
  return std::any_of(printed.across.begin(), printed.across.end(), hasText) ||
         std::any_of(printed.down.begin(), printed.down.end(), hasText);
}

PrintedPuzzle PrintedSkeleton(const Puzzle& puzzle) { return PrintedWithClues(puzzle, PuzzleClues{}); }

PrintedPuzzle PrintedWithClues(const Puzzle& puzzle, const PuzzleClues& clues) {
  PrintedPuzzle printed;
  printed.puzzle = puzzle;
  printed.title = UnicodeTitle(clues, puzzle);
  printed.author = clues.facts.author;
  printed.copyright = clues.facts.copyright;
  printed.notes = clues.facts.notes;
  for (const auto& [direction, list] :
       {std::pair{EntryDirection::Across, &printed.across}, std::pair{EntryDirection::Down, &printed.down}})
    for (ClueLine& line : OrderedClues(clues, puzzle, direction))
      list->push_back({std::move(line.number), std::move(line.text), std::move(line.enumeration)});
  return printed;
}

}  // namespace kven
