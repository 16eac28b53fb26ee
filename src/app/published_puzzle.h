#pragma once

#include "model/editor_state.h"
#include "model/puzzle.h"
#include "model/square_styles.h"
#include "render/printed_puzzle.h"
#include "render/puzzle_page.h"

namespace kven {

// The finished puzzle that File > Export as PDF... writes and File >
// Print... prints when it has clue texts: the diagram, its facts, every
// clue list and the squares' styles.
PrintedPuzzle PublishedPuzzle(const Puzzle& puzzle, const PuzzleClues& clues, const SquareStyles& styles = {});

// Whether the puzzle holds a solution to print: letters, not blank marks
// alone.
bool HasSolutionToPrint(const Puzzle& puzzle);

// The pages' options from the window: the screen's bar width and the pages
// asked for. A solution page is made only when it is asked for and the
// puzzle holds a solution to show.
PageOptions PublishingOptions(const Puzzle& puzzle, const EditorState& editor,
                              PrintedPages asked = PrintedPages::Puzzle);

}  // namespace kven
