#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "app/transfer.h"
#include "document/document.h"
#include "document/export.h"
#include "formats/file_format.h"
#include "text/text_lines.h"

namespace kven {

class Dialogs;
class FormHost;

// The main window's files and clipboard over its Document: New, Open, Save,
// the exports in the document formats, Copy and Paste, and the question
// before work would be lost, which the document's rules answer: it is asked
// only when the puzzle, its clues or facts changed since they were last
// kept, and it names the format Save would write. What Open and Paste read
// and Copy carries as text is kept as the memo; the picture Copy and Save as
// "Grid" build, as the image.
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
  // File > Export as ipuz, Across Lite, Crossword Compiler or xd.
  void ExportIn(FileFormat format);
  // Copy puts a text format on the clipboard as text, an Across Lite
  // puzzle under its own MIME type; Paste reads either.
  void Copy();
  void Paste();

  // Whether the document may go: nothing unsaved, or the user saved it or
  // chose to discard it.
  bool MayDiscardWork();

  const TextLines& memo() const { return memo_; }
  const QImage& image() const { return image_; }
  // The dialogs, files and clipboard, shared with the window's other
  // commands, so that every save dialog opens in the folder used last.
  Transfer& transfer() { return transfer_; }

 private:
  // Reads a text that Open or Paste brought, kept as the memo; an ipuz
  // document that cannot be imported is refused before New (for Open) and
  // leaves the puzzle untouched. `document` is the text as UTF-8 when its
  // bytes are not (the clipboard's). False when nothing was read.
  bool ReadText(std::string text, bool startWithNew, std::optional<std::string> document = std::nullopt);
  // The document in `format`, or the refusal, which is reported. A KVEN
  // text is what the encoder writes of any diagram.
  std::optional<Exported> Writable(FileFormat format);
  // Asks for a name and writes the document in a format; false when
  // refused, cancelled or not written.
  bool SaveIn(FileFormat format);
  // The document went out in `format`: it counts as kept, and the user
  // hears what it left out.
  void Kept(FileFormat format, const std::vector<std::string>& notes);
  void BuildPicture();
  // Once a run for each part of the document: a KVEN text has no room for it.
  void TellKvenTextLosses();

  FormHost& host_;
  Dialogs& dialogs_;
  Transfer transfer_;
  TextLines memo_;
  QImage image_;
  FormatLosses toldKvenLosses_;
};

}  // namespace kven
