#pragma once

#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

// The puzzle as an Across Lite .puz file with every checksum right:
// version 1.3 with Latin-1 texts, or 2.0 with UTF-8 when a text holds a
// character beyond Latin-1; the blocks of the diagram (bars are not
// written: the caller refuses a bar diagram), the solution's letters ('-'
// for a square without one), the title, author, copyright and notes, a clue
// for every entry in the format's order (numbers as the grid gives them,
// across before down), texts without markup, an enumeration written after
// the text as "(3,4)", and the circled squares in a GEXT section (shading
// has no place). What the file leaves out that the document's losses do not
// name (the intro, markup, clues on no entry) and the UTF-8 text are told
// in `notes`, a sentence each. Never fails.
std::string WritePuz(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                     std::vector<std::string>& notes);

}  // namespace kven
