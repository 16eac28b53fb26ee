#include "app/form_files.h"

#include <QMainWindow>
#include <QPrinter>
#include <QStatusBar>

#include "app/clues_texts.h"
#include "app/dialogs.h"
#include "app/form_host.h"
#include "app/form_view.h"
#include "app/kven_form_texts.h"
#include "app/published_puzzle.h"
#include "app/puzzle_printer.h"
#include "app/qt_text.h"
#include "document/document.h"
#include "formats/ipuz_writer.h"
#include "formats/puzzle_text.h"
#include "render/kven_grid.h"
#include "render/puzzle_picture.h"
#include "text/clue_list.h"
#include "text/encoder.h"

namespace kven {

namespace {

// "a KVEN text", "an ipuz document": a format's name as the question says it.
QString WithArticle(std::string_view name) {
  const bool vowel = !name.empty() && QStringLiteral("aeiouAEIOU").contains(QLatin1Char(name.front()));
  return (vowel ? QStringLiteral("an ") : QStringLiteral("a ")) + FromLatin1(name);
}

// Save as KVEN text offers the picture's filter beside its own, as ever.
QStringList SaveFilters(FileFormat format) {
  QStringList filters{FromLatin1(InfoOf(format).filter)};
  if (format == FileFormat::KvenText) filters << form_text::FilterBitmap;
  return filters;
}

}  // namespace

FormFiles::FormFiles(FormHost& host, Dialogs& dialogs)
    : host_(host), dialogs_(dialogs), transfer_(host.window(), dialogs) {}

FormFiles::~FormFiles() = default;

bool FormFiles::MayDiscardWork() {
  if (!host_.document().IsModified()) return true;
  const FileFormat format = SavingFormat();
  const QString question = QString(form_text::UnsavedQuestion).arg(WithArticle(InfoOf(format).name));
  switch (dialogs_.askUnsavedChanges(&host_.window(), question)) {
    case UnsavedChoice::Save:
      return SaveIn(format);
    case UnsavedChoice::Discard:
      return true;
    case UnsavedChoice::Cancel:
      break;
  }
  return false;
}

FileFormat FormFiles::SavingFormat() const {
  const FileFormat format = host_.document().SavingFormat();
  // ipuz holds everything any format does.
  return format == FileFormat::KvenText ? format : FileFormat::Ipuz;
}

// --- File ---

void FormFiles::New() {
  if (!MayDiscardWork()) return;
  host_.Change(form_text::change::New, [&] { StartNew(); });
}

void FormFiles::StartNew() {
  FormView& view = host_.view();
  host_.document().New(view);
  memo_ = TextLines();
  view.SetCopySaveChoice(CopySaveAs::KvenText);
  view.CheckStartUpItems();
}

void FormFiles::Open() {
  if (!MayDiscardWork()) return;
  // The file is read before New, so a file that cannot be read leaves the
  // puzzle on screen as it was.
  std::optional<std::string> text = transfer_.OpenTextFile();
  if (!text) return;
  host_.Change(form_text::change::Open, [&] {
    if (!ReadText(std::move(*text), true)) return;
    host_.view().SetCopySaveChoice(CopySaveAs::Grid);
    Copy();
  });
}

bool FormFiles::ReadText(std::string text, bool startWithNew, std::optional<std::string> document) {
  Document& doc = host_.document();
  const Puzzle before = doc.puzzle();
  const TextRead read = TakeText(
      TextLines(std::move(text)), document, [&] { if (startWithNew) StartNew(); }, memo_, doc.puzzle(), host_.view());
  if (read.outcome == TextRead::Outcome::Refused) {
    dialogs_.showError(&host_.window(), FromLatin1(read.message));
    return false;
  }
  if (const std::string note = read.Note(); !note.empty()) dialogs_.showInformation(&host_.window(), FromLatin1(note));
  doc.TakeRead(read, before);
  // The title with every character, as the document now has it.
  host_.view().SetTitleField(doc.puzzle().Title);
  if (read.outcome == TextRead::Outcome::Imported && HasClueTexts(doc.clues())) host_.RevealClues();
  return true;
}

void FormFiles::Save() {
  switch (host_.view().CopySaveChoice()) {
    case CopySaveAs::KvenText:
      SaveIn(FileFormat::KvenText);
      break;
    case CopySaveAs::Grid:
      BuildPicture();
      if (const QString name = transfer_.AskSaveName(form_text::ProposedBitmap, SaveFilters(FileFormat::KvenText), 2);
          !name.isEmpty())
        transfer_.WritePicture(name, image_);
      break;
    case CopySaveAs::ClueList:
      if (const QString name = transfer_.AskSaveName(form_text::ProposedClues, SaveFilters(FileFormat::KvenText), 1);
          !name.isEmpty())
        transfer_.WriteText(name, BuildClueList(host_.document().puzzle()));
      break;
    case CopySaveAs::Ipuz:
      SaveIn(FileFormat::Ipuz);
      break;
  }
}

bool FormFiles::SaveIn(FileFormat format) {
  Document& doc = host_.document();
  const FormatInfo& info = InfoOf(format);
  const QString name = transfer_.AskSaveName(FromLatin1(info.proposed), SaveFilters(format), 1);
  if (name.isEmpty()) return false;
  const bool written = format == FileFormat::KvenText
                           ? transfer_.WriteText(name, EncodeText(doc.puzzle()))
                           : transfer_.WriteBytes(name, WriteIpuz(doc.puzzle(), doc.clues()));
  if (!written) return false;
  doc.MarkKept(format);
  if (format == FileFormat::KvenText) TellKvenTextHoldsNoClues();
  return true;
}

void FormFiles::ExportIpuz() { SaveIn(FileFormat::Ipuz); }

void FormFiles::ExportSvg() {
  const QString name = transfer_.AskSaveName(form_text::ProposedSvg, {form_text::FilterSvg}, 1);
  const Document& doc = host_.document();
  if (!name.isEmpty()) transfer_.WriteBytes(name, PuzzleSvg(doc.puzzle(), doc.editor().BarWidth));
}

void FormFiles::ExportPdf() {
  const QString name = transfer_.AskSaveName(form_text::ProposedPdf, {form_text::FilterPdf}, 1);
  if (name.isEmpty()) return;
  const Document& doc = host_.document();
  const std::string pdf = PuzzlePdf(PublishedPuzzle(doc.puzzle(), doc.clues()), PaperForLocale(),
                                    PublishingOptions(doc.puzzle(), doc.editor()));
  if (pdf.empty()) dialogs_.showError(&host_.window(), FileMessage(message::CannotCreateFile, name));
  else transfer_.WriteBytes(name, pdf);
}

void FormFiles::Print() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!dialogs_.runPrintDialog(&host_.window(), *printer_)) return;
  const Document& doc = host_.document();
  host_.view().SetPrintJob(printer_.get());
  // The finished puzzle's pages once it has clue texts to print; the
  // picture (and in Solution mode the number list) as ever before that.
  const PrintedPuzzle printed = PublishedPuzzle(doc.puzzle(), doc.clues());
  const QString error =
      HasClueTexts(printed)
          ? PrintPuzzlePages(*printer_, printed, PublishingOptions(doc.puzzle(), doc.editor()))
          : PrintPuzzle(*printer_, doc.puzzle(), doc.editor().BarWidth, doc.editor().EntryMode == EntryMode::Solution);
  host_.view().SetPrintJob(nullptr);
  if (!error.isEmpty()) dialogs_.showError(&host_.window(), error);
}

