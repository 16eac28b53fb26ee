#pragma once

#include "model/puzzle.h"

namespace kven {

enum class ListKind { Block, HBar, VBar };

// Whether a flagged square is written in its list, given Symmetry: the reader
// adds the partners of every listed square, so only one region is written.
bool IsListedSquare(const Puzzle& p, int col, int row, ListKind kind);

// Empties p.TextLines and writes the puzzle as KVEN text into it.
void EncodeText(Puzzle& p);

}  // namespace kven
