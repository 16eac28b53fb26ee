#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

struct WebPageOptions {
  // Whether the page carries the answers (Check and Reveal); without them it
  // carries only a digest that tells a finished grid is right.
  bool solution = true;
};

// Whether every open square of the puzzle holds a letter A..Z: only such a
// solution can be checked against.
bool HasFullSolution(const Puzzle& p);

// What the page knows of the puzzle, as the data its player reads:
//   "id"        16 hex digits naming the diagram and title (never the letters),
//               the key of the solver's progress and the salt of "digest"
//   "width", "height", "kind" ("blocks" or "bars")
//   "rows"      one string a row, "#" a block and "." an open square
//   "bars"      {"right": [[col, row]...], "below": [...]}
//   "numbers"   [[col, row, number]...]
//   "circled"   [[col, row]...], "shaded" [[col, row, "#rrggbb"]...]
//   "title", "author", "copyright", "notes", "intro"   rich texts (RichTextJson)
//   "across", "down"   headings of the two lists
//   "entries"   in clue-list order: {"direction", "col", "row", "length",
//               "label" ("12", or "3,4" unnumbered), "clue" (rich), "enumeration" ("(5)")}
//   "lists"     other clue lists: [{"heading", "clues": [{"label", "clue", "enumeration"}]}]
//   "solution"  one string a row, "#" a block (only with the solution), or
//   "digest"    SolutionDigest (only without it, when there is a full solution)
// Neither of the last two when the puzzle has no full solution.
nlohmann::ordered_json PageData(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                                const WebPageOptions& options);

// The letters of the open squares in reading order, salted with the id:
// SHA-256 hex of id + ":" + letters. A page recomputes it from a full grid,
// and no single square's letter can be tried against it.
std::string SolutionDigest(const std::string& id, const std::string& letters);

}  // namespace kven
