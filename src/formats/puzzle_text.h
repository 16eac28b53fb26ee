#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/ipuz_reader.h"
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

// A text as Open and Paste take it, recognised before anything is read into
// the puzzle: a text with a line holding "KVEN" is a KVEN text, whatever
// else it holds; any other text may be an ipuz document, parsed here.
struct RecognisedText {
  IpuzImport ipuz;  // NotIpuz for a KVEN text and for any other text

  // An ipuz document that cannot be imported: reading it leaves the puzzle
  // untouched and gives the refusal.
  bool Refused() const { return ipuz.outcome == IpuzOutcome::Refused; }
};

// `document` is the text as UTF-8 where it differs from the text's own
// bytes: the clipboard gives KVEN text as Latin-1, an ipuz document as UTF-8.
RecognisedText RecogniseText(const TextLines& text, std::optional<std::string_view> document = std::nullopt);

// Reads a text, as recognised, into the puzzle. An ipuz crossword is imported
// through the same steps as a decode (the reset and its window steps, the
// menu checks, the title field, the numbers and letters drawn), so that the
// puzzle is the one the KVEN text of it would give. Throws RangeError as
// DecodeText does.
TextRead ReadPuzzleText(const TextLines& text, const RecognisedText& recognised, Puzzle& p, PuzzleView& view);

}  // namespace kven
