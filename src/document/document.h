#pragma once

#include <string>
#include <vector>

#include "clues/puzzle_clues.h"
#include "formats/file_format.h"
#include "formats/puzzle_text.h"
#include "model/editor_state.h"
#include "model/puzzle.h"
#include "model/puzzle_view.h"
#include "model/square_styles.h"

namespace kven {

// What a document holds that a file can keep: the puzzle, its clues and
// facts, and the styles of its squares. Plain data: a copy is a snapshot.
struct DocumentContent {
  Puzzle puzzle;
  PuzzleClues clues;
  SquareStyles styles;
  bool operator==(const DocumentContent&) const = default;
};

// What writing a document in a format would leave out.
struct FormatLosses {
  bool clues = false;         // clue texts or enumerations
  bool facts = false;         // author, copyright, notes, intro
  bool unicodeTitle = false;  // characters of the title beyond a single byte
  bool bars = false;
  bool handNumbers = false;
  bool circles = false;
  bool shading = false;

  bool Any() const { return clues || facts || unicodeTitle || bars || handNumbers || circles || shading; }
  // Whether the format can hold the diagram itself: bars and hand numbers
  // are the diagram; a format without them must refuse it.
  bool LosesDiagram() const { return bars || handNumbers; }
  // "clues, circled squares": what is lost, for a message.
  std::string Phrase() const;
  // What this loses beyond what `other` loses.
  FormatLosses Beyond(const FormatLosses& other) const;
  // What this or `other` loses.
  FormatLosses With(const FormatLosses& other) const;
};

// What writing the content in `format` would leave out. Hand numbers are
// lost only where they differ from the numbers the grid gives.
FormatLosses LossesOf(const DocumentContent& content, FileFormat format);

// The one document the window edits, with no Qt in it: the content, the
// editor state that goes with it (cursor, entry mode, bar width), and what
// was last kept (saved, copied as a document or read), so that the window
// can ask whether work would be lost. The window's New, Open, Paste, Save
// and Exit ask it and never decide for it; undo steps are the window's.
class Document {
 public:
  Document() = default;

  Puzzle& puzzle() { return content_.puzzle; }
  const Puzzle& puzzle() const { return content_.puzzle; }
  PuzzleClues& clues() { return content_.clues; }
  const PuzzleClues& clues() const { return content_.clues; }
  SquareStyles& styles() { return content_.styles; }
  const SquareStyles& styles() const { return content_.styles; }
  DocumentContent& content() { return content_; }
  const DocumentContent& content() const { return content_; }
  EditorState& editor() { return editor_; }
  const EditorState& editor() const { return editor_; }

  // --- what was kept ---
  // Whether the content differs from what was last kept in some part:
  // work that New, Open or Exit would lose.
  bool IsModified() const { return !(content_ == kept_); }
  // The content was just written in (or read from) `format`: what the format
  // holds is kept; a part it could not hold still counts as changed.
  void MarkKept(FileFormat format);
  // Everything counts as kept, as after start-up and New.
  void MarkAllKept() { kept_ = content_; }
  // The format last kept in: read from or written to; KVEN text at first.
  FileFormat KeptFormat() const { return keptFormat_; }

  // What writing the content in `format` would leave out.
  FormatLosses LossesIn(FileFormat format) const { return LossesOf(content_, format); }
  // The format Save writes when work would otherwise be lost: the format
  // last kept in when it holds everything, else a KVEN text when that
  // holds everything, else an ipuz document, which holds all.
  FileFormat SavingFormat() const;

  // --- the title with every character ---
  // The title as the facts keep it while the puzzle's single-byte title is
  // still its own, else that title.
  std::string Title() const { return UnicodeTitle(content_.clues, content_.puzzle); }
  // Gives the facts the title with every character, and the puzzle its
  // single-byte form.
  void SetTitle(std::string utf8) { kven::SetTitle(content_.clues, content_.puzzle, std::move(utf8)); }

  // --- commands ---
  // File > New: the fresh puzzle, no clues, facts or styles; nothing to lose.
  void New(PuzzleView& view);
  // An edit led the diagram from `before`: numbers the program worked out
  // follow the diagram (numbered again, drawn on `view`); the squares of a
  // grid of another size lose their styles, as the reset cleared the rest,
  // and so does a square that became a block.
  // True when the diagram was numbered again.
  bool AfterEdit(const Puzzle& before, GridView& view);
  // Entry > Circle or Shade on square [col, row]: the mark goes on or off an
  // open square of the grid; a block or a square outside it takes none.
  // Marks follow no symmetry: a theme's circles are where the setter puts
  // them. False when nothing changed.
  bool ToggleStyle(StyleMark mark, int col, int row);
  // A text Open or Paste read into the puzzle, which held `before`.
  // Another program's document brings its own clues, facts and styles; a
  // KVEN text of the same diagram keeps those there were, one of another
  // diagram starts without them. What was read counts as kept in its
  // format. Does nothing for a refused text.
  void TakeRead(const TextRead& read, const Puzzle& before);

 private:
  DocumentContent content_;
  DocumentContent kept_;
  FileFormat keptFormat_ = FileFormat::KvenText;
  EditorState editor_;
};

// Whether two puzzles have the same diagram: size, and the blocks and bars
// they are drawn with.
bool SameDiagram(const Puzzle& a, const Puzzle& b);

}  // namespace kven
