#include "app/form_publishing.h"

#include <QMainWindow>
#include <QPrinter>

#include "app/choice_dialog.h"
#include "app/dialogs.h"
#include "app/form_host.h"
#include "app/form_view.h"
#include "app/kven_form_texts.h"
#include "app/published_puzzle.h"
#include "app/puzzle_printer.h"
#include "app/qt_text.h"
#include "app/transfer.h"
#include "document/document.h"
#include "publish/web_page.h"
#include "render/puzzle_picture.h"

namespace kven {

namespace {

// A clause of the core's as a sentence of its own.
QString Sentence(std::string_view clause) {
  QString sentence = QString::fromUtf8(clause.data(), static_cast<qsizetype>(clause.size()));
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
  return sentence + QLatin1Char('.');
}

}  // namespace

FormPublishing::FormPublishing(FormHost& host, Dialogs& dialogs, Transfer& transfer)
    : host_(host), dialogs_(dialogs), transfer_(transfer) {}

FormPublishing::~FormPublishing() = default;

PrintedPuzzle FormPublishing::Published() const {
  const Document& doc = host_.document();
  return PublishedPuzzle(doc.puzzle(), doc.clues(), doc.styles());
}

std::optional<PrintedPages> FormPublishing::AskPages(const QString& caption) {
  if (!HasSolutionToPrint(host_.document().puzzle())) return PrintedPages::Puzzle;
  const std::optional<bool> withSolution =
      AskRemembered(dialogs_, &host_.window(), caption, form_text::WithSolutionPage, form_text::SolutionPageKey, false);
  if (!withSolution) return std::nullopt;
  return *withSolution ? PrintedPages::PuzzleAndSolution : PrintedPages::Puzzle;
}

void FormPublishing::ExportSvg() {
  const QString name = transfer_.AskSaveName(form_text::ProposedSvg, {form_text::FilterSvg}, 1);
  const Document& doc = host_.document();
  if (!name.isEmpty()) transfer_.WriteBytes(name, PuzzleSvg(doc.puzzle(), doc.editor().BarWidth, &doc.styles()));
}

void FormPublishing::ExportPdf() {
  const std::optional<PrintedPages> pages = AskPages(form_text::PdfCaption);
  if (!pages) return;
  const QString name = transfer_.AskSaveName(form_text::ProposedPdf, {form_text::FilterPdf}, 1);
  if (name.isEmpty()) return;
  const Document& doc = host_.document();
  WritePdf(name, PuzzlePdf(Published(), PaperForLocale(), PublishingOptions(doc.puzzle(), doc.editor(), *pages)));
}

void FormPublishing::WritePdf(const QString& name, const std::string& pdf) {
  if (pdf.empty()) dialogs_.showError(&host_.window(), FileMessage(message::CannotCreateFile, name));
  else transfer_.WriteBytes(name, pdf);
}

void FormPublishing::ExportSubmission() {
  const Document& doc = host_.document();
  // Made before the name is asked: a puzzle the copy cannot be made of is
  // refused at once.
  PageGeometry geometry;
  const std::string pdf = PuzzlePdf(Published(), PaperForLocale(),
                                    PublishingOptions(doc.puzzle(), doc.editor(), PrintedPages::Submission), &geometry);
  if (!geometry.refusal.empty()) {
    dialogs_.showError(&host_.window(), QString::fromStdString(geometry.refusal));
    return;
  }
  const QString name = transfer_.AskSaveName(form_text::ProposedSubmission, {form_text::FilterPdf}, 1);
  if (!name.isEmpty()) WritePdf(name, pdf);
}

void FormPublishing::ExportWebPage() {
  const Document& doc = host_.document();
  const bool full = HasFullSolution(doc.puzzle());
  WebPageOptions options;
  options.solution = false;
  if (full) {
    const std::optional<bool> answers = AskRemembered(dialogs_, &host_.window(), form_text::WebPageCaption,
                                                      form_text::WithAnswers, form_text::WebAnswersKey, true);
    if (!answers) return;
    options.solution = *answers;
  }
  const QString name = transfer_.AskSaveName(form_text::ProposedWebPage, {form_text::FilterWebPage}, 1);
  if (name.isEmpty() || !transfer_.WriteBytes(name, PuzzlePage(doc.puzzle(), doc.clues(), doc.styles(), options)))
    return;
  if (!full) dialogs_.showInformation(&host_.window(), Sentence(PageWithoutSolution));
}

void FormPublishing::Print() {
  const Document& doc = host_.document();
  // The finished puzzle's pages once it has clue texts to print; the
  // picture (and in Solution mode the number list) as ever before that.
  const PrintedPuzzle printed = Published();
  const bool pages = HasClueTexts(printed);
  std::optional<PrintedPages> asked = PrintedPages::Puzzle;
  if (pages) asked = AskPages(form_text::PrintCaption);
  if (!asked) return;
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!dialogs_.runPrintDialog(&host_.window(), *printer_)) return;
  host_.view().SetPrintJob(printer_.get());
  const QString error =
      pages ? PrintPuzzlePages(*printer_, printed, PublishingOptions(doc.puzzle(), doc.editor(), *asked))
            : PrintPuzzle(*printer_, doc.puzzle(), doc.editor().BarWidth,
                          doc.editor().EntryMode == EntryMode::Solution, &doc.styles());
  host_.view().SetPrintJob(nullptr);
  if (!error.isEmpty()) dialogs_.showError(&host_.window(), error);
}

}  // namespace kven
