#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "text/text_lines.h"

class QImage;
class QWidget;

namespace kven {

class Dialogs;

// Texts and pictures in and out of the program: the file dialogs, reading
// and writing files, and the clipboard. It knows nothing of puzzles. Every
// failure is reported to the user here, with the file's name.
class Transfer {
 public:
  Transfer(QWidget& window, Dialogs& dialogs) : window_(window), dialogs_(dialogs) {}

  // File > Open: asks for a file (proposing the one opened last) and reads
  // it whole. None when the user cancels or the file cannot be read.
  std::optional<std::string> OpenTextFile();

  // Asks where to save, proposing `name` in the folder used last, with the
  // filter filters[filterIndex - 1] selected. An empty name when the user
  // cancels.
  QString AskSaveName(const QString& name, const QStringList& filters, int filterIndex);
  // Writes lines with CR LF after each, the picture as a BMP file, or bytes
  // as they are. A failed write leaves any earlier file as it was and is
  // reported.
  bool WriteText(const QString& name, const TextLineList& lines);
  bool WritePicture(const QString& name, const QImage& picture);
  bool WriteBytes(const QString& name, std::string_view bytes);

  // The clipboard: lines with CR LF after each, a picture, and the text it
  // holds (none when it holds no text, or more than a text may be, which is
  // reported).
  void CopyText(const TextLineList& lines);
  void CopyPicture(const QImage& picture);
  // A document in UTF-8 (an ipuz text), as it is.
  void CopyDocument(std::string_view utf8);
  std::optional<QString> PastedText() const;
  // A document that is no text (an Across Lite puzzle), under its own MIME
  // type, and what the clipboard holds of that type: none when nothing, or
  // more than a document may be (reported).
  void CopyBinary(const QString& mimeType, std::string_view bytes);
  std::optional<std::string> PastedBinary(const QString& mimeType) const;

 private:
  QString InLastFolder(const QString& name) const;
  void RememberFolder(const QString& fileName);
  void ReportCannotCreate(const QString& name);

  QWidget& window_;
  Dialogs& dialogs_;
  QString lastOpenName_;
  QString lastFolder_;
};

}  // namespace kven
