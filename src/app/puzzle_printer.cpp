#include "app/puzzle_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "render/canvas.h"
#include "render/puzzle_picture.h"

namespace kven {
namespace {

constexpr int NumberListPoints = 10;

void AppendEntries(QStringList& lines, const EntryList& entries) {
  for (int i = 1; i <= MaxEntries && entries[static_cast<std::size_t>(i)] > 0; ++i)
    lines << QString::number(entries[static_cast<std::size_t>(i)]);
}

QString StartFailure(const QPrinter& printer) {
  const QString file = printer.outputFileName();
  if (!file.isEmpty()) return FileMessage(message::CannotCreateFile, file);
  return QString(form_text::CannotStartPrintJob).arg(printer.printerName());
}

// Prints lines from the top-left corner of the printable area downward, one
// under the other at the font's line height, with a new page whenever the
// next line would not fit.
void WriteLines(QPrinter& printer, Canvas& canvas, const QStringList& lines) {
  const int lineHeight = canvas.LineHeight();
  const int pageHeight = canvas.ClipRect().Height();
  int y = 0;
  for (const QString& line : lines) {
    if (y > 0 && y + lineHeight > pageHeight) {
      if (!printer.newPage()) return;
      y = 0;
    }
    canvas.TextOut(0, y, line);
    y += lineHeight;
  }
}

}  // namespace

QStringList NumberListLines(const Puzzle& p) {
  QStringList lines{QString(), form_text::Across};
  AppendEntries(lines, p.AcrossNumbers);
  lines << form_text::Down;
  AppendEntries(lines, p.DownNumbers);
  return lines;
}

QString NumbersFileName(const QString& name) {
  const QFileInfo info(name);
  const QString suffix = info.suffix();
  const QString fileName = info.fileName();
  const QString stem = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
  QString numbered = stem + form_text::NumbersFileSuffix;
  if (!suffix.isEmpty()) numbered += QLatin1Char('.') + suffix;
  const qsizetype slash = name.size() - fileName.size();
  return name.left(slash) + numbered;
}

QString PrintPuzzle(QPrinter& printer, const Puzzle& p, int barWidth, bool numberList, const SquareStyles* styles) {
  Canvas canvas(printer.resolution());
  if (!canvas.Begin(&printer)) return StartFailure(printer);
  DrawPuzzlePicture(canvas, p, barWidth, PictureTarget::Printer, printer.width(), styles);
  canvas.End();
  if (!numberList) return QString();

  const QString pictureFile = printer.outputFileName();
  if (!pictureFile.isEmpty()) printer.setOutputFileName(NumbersFileName(pictureFile));
  QString error;
  canvas.SetFontSize(NumberListPoints);
  if (canvas.Begin(&printer)) {
    WriteLines(printer, canvas, NumberListLines(p));
    canvas.End();
  } else {
    error = StartFailure(printer);
  }
  if (!pictureFile.isEmpty()) printer.setOutputFileName(pictureFile);
  return error;
}

QString PrintPuzzlePages(QPrinter& printer, const PrintedPuzzle& printed, const PageOptions& options) {
  return DrawPuzzlePages(printer, printed, options).pages > 0 ? QString() : StartFailure(printer);
}

}  // namespace kven
