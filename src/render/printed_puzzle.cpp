#include "render/printed_puzzle.h"

#include <algorithm>

#include "formats/clue_sections.h"
#include "model/messages.h"
#include "render/puzzle_page_texts.h"

namespace kven {

bool HasClueTexts(const PrintedPuzzle& printed) {
  return std::any_of(printed.lists.begin(), printed.lists.end(), [](const ClueSection& section) {
    return std::any_of(section.lines.begin(), section.lines.end(),
                       [](const ClueLine& line) { return !line.text.empty(); });
  });
}

PrintedPuzzle PrintedSkeleton(const Puzzle& puzzle) { return PrintedWithClues(puzzle, PuzzleClues{}); }

PrintedPuzzle PrintedWithClues(const Puzzle& puzzle, const PuzzleClues& clues, const SquareStyles& styles) {
  PrintedPuzzle printed;
  printed.puzzle = puzzle;
  printed.styles = styles;
  printed.title = UnicodeTitle(clues, puzzle);
  printed.author = clues.facts.author;
  printed.copyright = clues.facts.copyright;
  printed.notes = clues.facts.notes;
  printed.lists = ClueSections(clues, puzzle);
  return printed;
}

std::string SubmissionRefusal(const Puzzle& puzzle) {
  const int missing = SquaresWithoutLetter(DrawnDiagram(puzzle));
  return missing == 0 ? std::string() : message::Format(page_text::SubmissionNeedsSolution, std::to_string(missing));
}

}  // namespace kven
