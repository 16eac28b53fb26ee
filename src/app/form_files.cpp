#include "app/form_files.h"

#include <QMainWindow>
#include <QStatusBar>

#include "app/dialogs.h"
#include "app/form_host.h"
#include "app/form_view.h"
#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "formats/format_messages.h"
#include "formats/puzzle_text.h"
#include "render/kven_grid.h"
#include "render/printed_puzzle.h"
#include "render/puzzle_picture.h"
#include "text/clue_list.h"
#include "text/encoder.h"

namespace kven {

namespace {

// Save as KVEN text offers the picture's filter beside its own, as ever.
QStringList SaveFilters(FileFormat format) {
  QStringList filters{FromLatin1(InfoOf(format).filter)};
  if (format == FileFormat::KvenText) filters << form_text::FilterBitmap;
  return filters;
}

// The status bar shows a note this long, in milliseconds.
constexpr int NoteShown = 10000;

}  // namespace

FormFiles::FormFiles(FormHost& host, Dialogs& dialogs)
    : host_(host), dialogs_(dialogs), transfer_(host.window(), dialogs) {
  // The status bar is there for the notes alone.
  QStatusBar* bar = host_.window().statusBar();
  QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
    if (message.isEmpty()) bar->hide();
  });
}

FormFiles::~FormFiles() = default;

bool FormFiles::MayDiscardWork() {
  if (!host_.document().IsModified()) return true;
  const FileFormat format = host_.document().SavingFormat();
  const QString question =
      QString(form_text::UnsavedQuestion).arg(QString::fromStdString(message::WithArticle(InfoOf(format).name)));
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
  const CopySaveAs choice = host_.view().CopySaveChoice();
  if (const std::optional<FileFormat> format = DocumentFormatOf(choice)) {
    SaveIn(*format);
    return;
  }
  if (choice == CopySaveAs::Grid) {
    BuildPicture();
    if (const QString name = transfer_.AskSaveName(form_text::ProposedBitmap, SaveFilters(FileFormat::KvenText), 2);
        !name.isEmpty())
      transfer_.WritePicture(name, image_);
    return;
  }
  if (const QString name = transfer_.AskSaveName(form_text::ProposedClues, SaveFilters(FileFormat::KvenText), 1);
      !name.isEmpty())
    transfer_.WriteText(name, BuildClueList(host_.document().puzzle()));
}

std::optional<Exported> FormFiles::Writable(FileFormat format) {
  const Document& doc = host_.document();
  if (format == FileFormat::KvenText) {
    // The encoder writes every diagram, also one a KVEN text cannot carry
    // whole; what it leaves out is told once.
    Exported text;
    text.bytes = JoinLinesCrLf(EncodeText(doc.puzzle()));
    return text;
  }
  Exported exported = ExportDocument(doc.content(), format);
  if (!exported.refused) return exported;
  dialogs_.showError(&host_.window(), QString::fromStdString(exported.message));
  return std::nullopt;
}

bool FormFiles::SaveIn(FileFormat format) {
  const std::optional<Exported> exported = Writable(format);
  if (!exported) return false;
  const QString name = transfer_.AskSaveName(FromLatin1(InfoOf(format).proposed), SaveFilters(format), 1);
  if (name.isEmpty() || !transfer_.WriteBytes(name, exported->bytes)) return false;
  Kept(format, exported->notes);
  return true;
}

void FormFiles::ExportIn(FileFormat format) { SaveIn(format); }

void FormFiles::Kept(FileFormat format, const std::vector<std::string>& notes) {
  host_.document().MarkKept(format);
  if (format == FileFormat::KvenText) {
    TellKvenTextLosses();
    return;
  }
  QStringList lines;
  for (const std::string& note : notes) lines << QString::fromStdString(note);
  if (!lines.isEmpty()) dialogs_.showInformation(&host_.window(), lines.join(QLatin1Char('\n')));
}

// --- Edit ---

void FormFiles::Copy() {
  Document& doc = host_.document();
  const auto copyText = [this](const TextLineList& lines) {
    memo_ = TextLines::FromLines(lines);
    transfer_.CopyText(lines);
  };
  const CopySaveAs choice = host_.view().CopySaveChoice();
  switch (choice) {
    case CopySaveAs::KvenText:
      copyText(EncodeText(doc.puzzle()));
      Kept(FileFormat::KvenText, {});
      return;
    case CopySaveAs::Grid:
      BuildPicture();
      transfer_.CopyPicture(image_);
      return;
    case CopySaveAs::ClueList:
      copyText(BuildClueList(doc.puzzle()));
      return;
    case CopySaveAs::Ipuz:
    case CopySaveAs::Puz:
    case CopySaveAs::Jpz:
    case CopySaveAs::Xd:
      break;
  }
  const FileFormat format = DocumentFormatOf(choice).value_or(FileFormat::Ipuz);
  const std::optional<Exported> exported = Writable(format);
  if (!exported) return;
  if (format == FileFormat::Puz) {
    transfer_.CopyBinary(form_text::PuzMimeType, exported->bytes);
  } else {
    memo_ = TextLines(exported->bytes);
    transfer_.CopyDocument(exported->bytes);
  }
  Kept(format, exported->notes);
}

void FormFiles::BuildPicture() {
  const Document& doc = host_.document();
  image_ = MakePuzzleBitmap(doc.puzzle(), doc.editor().BarWidth, &doc.styles());
}

void FormFiles::Paste() {
  if (const std::optional<QString> text = transfer_.PastedText()) {
    // A KVEN text is read as Latin-1, as ever; a document in another format is UTF-8.
    host_.Change(form_text::change::Paste, [&] {
      if (ReadText(ToLatin1(*text), false, text->toStdString())) host_.view().SetCopySaveChoice(CopySaveAs::Grid);
    });
    return;
  }
  if (std::optional<std::string> puz = transfer_.PastedBinary(form_text::PuzMimeType)) {
    host_.Change(form_text::change::Paste, [&] {
      if (ReadText(std::move(*puz), false)) host_.view().SetCopySaveChoice(CopySaveAs::Grid);
    });
  }
}

void FormFiles::TellKvenTextLosses() {
  const FormatLosses lost = host_.document().LossesIn(FileFormat::KvenText);
  if (!lost.Beyond(toldKvenLosses_).Any()) return;
  toldKvenLosses_ = toldKvenLosses_.With(lost);
  QStatusBar* bar = host_.window().statusBar();
  bar->show();
  bar->showMessage(QString(form_text::KvenTextLeavesOut).arg(FromLatin1(lost.Phrase())), NoteShown);
  // The bar takes room below the grid, which must stay whole.
  const Puzzle& p = host_.document().puzzle();
  host_.view().FitWindowToGrid(p.HSquares, p.VSquares);
}

}  // namespace kven
