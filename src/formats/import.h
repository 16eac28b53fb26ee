#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "formats/file_format.h"
#include "model/puzzle.h"
#include "model/square_styles.h"

namespace kven {

enum class ImportOutcome {
  NotRecognised,  // the text is none of the format's: another reader may take it
  Refused,        // a document of the format that cannot be imported: `message` says why
  Imported,       // `puzzle` holds the crossword
};

// What a reader of another program's format made of a whole file or
// clipboard text. An imported puzzle is what the KVEN text of the same
// diagram decodes to, with what the KVEN text cannot carry beside it.
struct Import {
  ImportOutcome outcome = ImportOutcome::NotRecognised;
  FileFormat format = FileFormat::Ipuz;
  std::string message;  // one sentence when Refused, "" otherwise
  Puzzle puzzle;        // meaningful when Imported
  // Open squares whose solution held something other than one letter or an
  // empty value (several letters, a digit, a symbol): left without a letter.
  int solutionCellsLeftEmpty = 0;
  // The clues and facts of the document, keyed by the entries of `puzzle`.
  PuzzleClues clues;
  SquareStyles styles;
  // Further things the user should know of the import, a sentence each
  // ("The file's checksums do not agree.").
  std::vector<std::string> notes;
};

// A refusal raised while a reader of `format` reads; `what()` is the whole
// message ("Cannot import this Across Lite puzzle: REASON.").
class ImportRefused : public std::runtime_error {
 public:
  ImportRefused(FileFormat format, const std::string& reason);
};

// What a reader returns for a document of its format it cannot import.
Import RefusedImport(FileFormat format, std::string message);

// Runs a reader of `format` and returns what it read, or the refusal of
// what it threw: an ImportRefused with its message, anything else (every
// length is checked before it is read, so this is the last line of
// defence) as a document that "could not be read".
Import GuardedImport(FileFormat format, const std::function<Import()>& read);

}  // namespace kven
