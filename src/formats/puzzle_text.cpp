#include "formats/puzzle_text.h"

#include <span>

#include "editing/numbering.h"
#include "formats/ipuz_reader.h"
#include "formats/jpz_reader.h"
#include "formats/puz_reader.h"
#include "formats/xd_reader.h"
#include "text/decoder.h"

namespace kven {

namespace {

// The steps of a decode, with the values of an imported puzzle. Like the
// reader, it leaves the numbering and solution flags of the puzzle before it
// as they were; only what the text carries sets them.
void ShowImported(const Puzzle& imported, Puzzle& p, PuzzleView& view) {
  GridView& grid = view.Grid();
  p.Symmetry = imported.Symmetry;
  if (IsKnownSymmetry(p.Symmetry)) view.CheckSymmetry(p.Symmetry);
  p.HSquares = imported.HSquares;
  p.VSquares = imported.VSquares;
  ResetPuzzle(p, view);
  p.BlockDiagram = imported.BlockDiagram;
  p.BarDiagram = imported.BarDiagram;
  p.Blocks = imported.Blocks;
  p.HBars = imported.HBars;
  p.VBars = imported.VBars;
  grid.InvalidateGrid();
  if (imported.ManualNumbered) {
    p.ManualNumbered = true;
    view.CheckManual();
    p.Numbers = imported.Numbers;
    for (int row = 1; row <= p.VSquares; ++row)
      for (int col = 1; col <= p.HSquares; ++col)
        if (p.Numbers(col, row) != 0) grid.PaintNumber(col, row, p.Numbers(col, row));
  } else if (imported.AutoNumbered) {
    AutoNumber(p, grid);
  }
  if (!imported.Title.empty()) {
    p.Title = imported.Title;
    view.SetTitleField(p.Title);
  }
  if (imported.HasSolution) {
    for (int row = 1; row <= p.VSquares; ++row)
      for (int col = 1; col <= p.HSquares; ++col)
        if (IsOpenSquare(p, col, row) && IsLetterOrBlank(imported.Letters(col, row)))
          PaintLetter(p, grid, col, row, imported.Letters(col, row));
  }
}

}  // namespace

namespace {

// The readers of other programs' formats, asked in turn; each recognises
// its own documents by their content and leaves any other text alone.
// Binary files are told by their bytes before any line is looked at: a
// clue of an Across Lite puzzle may well mention KVEN.
using Reader = Import (*)(std::string_view);
constexpr Reader BinaryReaders[] = {ReadPuz, ReadZippedJpz};
constexpr Reader TextReaders[] = {ReadIpuz, ReadJpz, ReadXd};

bool Ask(std::span<const Reader> readers, std::string_view document, Import& import) {
  for (const Reader read : readers) {
    import = read(document);
    if (import.outcome != ImportOutcome::NotRecognised) return true;
  }
  return false;
}

}  // namespace

RecognisedText RecogniseText(const TextLines& text, std::optional<std::string_view> document) {
  RecognisedText recognised;
  const std::string_view whole = document.value_or(text.Text());
  if (Ask(BinaryReaders, whole, recognised.import)) return recognised;
  if (text.FindLine(0, "KVEN")) {
    recognised.import = Import{};
    return recognised;
  }
  Ask(TextReaders, whole, recognised.import);
  return recognised;
}

TextRead ReadPuzzleText(const TextLines& text, const RecognisedText& recognised, Puzzle& p, PuzzleView& view) {
  TextRead read;
  const Import& import = recognised.import;
  switch (import.outcome) {
    case ImportOutcome::Imported:
      ShowImported(import.puzzle, p, view);
      read.outcome = TextRead::Outcome::Imported;
      read.format = import.format;
      read.solutionLeftEmpty = import.solutionCellsLeftEmpty;
      read.clues = import.clues;
      read.styles = import.styles;
      read.notes = import.notes;
      return read;
    case ImportOutcome::Refused:
      read.outcome = TextRead::Outcome::Refused;
      read.format = import.format;
      read.message = import.message;
      return read;
    case ImportOutcome::NotRecognised:
      break;
  }
  if (DecodeText(text, p, view) == DecodeResult::InvalidData) {
    read.outcome = TextRead::Outcome::InvalidData;
    read.message = message::InvalidData;
  }
  return read;
}

std::string TextRead::Note() const {
  std::string note;
  if (solutionLeftEmpty > 0) note = message::Format(message::SolutionLeftEmpty, std::to_string(solutionLeftEmpty));
  for (const std::string& line : notes) note += (note.empty() ? "" : "\n") + line;
  return note;
}

TextRead TakeText(TextLines text, std::optional<std::string_view> document, const std::function<void()>& start,
                  TextLines& kept, Puzzle& p, PuzzleView& view) {
  const RecognisedText recognised = RecogniseText(text, document);
  if (recognised.Refused()) {
    TextRead refused;
    refused.outcome = TextRead::Outcome::Refused;
    refused.format = recognised.import.format;
    refused.message = recognised.import.message;
    return refused;
  }
  start();
  kept = std::move(text);
  return ReadPuzzleText(kept, recognised, p, view);
}

}  // namespace kven
