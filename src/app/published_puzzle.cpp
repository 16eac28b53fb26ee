#include "app/published_puzzle.h"

namespace kven {

PrintedPuzzle PublishedPuzzle(const Puzzle& puzzle, const PuzzleClues& clues, const SquareStyles& styles) {
  return PrintedWithClues(puzzle, clues, styles);
}

bool HasSolutionToPrint(const Puzzle& puzzle) {
  if (!puzzle.HasSolution) return false;
  for (int row = 1; row <= puzzle.VSquares; ++row)
    for (int col = 1; col <= puzzle.HSquares; ++col) {
      const char ch = puzzle.Letters(col, row);
      if (puzzle.Blocks(col, row) == 0 && ch >= 'A' && ch <= 'Z') return true;
    }
  return false;
}

PageOptions PublishingOptions(const Puzzle& puzzle, const EditorState& editor, PrintedPages asked) {
  PageOptions options;
  options.barWidth = editor.BarWidth;
  options.pages = asked;
  if (asked == PrintedPages::PuzzleAndSolution && !HasSolutionToPrint(puzzle)) options.pages = PrintedPages::Puzzle;
  return options;
}

}  // namespace kven
