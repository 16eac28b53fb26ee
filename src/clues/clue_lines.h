#pragma once

#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "text/text_lines.h"

namespace kven {

// One line of a printed or listed clue list, as plain values.
struct ClueLine {
  std::string number;       // "12"; "" for an entry whose square has no number
  std::string text;         // the clue as plain text (markup left out), UTF-8; "" for none yet
  std::string enumeration;  // "(5)", "(3,4)"
  bool operator==(const ClueLine&) const = default;
};

// The clues of one direction in clue-list order: one line for every entry
// of the diagram in that direction, in the reading order of first squares.
std::vector<ClueLine> OrderedClues(const PuzzleClues& clues, const Puzzle& p, EntryDirection direction);

// The clues with their texts, one a line, UTF-8: "1 Across. Setter's first
// clue (4)", across first, then down, then each clue without an entry led
// by "Without an entry: ".
TextLineList ClueTextLines(const PuzzleClues& clues, const Puzzle& p);

}  // namespace kven
