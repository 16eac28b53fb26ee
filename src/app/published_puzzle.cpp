#include "app/published_puzzle.h"

namespace kven {

PrintedPuzzle PublishedPuzzle(const Puzzle& puzzle, const PuzzleClues& clues, const SquareStyles& styles) {
  return PrintedWithClues(puzzle, clues, styles);
}

PageOptions PublishingOptions(const Puzzle& puzzle, const EditorState& editor, PrintedPages asked) {
  PageOptions options;
  options.barWidth = editor.BarWidth;
  options.pages = asked;
  // Blank marks alone are no solution to publish.
  bool letters = false;
  for (int row = 1; row <= puzzle.VSquares && !letters; ++row)
    for (int col = 1; col <= puzzle.HSquares && !letters; ++col) {
      const char ch = puzzle.Letters(col, row);
      letters = puzzle.Blocks(col, row) == 0 && ch >= 'A' && ch <= 'Z';
    }
  if (asked == PrintedPages::PuzzleAndSolution && !(puzzle.HasSolution && letters)) options.pages = PrintedPages::Puzzle;
  return options;
}

}  // namespace kven
