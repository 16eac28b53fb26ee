#pragma once

#include "model/editor_state.h"
#include "model/puzzle.h"
#include "render/printed_puzzle.h"
#include "render/puzzle_page.h"

namespace kven {

// The finished puzzle that File > Export as PDF... writes and File >
// Print... prints when it has clue texts: the diagram, its facts and a clue
// for every entry.
PrintedPuzzle PublishedPuzzle(const Puzzle& puzzle, const PuzzleClues& clues);

// The pages' options from the window: the screen's bar width, and the
// solution page whenever the puzzle holds a solution.
PageOptions PublishingOptions(const Puzzle& puzzle, const EditorState& editor);

}  // namespace kven
