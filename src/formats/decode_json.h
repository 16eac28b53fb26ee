#pragma once

#include <nlohmann/json.hpp>

#include "formats/puzzle_text.h"
#include "model/puzzle.h"

namespace kven {

// A decoded puzzle as one JSON object with keys in a fixed order: valid,
// message (why the text was not read whole), note (what an import left
// out), then size, symmetry, kinds, flags, title, the blocks and bars as
// [col, row] pairs, numbers and letters by row, and the across and down
// entry lists. A refused text has no puzzle to show: its object ends after
// the note. A caller that wants a "file" key first writes:
// ordered_json j{{"file", name}}; j.update(DecodeJson(p, read));
nlohmann::ordered_json DecodeJson(const Puzzle& p, const TextRead& read);

}  // namespace kven