// --- Edit ---

void FormFiles::Copy() {
  Document& doc = host_.document();
  const auto copyText = [this](const TextLineList& lines) {
    memo_ = TextLines::FromLines(lines);
    transfer_.CopyText(lines);
  };
  switch (host_.view().CopySaveChoice()) {
    case CopySaveAs::KvenText:
      copyText(EncodeText(doc.puzzle()));
      doc.MarkKept(FileFormat::KvenText);
      TellKvenTextHoldsNoClues();
      break;
    case CopySaveAs::Grid:
      BuildPicture();
      transfer_.CopyPicture(image_);
      break;
    case CopySaveAs::ClueList:
      copyText(BuildClueList(doc.puzzle()));
      break;
    case CopySaveAs::Ipuz: {
      const std::string ipuz = WriteIpuz(doc.puzzle(), doc.clues());
      memo_ = TextLines(ipuz);
      transfer_.CopyDocument(ipuz);
      doc.MarkKept(FileFormat::Ipuz);
      break;
    }
  }
}

void FormFiles::BuildPicture() {
  image_ = MakePuzzleBitmap(host_.document().puzzle(), host_.document().editor().BarWidth);
}

void FormFiles::Paste() {
  const std::optional<QString> text = transfer_.PastedText();
  if (!text) return;
  // A KVEN text is read as Latin-1, as ever; an ipuz document is UTF-8.
  host_.Change(form_text::change::Paste, [&] {
    if (ReadText(ToLatin1(*text), false, text->toStdString())) host_.view().SetCopySaveChoice(CopySaveAs::Grid);
  });
}

void FormFiles::TellKvenTextHoldsNoClues() {
  if (toldNoClues_ || !HasClueTexts(host_.document().clues())) return;
  toldNoClues_ = true;
  QStatusBar* bar = host_.window().statusBar();
  bar->show();
  bar->showMessage(clues_text::KvenTextHasNoClues, 10000);
  // The bar takes room below the grid, which must stay whole.
  const Puzzle& p = host_.document().puzzle();
  host_.view().FitWindowToGrid(p.HSquares, p.VSquares);
  QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
    if (message.isEmpty()) bar->hide();
  });
}

}  // namespace kven
