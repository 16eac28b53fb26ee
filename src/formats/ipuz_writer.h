#pragma once

#include <string>
#include <string_view>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

// The member of a document in which the program keeps what ipuz has no
// field for: whether an empty diagram is one of bars or of both kinds, the
// symmetry the diagram was built with, whether it was numbered
// automatically, by hand or not at all, and the hand numbers of blocks.
// Other programs ignore it.
inline constexpr std::string_view KvenIpuzExtension = "org.kven3.diagram";

// The puzzle as an ipuz crossword document (UTF-8 JSON, keys in a fixed
// order, one grid row per line, ending with a line break). Expects a puzzle
// within the model's limits. Only the marks of the puzzle's own diagram kind
// are written, as the KVEN writer does: blocks of a block diagram, bars of a
// bar diagram, both of a diagram of both kinds. A solution square without a
// letter is written as 0 (the document's "empty" value), one with the blank
// mark as "", so that both read as empty elsewhere and come back apart
// through ReadIpuz. Never fails.
std::string WriteIpuz(const Puzzle& p);
// The same with the puzzle's clues and facts: the Unicode title, author,
// copyright, notes and intro, every clue in the lists under its entry's
// number (see IpuzClueLists), and the clues no number places in the
// program's own member (KvenIpuzClues).
std::string WriteIpuz(const Puzzle& p, const PuzzleClues& clues);
// The same with the circles and shades of the open squares as cell styles:
// "shapebg": "circle", "color": "RRGGBB" for a shade of a colour of its
// own, "highlight": true for one in the program's grey.
std::string WriteIpuz(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles);

}  // namespace kven
