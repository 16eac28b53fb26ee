#pragma once

#include <string>

#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven {

// How a text read by Open or Paste turned out.
struct TextRead {
  enum class Outcome {
    Decoded,      // a KVEN text, read
    InvalidData,  // neither a KVEN text nor an ipuz document: reported through the view
    Imported,     // an ipuz crossword, shown as a KVEN text of it would show
    Refused,      // an ipuz document that cannot be imported: `message` says why; the puzzle is untouched
  };
  Outcome outcome = Outcome::Decoded;
  std::string message;
  int solutionLeftEmpty = 0;  // Imported: squares whose solution was not one letter

  bool Read() const { return outcome == Outcome::Decoded || outcome == Outcome::Imported; }
};

// Reads a text into the puzzle as Open and Paste read it. A text with a line
// holding "KVEN" is a KVEN text, whatever else it holds; any other text that
// is an ipuz crossword is imported through the same steps as a decode (the
// reset and its window steps, the menu checks, the title field, the numbers
// and letters drawn), so that the puzzle is the one the KVEN text of it
// would give. Throws RangeError as DecodeText does.
TextRead ReadPuzzleText(const TextLines& text, Puzzle& p, PuzzleView& view);

}  // namespace kven
