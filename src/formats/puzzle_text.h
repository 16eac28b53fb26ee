#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/import.h"
#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven {

// How a text read by Open or Paste turned out.
struct TextRead {
  enum class Outcome {
    Decoded,      // a KVEN text, read
    InvalidData,  // a KVEN text the reader stopped in, or no puzzle at all: reported
                  // through the view; what was read stays
    Imported,     // another program's crossword (ipuz...), shown as a KVEN text of it would show
    Refused,      // another program's document that cannot be imported: the puzzle is untouched
    Stopped,      // a range error ended the reading (only where a caller catches it); what was read stays
  };
  Outcome outcome = Outcome::Decoded;
  std::string message;        // why the text was not read whole; empty when it was
  int solutionLeftEmpty = 0;  // Imported: squares whose solution was not one letter
  PuzzleClues clues;          // Imported: the document's clues and facts; none for a KVEN text
  SquareStyles styles;        // Imported: circled and shaded squares; none for a KVEN text
  FileFormat format = FileFormat::KvenText;  // the format the text was read as
  std::vector<std::string> notes;            // Imported: what else the reader told, a sentence each

  bool Read() const { return outcome == Outcome::Decoded || outcome == Outcome::Imported; }
  // Whether the puzzle holds what was read, whole or in part: all but a refusal.
  bool Shown() const { return outcome != Outcome::Refused; }
  // What the import left out or found, for the user, a sentence a line;
  // empty when nothing.
  std::string Note() const;
};

// A text as Open and Paste take it, recognised before anything is read into
// the puzzle: a text with a line holding "KVEN" is a KVEN text, whatever
// else it holds; any other text may be a document of another program's
// format (ipuz...), recognised by its content and parsed here.
struct RecognisedText {
  Import import;  // NotRecognised for a KVEN text and for any other text

  // A document that cannot be imported: reading it leaves the puzzle
  // untouched and gives the refusal.
  bool Refused() const { return import.outcome == ImportOutcome::Refused; }
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

// Open's and Paste's rules in one place. The text is recognised first: an
// ipuz document that cannot be imported is refused before anything happens,
// the puzzle untouched. Any other text is taken: `start` runs (Open's New;
// nothing for Paste), the text moves into `kept` (the window's copy of it),
// and it is read from there into the puzzle. Throws RangeError as DecodeText
// does, with the text kept.
TextRead TakeText(TextLines text, std::optional<std::string_view> document, const std::function<void()>& start,
                  TextLines& kept, Puzzle& p, PuzzleView& view);

}  // namespace kven
