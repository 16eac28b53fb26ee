#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "app/transfer.h"
#include "formats/file_format.h"
#include "text/text_lines.h"

class QPrinter;

namespace kven {

class Dialogs;
class FormHost;

// The main window's files and clipboard over its Document: New, Open, Save,
// the exports and printing, Copy and Paste, and the question before work
// would be lost, which the document's rules answer: it is asked only when
// the puzzle, its clues or facts changed since they were last kept, and it
// names the format Save would write. What Open and Paste read and Copy
// carries as text is kept as the memo; the picture Copy and Save as "Grid"
// build, as the image.
class FormFiles {
 public:
  FormFiles(FormHost& host, Dialogs& dialogs);
  ~FormFiles();

  // File > New, File > Open: after the question, one change for Undo each.
  void New();
  void Open();
  // The steps of New on the document and the window; Open takes them too.
  void StartNew();
  void Save();
  void ExportIpuz();
  void ExportSvg();
  void ExportPdf();
  void Print();
  void Copy();
  void Paste();

  // Whether the document may go: nothing unsaved, or the user saved it or
  // chose to discard it.
  bool MayDiscardWork();

  const TextLines& memo() const { return memo_; }
  const QImage& image() const { return image_; }

 private:
  // Reads a text that Open or Paste brought, kept as the memo; an ipuz
  // document that cannot be imported is refused before New (for Open) and
  // leaves the puzzle untouched. `document` is the text as UTF-8 when its
  // bytes are not (the clipboard's). False when nothing was read.
  bool ReadText(std::string text, bool startWithNew, std::optional<std::string> document = std::nullopt);
  // Asks for a name and writes the document in a format; false when
  // cancelled or not written.
  bool SaveIn(FileFormat format);
  // The format Save writes where work would otherwise be lost: one the
  // program writes.
  FileFormat SavingFormat() const;
  void BuildPicture();
  // Once a run: KVEN text has no room for the clues the puzzle has.
  void TellKvenTextHoldsNoClues();

  FormHost& host_;
  Dialogs& dialogs_;
  Transfer transfer_;
  TextLines memo_;
  QImage image_;
  std::unique_ptr<QPrinter> printer_;
  bool toldNoClues_ = false;
};

}  // namespace kven
