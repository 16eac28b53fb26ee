#pragma once

#include <utility>
#include <vector>

#include "model/puzzle.h"

namespace kven {

// The squares [col, row] of the entry the solution cursor stands in, read
// along its direction (across for left and right, down for up and down):
// the run of open squares through the cursor square that no block or bar
// cuts. None in a mode other than Solution, on a block or off the grid.
std::vector<std::pair<int, int>> CurrentEntry(const Puzzle& p, const EditorState& e);

}  // namespace kven
