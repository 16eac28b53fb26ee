#include "document/document.h"

#include "editing/numbering.h"
#include "formats/imported_diagram.h"
#include "text/latin1.h"

namespace kven {

namespace {

bool HasFacts(const PuzzleFacts& facts) {
  return !facts.author.empty() || !facts.copyright.empty() || !facts.notes.empty() || !facts.intro.empty();
}

bool HasClues(const PuzzleClues& clues) {
  for (const Clue& clue : clues.clues)
    if (!clue.text.empty() || !clue.enumeration.empty()) return true;
  return !clues.otherLists.empty();
}

// Whether the title holds a character that a single byte does not carry.
bool TitleBeyondSingleBytes(const DocumentContent& c) {
  return UnicodeTitle(c.clues, c.puzzle) != Latin1ToUtf8(c.puzzle.Title);
}

// Every part a format may lose, for the operations over all of them.
constexpr bool FormatLosses::*LossParts[] = {&FormatLosses::clues, &FormatLosses::facts, &FormatLosses::unicodeTitle,
                                             &FormatLosses::bars,  &FormatLosses::handNumbers,
                                             &FormatLosses::circles, &FormatLosses::shading};

}  // namespace

FormatLosses FormatLosses::Beyond(const FormatLosses& other) const {
  FormatLosses beyond;
  for (bool FormatLosses::*part : LossParts) beyond.*part = this->*part && !(other.*part);
  return beyond;
}

FormatLosses FormatLosses::With(const FormatLosses& other) const {
  FormatLosses with;
  for (bool FormatLosses::*part : LossParts) with.*part = this->*part || other.*part;
  return with;
}

std::string FormatLosses::Phrase() const {
  std::string phrase;
  const auto add = [&](bool lost, const char* what) {
    if (lost) phrase += (phrase.empty() ? "" : ", ") + std::string(what);
  };
  add(clues, "clues");
  add(facts, "author, copyright and notes");
  add(unicodeTitle, "the title's characters beyond Latin-1");
  add(bars, "bars");
  add(handNumbers, "numbers given by hand");
  add(circles, "circled squares");
  add(shading, "shaded squares");
  return phrase;
}

FormatLosses LossesOf(const DocumentContent& content, FileFormat format) {
  const FormatKeeps& keeps = InfoOf(format).keeps;
  const Puzzle& p = content.puzzle;
  FormatLosses lost;
  lost.clues = !keeps.clues && HasClues(content.clues);
  lost.facts = !keeps.facts && HasFacts(content.clues.facts);
  lost.unicodeTitle = !keeps.unicodeTitle && TitleBeyondSingleBytes(content);
  const Puzzle drawn = DrawnDiagram(p);
  bool bars = false;
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col) bars = bars || drawn.HBars(col, row) != 0 || drawn.VBars(col, row) != 0;
  // A text reads the bars of a diagram of both kinds as the line after its
  // blocks, and never as bars.
  lost.bars = (!keeps.bars && (bars || HasBarKind(DiagramKindOf(p)))) ||
              (!keeps.bothKinds && bars && DiagramKindOf(p) == DiagramKind::Both);
  lost.handNumbers = !keeps.handNumbers && !NumberedAsGridGives(p);
  lost.circles = !keeps.circles && AnyCircled(content.styles, p.HSquares, p.VSquares);
  lost.shading = !keeps.shading && AnyShaded(content.styles, p.HSquares, p.VSquares);
  return lost;
}

void Document::MarkKept(FileFormat format) {
  const FormatLosses lost = LossesIn(format);
  keptFormat_ = format;
  if (!lost.LosesDiagram()) kept_.puzzle = content_.puzzle;
  // A part is kept only whole: a clue list written without its texts is not.
  if (!lost.clues && !lost.facts && !lost.unicodeTitle) kept_.clues = content_.clues;
  if (!lost.circles && !lost.shading) kept_.styles = content_.styles;
}

FileFormat Document::SavingFormat() const {
  if (!LossesIn(keptFormat_).Any()) return keptFormat_;
  if (!LossesIn(FileFormat::KvenText).Any()) return FileFormat::KvenText;
  return FileFormat::Ipuz;
}

void Document::New(PuzzleView& view) {
  NewPuzzle(content_.puzzle, editor_, view);
  content_.clues = PuzzleClues{};
  content_.styles = SquareStyles{};
  keptFormat_ = FileFormat::KvenText;
  MarkAllKept();
}

bool Document::AfterEdit(const Puzzle& before, GridView& view) {
  Puzzle& p = content_.puzzle;
  if (p.HSquares != before.HSquares || p.VSquares != before.VSquares) content_.styles = SquareStyles{};
  // A block takes no mark, so a square that became one loses its own.
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (!IsOpenSquare(p, col, row)) content_.styles(col, row) = SquareStyle{};
  // Numbers worked out by the program follow the diagram; hand numbers are the setter's.
  if (!p.AutoNumbered || p.ManualNumbered) return false;
  if (p.Blocks == before.Blocks && p.HBars == before.HBars && p.VBars == before.VBars) return false;
  AutoNumber(p, view);
  return true;
}

bool Document::ToggleStyle(StyleMark mark, int col, int row) {
  if (!IsOpenSquare(content_.puzzle, col, row)) return false;
  ToggleStyleMark(content_.styles, mark, col, row);
  return true;
}

void Document::TakeRead(const TextRead& read, const Puzzle& before) {
  if (!read.Shown()) return;
  if (read.outcome == TextRead::Outcome::Imported) {
    content_.clues = read.clues;
    content_.styles = read.styles;
  } else if (!SameDiagram(before, content_.puzzle)) {
    // The clues, facts and styles were another puzzle's.
    content_.clues = PuzzleClues{};
    content_.styles = SquareStyles{};
  }
  MarkKept(read.format);
}

bool SameDiagram(const Puzzle& a, const Puzzle& b) {
  if (a.HSquares != b.HSquares || a.VSquares != b.VSquares) return false;
  const Puzzle da = DrawnDiagram(a);
  const Puzzle db = DrawnDiagram(b);
  return da.Blocks == db.Blocks && da.HBars == db.HBars && da.VBars == db.VBars;
}

}  // namespace kven
