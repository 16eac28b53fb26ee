#pragma once

#include <string>
#include <vector>

#include "clues/clue_lines.h"
#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

// Which pages are made.
enum class PrintedPages {
  Puzzle,             // the puzzle as it goes to a solver
  PuzzleAndSolution,  // the same and a page with the filled grid
  SolutionOnly,       // the page with the filled grid alone
  // The copy an editor asks for: the filled grid, then every clue beside
  // its entry's name and answer, with the author, the puzzle's facts and
  // the page's number at the top of every page. Refused for a puzzle
  // without its whole solution (SubmissionRefusal).
  Submission,
};

// The finished puzzle: the diagram with its facts and clues, everything the
// printed pages and the PDF show. The diagram's own Title is not used: the
// UTF-8 `title` is printed instead.
struct PrintedPuzzle {
  Puzzle puzzle;
  // The circled and shaded squares, drawn on every grid of the pages.
  SquareStyles styles;
  // UTF-8 as written, markup included; the pages print their plain text.
  std::string title, author, copyright, notes;
  // Every clue list in the order printed, clue texts already plain.
  std::vector<ClueSection> lists;
};

// True when some clue has a text to print: a puzzle whose clues are all
// empty is printed as the picture alone.
bool HasClueTexts(const PrintedPuzzle& printed);

// The puzzle with an empty clue for every entry of its diagram, numbered
// with the number on the entry's first square and enumerated by its length
// ("(5)"), and its single-byte title as UTF-8.
PrintedPuzzle PrintedSkeleton(const Puzzle& puzzle);

// The same with the puzzle's clues and facts: every list of them
// (ClueSections), the title with the characters beyond a single byte that
// the clues carry, and the squares' styles.
PrintedPuzzle PrintedWithClues(const Puzzle& puzzle, const PuzzleClues& clues, const SquareStyles& styles = {});

// Why the submission copy of the puzzle cannot be made: it shows every
// answer, so every open square of the drawn diagram needs a letter. Empty
// when it can be made.
std::string SubmissionRefusal(const Puzzle& puzzle);

}  // namespace kven
