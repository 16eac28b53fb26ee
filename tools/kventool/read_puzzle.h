#pragma once

#include <string>

#include "formats/puzzle_text.h"
#include "model/puzzle.h"

namespace kven::tool {

// Reads a text as File > Open does: a fresh puzzle as New leaves it, then a
// KVEN text or an ipuz crossword. Never throws: a range error becomes a
// Stopped outcome with its message.
TextRead ReadAsOpen(std::string text, Puzzle& p);

// The decoded puzzle as one JSON object on one line (see DecodeJson), led by
// the "file" it came from when one is given.
std::string PuzzleJson(const Puzzle& p, const TextRead& read, const std::string& file = std::string());

}  // namespace kven::tool
