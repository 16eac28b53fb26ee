#pragma once

#include <string>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"

namespace kven::tool {

// How a text was read.
struct ReadOutcome {
  bool valid = true;
  std::string message;  // why it was refused; empty when valid
  std::string note;     // what an ipuz import left out, for the user; empty when nothing
};

// Reads a text as File > Open does: a fresh puzzle as New leaves it, then a
// KVEN text or an ipuz crossword. Never throws: a range error becomes the
// outcome's message.
ReadOutcome ReadAsOpen(std::string text, Puzzle& p);
// The same, with the clues and facts an ipuz crossword brings (none for a KVEN text).
ReadOutcome ReadAsOpen(std::string text, Puzzle& p, PuzzleClues& clues);

// The puzzle as one JSON object on one line: size, symmetry, kinds, flags,
// title, the blocks and bars as [col, row] pairs, numbers and letters by
// row, and the across and down entry lists; led by the "file" it came from
// when one is given.
std::string PuzzleJson(const Puzzle& p, const ReadOutcome& outcome, const std::string& file = std::string());

}  // namespace kven::tool
