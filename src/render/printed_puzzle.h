#pragma once

#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"

namespace kven {

// A clue as it is printed. All texts are UTF-8; `text` may hold small HTML
// markup (<i>, <b>, entities), which is printed as plain text.
struct PrintedClue {
  std::string number;       // "1"; empty when the diagram is not numbered
  std::string text;         // the clue itself; may be empty
  std::string enumeration;  // "(5)", "(3,4)"; may be empty
};

// The finished puzzle: the diagram with its facts and clues, everything the
// printed page and the PDF show. The diagram's own Title is not used: the
// UTF-8 `title` is printed instead.
struct PrintedPuzzle {
  Puzzle puzzle;
  std::string title, author, copyright, notes;
  std::vector<PrintedClue> across, down;
};

// True when some clue has a text to print: a puzzle whose clues are all
// empty is printed as the picture alone.
bool HasClueTexts(const PrintedPuzzle& printed);

// The puzzle with an empty clue for every entry of its diagram, numbered
// with the number on the entry's first square and enumerated by its length
// ("(5)"), and its single-byte title as UTF-8.
PrintedPuzzle PrintedSkeleton(const Puzzle& puzzle);

// The same with the puzzle's clues, in clue-list order, and its facts; the
// title keeps the characters beyond a single byte that the clues carry.
PrintedPuzzle PrintedWithClues(const Puzzle& puzzle, const PuzzleClues& clues);

}  // namespace kven
