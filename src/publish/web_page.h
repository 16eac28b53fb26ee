#pragma once

#include <string>
#include <string_view>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"
#include "publish/page_data.h"

namespace kven {

// The puzzle as one self-contained web page a solver plays in a browser:
// the page's markup, style and player with the puzzle as JSON data inside
// (see PageData), UTF-8. It asks for nothing else: its Content-Security-Policy
// allows only its own style and script, by their hashes. Without
// options.solution no letter of the solution is in it.
std::string PuzzlePage(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                       const WebPageOptions& options = {});

// Told once about a page of a puzzle whose solution is missing or
// incomplete: the page cannot check a grid.
inline constexpr std::string_view PageWithoutSolution =
    "the solution is not complete: the page has no Check or Reveal and cannot tell a finished grid";

}  // namespace kven
