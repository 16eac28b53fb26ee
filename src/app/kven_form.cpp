#include "app/kven_form.h"

#include <QAction>
#include <QMenu>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

#include "app/check_window.h"
#include "app/beside.h"
#include "app/clues_panel.h"
#include "app/clues_texts.h"
#include "app/dialogs.h"
#include "app/fill_panel.h"
#include "app/form_history.h"
#include "app/form_view.h"
#include "app/instr_form.h"
#include "app/kven_form_texts.h"
#include "app/published_puzzle.h"
#include "app/properties_dialog.h"
#include "app/puzzle_printer.h"
#include "app/qt_text.h"
#include "app/spin_button.h"
#include "app/text_page.h"
#include "app/transfer.h"
#include "app/window_fit.h"
#include "app/zoom.h"
#include "check/check_clues.h"
#include "editing/numbering.h"
#include "editing/solution_entry.h"
#include "editing/symmetry.h"
#include "formats/ipuz_writer.h"
#include "formats/puzzle_text.h"
#include "render/kven_grid.h"
#include "render/puzzle_picture.h"
#include "text/clue_list.h"
#include "text/encoder.h"

namespace kven {

KvenForm::KvenForm(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs) {
  setObjectName(QLatin1String("KvenForm"));
  setWindowTitle(form_text::Caption);
  setFont(WindowFont());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  controls_ = BuildFormControls(*this, puzzle_, editor_);
  menus_ = BuildFormMenus(*this);
  view_ = std::make_unique<FormView>(*this, controls_, menus_, dialogs_);
  transfer_ = std::make_unique<Transfer>(*this, dialogs_);
  history_ = std::make_unique<FormHistory>(*this, puzzle_, clues_, editor_, controls_, menus_, *view_);
  // The panel floats beside the window, which keeps its own size and layout.
  cluesPanel_ = new CluesPanel(this);
  addDockWidget(Qt::RightDockWidgetArea, cluesPanel_);
  cluesPanel_->setFloating(true);
  cluesPanel_->hide();
  QAction* miClues = cluesPanel_->toggleViewAction();
  miClues->setObjectName(QLatin1String("miClues"));
  miClues->setText(form_text::MenuClues);
  menus_.mnEntry->addAction(miClues);
  statusBar()->hide();
  ConnectCommands();
  resize(DesignedWindowSize);
}

KvenForm::~KvenForm() {
  // The grid reads the puzzle, so it goes first: the window's children would
  // otherwise outlive the members they point into.
  delete takeCentralWidget();
}

void KvenForm::ConnectCommands() {
  const auto on = [this](QAction* item, auto handler) { connect(item, &QAction::triggered, this, handler); };
  const FormMenus& m = menus_;
  on(m.miNew, [this] { Change(form_text::change::New, [&] { miNewClick(); }); });
  on(m.miOpen, &KvenForm::miOpenClick);
  on(m.miSave, &KvenForm::miSaveClick);
  on(m.miExportIpuz, &KvenForm::miExportIpuzClick);
  on(m.miExportSvg, &KvenForm::miExportSvgClick);
  on(m.miExportPdf, &KvenForm::miExportPdfClick);
  on(m.miPrint, &KvenForm::miPrintClick);
  on(m.miExit, &QWidget::close);
  on(m.miProperties, &KvenForm::miPropertiesClick);
  on(m.miUndo, [this] {
    if (history_->Undo()) ForgetFindings();
    ShowClues();
  });
  on(m.miRedo, [this] {
    if (history_->Redo()) ForgetFindings();
    ShowClues();
  });
  on(m.miCopy, &KvenForm::miCopyClick);
  on(m.miPaste, &KvenForm::miPasteClick);
  on(m.miClear, &KvenForm::miClearClick);
  on(m.miHbar, [this] { EnterBarMode(EntryMode::Hbar, menus_.miHbar); });
  on(m.miVbar, [this] { EnterBarMode(EntryMode::Vbar, menus_.miVbar); });
  on(m.miBlock, &KvenForm::miBlockClick);
  on(m.miAuto, &KvenForm::miAutoClick);
  on(m.miManual, &KvenForm::miManualClick);
  on(m.miLetter, &KvenForm::miLetterClick);
  on(m.miCheck, &KvenForm::miCheckClick);
  on(m.miFill, &KvenForm::miFillClick);
  on(m.miNone, [this] { ChooseSymmetry(NoSymmetry, menus_.miNone); });
  on(m.miTwo, [this] { ChooseSymmetry(Twofold, menus_.miTwo); });
  on(m.miFour, [this] { ChooseSymmetry(Fourfold, menus_.miFour); });
  on(m.miInstr, [this] {
    if (instrform_ != nullptr) dialogs_.execDialog(*instrform_);
  });
  on(m.miZoomIn, [this] { SetZoom(ZoomedIn(controls_.grid->Zoom())); });
  on(m.miZoomOut, [this] { SetZoom(ZoomedOut(controls_.grid->Zoom())); });
  on(m.miActualSize, [this] { SetZoom(ActualSize); });
  on(m.miBeyond, [this] {
    TextPage page(form_text::BeyondCaption, BeyondInstructionsText(), this);
    dialogs_.execDialog(page);
  });
  on(m.miAbout, [this] {
    TextPage page(form_text::AboutCaption, AboutText(), this);
    dialogs_.execDialog(page);
  });

  const FormControls& c = controls_;
  connect(c.spinH, &SpinButton::upClicked, this, [this] { ResizeBy(1, 1); });
  connect(c.spinH, &SpinButton::downClicked, this, [this] { ResizeBy(-1, -1); });
  connect(c.spinV, &SpinButton::upClicked, this, [this] { ResizeBy(0, 1); });
  connect(c.spinV, &SpinButton::downClicked, this, [this] { ResizeBy(0, -1); });
  connect(c.edTitle, &QLineEdit::textChanged, this, &KvenForm::edTitleChange);
  // The title's changes are steps of the program's history, so Ctrl+Z in the
  // field must reach Edit > Undo, not the field's own undo.
  c.edTitle->installEventFilter(this);
  connect(c.editH, &QLineEdit::editingFinished, this, &KvenForm::TypedSize);
  connect(c.editV, &QLineEdit::editingFinished, this, &KvenForm::TypedSize);

  c.grid->onSquarePressed = [this](int col, int row) { SquarePressed(col, row); };
  c.grid->onKeyDown = [this](const KeyEvent& key) {
    // A key pressed only turns the cursor; the letter comes with its release.
    Change(form_text::change::Letter, [&] { KvenGridKeyDown(puzzle_, editor_, *controls_.grid, key); });
  };
  c.grid->onKeyUp = [this](const KeyEvent& key) { KeyReleased(key); };

  connect(cluesPanel_, &CluesPanel::entryChosen, this,
          [this](const QList<QPoint>& squares) { controls_.grid->MarkSquares(squares); });
  connect(cluesPanel_, &CluesPanel::textEdited, this, [this](const QString& text) {
    EditChosenClue(form_text::change::Clue, [&](std::size_t i) { SetClueText(clues_, i, text.toStdString()); });
  });
  connect(cluesPanel_, &CluesPanel::enumerationEdited, this, [this](const QString& text) {
    EditChosenClue(form_text::change::Enumeration,
                   [&](std::size_t i) { SetClueEnumeration(clues_, i, text.toStdString()); });
  });
  connect(cluesPanel_, &CluesPanel::deleteRequested, this, [this](std::size_t aside) {
    Change(form_text::change::DeleteClue, [&] { DeleteClue(clues_, aside); });
  });
  connect(cluesPanel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    static_cast<void>(visible);
    ShowClues();
  });
  ShowClues();
}

bool KvenForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == controls_.edTitle && event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* item : {menus_.miUndo, menus_.miRedo})
      if (item->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
        event->ignore();
        return true;
      }
  }
  return QMainWindow::eventFilter(watched, event);
}

void KvenForm::showEvent(QShowEvent* event) {
  FormActivate();
  QMainWindow::showEvent(event);
}

void KvenForm::FormActivate() {
  if (started_) return;
  started_ = true;
  StartUpPuzzle(puzzle_, editor_, *view_);
  MarkKept(true);
  menus_.miTwo->setChecked(true);
  menus_.miHbar->setChecked(true);
  memo_ = TextLines();
  SetCopySaveChoice(CopySaveAs::KvenText);
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  controls_.grid->setFocus();
}

void KvenForm::Change(const std::string& name, const std::function<void()>& command, bool extend) {
  if (commandDepth_ > 0) {
    command();
    return;
  }
  const FormState before = history_->Capture();
  ++commandDepth_;
  try {
    command();
  } catch (const RangeError& error) {
    ShowError(error.what());
  }
  --commandDepth_;
  ShowMenuMarks();
  // The current entry's shade follows the cursor and the letters.
  controls_.grid->update();
  const bool diagramChanged = !(puzzle_ == before.puzzle);
  if (!diagramChanged && clues_ == before.clues) return;
  history_->Record(name, before, extend);
  ShowClues();
  if (diagramChanged) ForgetFindings();
}

void KvenForm::ForgetFindings() {
  // A finding marked on the grid was about the diagram before the change.
  if (check_ != nullptr) check_->clearSelection();
  controls_.grid->MarkSquares({});
  if (fill_ != nullptr) fill_->refresh();
}

void KvenForm::ShowMenuMarks() {
  // The mark follows the puzzle, also while Fourfold is withdrawn: the toggles
  // go by the symmetry the puzzle has, not by the menu.
  for (auto [item, order] : {std::pair{menus_.miNone, NoSymmetry}, {menus_.miTwo, Twofold}, {menus_.miFour, Fourfold}})
    item->setChecked(puzzle_.Symmetry == order);
  // Numbers given by hand, typed or read, mark Number as choosing Manual does.
  if (puzzle_.ManualNumbered) menus_.miNumber->setChecked(true);
}

void KvenForm::ShowClues() { cluesPanel_->Show(puzzle_, clues_); }

void KvenForm::EditChosenClue(const char* what, const std::function<void(std::size_t)>& edit) {
  const std::optional<ClueTarget> chosen = cluesPanel_->Chosen();
  if (!chosen) return;
  Clue named;
  if (chosen->entry) {
    named.direction = chosen->entry->direction;
    named.col = chosen->entry->col;
    named.row = chosen->entry->row;
  } else if (chosen->aside < clues_.clues.size()) {
    named = clues_.clues[chosen->aside];
  } else {
    return;
  }
  Change(std::string(what) + " " + ClueName(named, puzzle_), [&] {
    edit(chosen->entry ? ClueFor(clues_, *chosen->entry) : chosen->aside);
  }, true);
}

void KvenForm::TellKvenTextHoldsNoClues() {
  if (toldNoClues_ || !HasClueTexts(clues_)) return;
  toldNoClues_ = true;
  statusBar()->show();
  statusBar()->showMessage(clues_text::KvenTextHasNoClues, 10000);
  connect(statusBar(), &QStatusBar::messageChanged, statusBar(), [this](const QString& message) {
    if (message.isEmpty()) statusBar()->hide();
  });
}

void KvenForm::miPropertiesClick() {
  const std::string title = UnicodeTitle(clues_, puzzle_);
  PropertiesDialog dialog(clues_.facts, QString::fromStdString(title), this);
  dialogs_.execDialog(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const PuzzleFacts facts = dialog.Facts();
  Change(form_text::change::Properties, [&] {
    const std::string kept = clues_.facts.title;
    clues_.facts = facts;
    clues_.facts.title = kept;
    if (facts.title != title) {
      SetTitle(clues_, puzzle_, facts.title);
      view_->SetTitleField(puzzle_.Title);
    }
  });
}

void KvenForm::ShowError(const char* what) { dialogs_.showError(this, QString::fromLatin1(what)); }

CopySaveAs KvenForm::CopySaveChoice() const { return static_cast<CopySaveAs>(controls_.copySaveAs->checkedId()); }

void KvenForm::SetCopySaveChoice(CopySaveAs choice) {
  if (auto* button = controls_.copySaveAs->button(static_cast<int>(choice))) button->setChecked(true);
}

// --- File ---

void KvenForm::miNewClick() {
  NewPuzzle(puzzle_, editor_, *view_);
  clues_ = PuzzleClues{};
  memo_ = TextLines();
  SetCopySaveChoice(CopySaveAs::KvenText);
  menus_.miTwo->setChecked(true);
  menus_.miHbar->setChecked(true);
}

void KvenForm::miOpenClick() {
  // The file is read before New, so a file that cannot be read leaves the
  // puzzle on screen as it was.
  std::optional<std::string> text = transfer_->OpenTextFile();
  if (!text) return;
  Change(form_text::change::Open, [&] {
    if (!ReadText(std::move(*text), true)) return;
    SetCopySaveChoice(CopySaveAs::Grid);
    miCopyClick();
  });
}

bool KvenForm::ReadText(std::string text, bool startWithNew, std::optional<std::string> document) {
  const TextRead read = TakeText(
      TextLines(std::move(text)), document, [&] { if (startWithNew) miNewClick(); }, memo_, puzzle_, *view_);
  if (read.outcome == TextRead::Outcome::Refused) {
    dialogs_.showError(this, FromLatin1(read.message));
    return false;
  }
  if (const std::string note = read.Note(); !note.empty()) dialogs_.showInformation(this, FromLatin1(note));
  // A document brings its own clues; a KVEN text has none, and leaves those kept.
  if (read.outcome == TextRead::Outcome::Imported) {
    clues_ = read.clues;
    if (HasClueTexts(clues_)) cluesPanel_->show();
  }
  // The text read is kept where it came from.
  MarkKept(read.outcome == TextRead::Outcome::Imported);
  return true;
}

void KvenForm::miSaveClick() {
  const QStringList filters{form_text::FilterText, form_text::FilterBitmap};
  switch (CopySaveChoice()) {
    case CopySaveAs::KvenText:
      if (SaveKvenText()) TellKvenTextHoldsNoClues();
      break;
    case CopySaveAs::Grid:
      BuildPicture();
      if (const QString name = transfer_->AskSaveName(form_text::ProposedBitmap, filters, 2); !name.isEmpty())
        transfer_->WritePicture(name, image_);
      break;
    case CopySaveAs::ClueList:
      if (const QString name = transfer_->AskSaveName(form_text::ProposedClues, filters, 1); !name.isEmpty())
        transfer_->WriteText(name, BuildClueList(puzzle_));
      break;
    case CopySaveAs::Ipuz:
      SaveIpuz();
      break;
  }
}

bool KvenForm::SaveKvenText() {
  const QStringList filters{form_text::FilterText, form_text::FilterBitmap};
  const QString name = transfer_->AskSaveName(form_text::ProposedText, filters, 1);
  if (name.isEmpty() || !transfer_->WriteText(name, EncodeText(puzzle_))) return false;
  MarkKept(false);
  return true;
}

void KvenForm::miExportIpuzClick() { SaveIpuz(); }

bool KvenForm::SaveIpuz() {
  const QString name = transfer_->AskSaveName(form_text::ProposedIpuz, {form_text::FilterIpuz}, 1);
  if (name.isEmpty() || !transfer_->WriteBytes(name, WriteIpuz(puzzle_, clues_))) return false;
  MarkKept(true);
  return true;
}

void KvenForm::MarkKept(bool withClues) {
  kept_ = puzzle_;
  // A KVEN text holds no clues: what was written of them is what an ipuz
  // document holds, or what was read.
  if (withClues) keptClues_ = clues_;
}

bool KvenForm::MayEnd() {
  if (puzzle_ == kept_ && clues_ == keptClues_) return true;
  switch (dialogs_.askUnsavedChanges(this)) {
    case UnsavedChoice::Save:
      // Clues would be lost in a KVEN text; the document keeps them.
      return HasClueTexts(clues_) ? SaveIpuz() : SaveKvenText();
    case UnsavedChoice::Discard:
      return true;
    case UnsavedChoice::Cancel:
      break;
  }
  return false;
}

void KvenForm::closeEvent(QCloseEvent* event) {
  if (MayEnd())
    event->accept();
  else
    event->ignore();
}

void KvenForm::miExportSvgClick() {
  const QString name = transfer_->AskSaveName(form_text::ProposedSvg, {form_text::FilterSvg}, 1);
  if (!name.isEmpty()) transfer_->WriteBytes(name, PuzzleSvg(puzzle_, editor_.BarWidth));
}

void KvenForm::miExportPdfClick() {
  const QString name = transfer_->AskSaveName(form_text::ProposedPdf, {form_text::FilterPdf}, 1);
  if (name.isEmpty()) return;
  const std::string pdf = PuzzlePdf(PublishedPuzzle(puzzle_, clues_), PaperForLocale(), PublishingOptions(puzzle_, editor_));
  if (pdf.empty()) dialogs_.showError(this, FileMessage(message::CannotCreateFile, name));
  else transfer_->WriteBytes(name, pdf);
}

void KvenForm::miPrintClick() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!dialogs_.runPrintDialog(this, *printer_)) return;
  view_->SetPrintJob(printer_.get());
  // The finished puzzle's pages once it has clues to print; the picture
  // (and in Solution mode the number list) as ever before that.
  const PrintedPuzzle printed = PublishedPuzzle(puzzle_, clues_);
  const QString error =
      HasClueTexts(printed) ? PrintPuzzlePages(*printer_, printed, PublishingOptions(puzzle_, editor_))
                            : PrintPuzzle(*printer_, puzzle_, editor_.BarWidth, editor_.EntryMode == EntryMode::Solution);
  view_->SetPrintJob(nullptr);
  if (!error.isEmpty()) dialogs_.showError(this, error);
}

// --- Edit ---

void KvenForm::miCopyClick() {
  const auto copyText = [this](const TextLineList& lines) {
    memo_ = TextLines::FromLines(lines);
    transfer_->CopyText(lines);
  };
  switch (CopySaveChoice()) {
    case CopySaveAs::KvenText:
      copyText(EncodeText(puzzle_));
      MarkKept(false);
      TellKvenTextHoldsNoClues();
      break;
    case CopySaveAs::Grid:
      BuildPicture();
      transfer_->CopyPicture(image_);
      break;
    case CopySaveAs::ClueList:
      copyText(BuildClueList(puzzle_));
      break;
    case CopySaveAs::Ipuz: {
      const std::string document = WriteIpuz(puzzle_, clues_);
      memo_ = TextLines(document);
      transfer_->CopyDocument(document);
      MarkKept(true);
      break;
    }
  }
}

void KvenForm::BuildPicture() { image_ = MakePuzzleBitmap(puzzle_, editor_.BarWidth); }

void KvenForm::miPasteClick() {
  const std::optional<QString> text = transfer_->PastedText();
  if (!text) return;
  // A KVEN text is read as Latin-1, as ever; an ipuz document is UTF-8.
  Change(form_text::change::Paste, [&] {
    if (ReadText(ToLatin1(*text), false, text->toStdString())) SetCopySaveChoice(CopySaveAs::Grid);
  });
}

void KvenForm::miClearClick() {
  Change(form_text::change::Clear, [&] { ClearLetters(puzzle_, editor_, *controls_.grid); });
}

// --- Entry ---

void KvenForm::ClearCursorLetterArea() {
  // The grid leaves a cursor that ran off the grid or stands on a block alone.
  controls_.grid->ClearLetterArea(editor_.CursorCol, editor_.CursorRow);
}

void KvenForm::miBlockClick() {
  ClearCursorLetterArea();
  editor_.EntryMode = EntryMode::Block;
  menus_.miBlock->setChecked(true);
  menus_.miFour->setEnabled(true);
  view_->HideNumberFields();
}

void KvenForm::EnterBarMode(EntryMode mode, QAction* item) {
  ClearCursorLetterArea();
  editor_.EntryMode = mode;
  item->setChecked(true);
  // Quarter turns of bars need even sides; Symmetry itself keeps its value,
  // and so does the mark that shows it.
  if (OddFlags(puzzle_) > 0) menus_.miFour->setEnabled(false);
  view_->HideNumberFields();
}

void KvenForm::miAutoClick() {
  if (editor_.EntryMode == EntryMode::ManualNumber) return;
  Change(form_text::change::AutoNumbering, [&] {
    ClearCursorLetterArea();
    AutoNumber(puzzle_, *controls_.grid);
    menus_.miNumber->setChecked(true);
  });
}

void KvenForm::miManualClick() {
  Change(form_text::change::ManualNumbering, [&] {
    // Manual carries a mark only once a text with manual numbers was read;
    // its own command never changes the mark.
    menus_.miManual->setChecked(view_->ManualMarked());
    ClearCursorLetterArea();
    editor_.EntryMode = EntryMode::ManualNumber;
    SetNumberingKind(puzzle_, NumberingKind::Manual);
    menus_.miNumber->setChecked(true);
    controls_.lblNum->show();
    controls_.edNum->show();
    controls_.edNum->setText(form_text::FirstManualNumber);
  });
}

void KvenForm::miLetterClick() {
  editor_.EntryMode = EntryMode::Solution;
  menus_.miLetter->setChecked(true);
  menus_.miNumber->setChecked(false);
  controls_.grid->setFocus();
  StartSolutionEntry(puzzle_, editor_, *controls_.grid);
  view_->HideNumberFields();
}

void KvenForm::miCheckClick() {
  if (check_ == nullptr) {
    check_ = new CheckWindow([this] { return puzzle_; }, this);
    check_->SetCluesSource([this] { return clues_; });
    connect(check_, &CheckWindow::findingSelected, this,
            [this](const QList<QPoint>& squares) { controls_.grid->MarkSquares(squares); });
  }
  if (check_->isVisible())
    check_->checkAgain();
  else
    PlaceBeside(*check_, *this);
  check_->show();
  check_->raise();
  check_->activateWindow();
}

void KvenForm::miFillClick() {
  if (fill_ == nullptr) {
    FillHost host;
    host.puzzle = [this]() -> const Puzzle& { return puzzle_; };
    host.editor = [this]() -> const EditorState& { return editor_; };
    host.place = [this](const char* name, const std::vector<fill::PlacedLetter>& letters) {
      Change(name, [&] { fill::PlaceLetters(puzzle_, *controls_.grid, letters); });
    };
    host.mark = [this](const QList<QPoint>& squares) { controls_.grid->MarkSquares(squares); };
    host.shade = [this](const QList<QPoint>& squares) { controls_.grid->ShadeSquares(squares); };
    fill_ = new FillPanel(std::move(host), dialogs_, this);
    addDockWidget(Qt::RightDockWidgetArea, fill_);
    controls_.grid->installEventFilter(fill_);
  }
  fill_->show();
  fill_->raise();
}

void KvenForm::SquarePressed(int col, int row) {
  const char* name = form_text::change::Number;
  if (editor_.EntryMode == EntryMode::Block) name = form_text::change::Block;
  if (editor_.EntryMode == EntryMode::Hbar || editor_.EntryMode == EntryMode::Vbar) name = form_text::change::Bar;
  Change(name, [&] {
    const Puzzle before = puzzle_;
    KvenGridMouseDown(puzzle_, editor_, *view_, col, row);
    RenumberAfterEdit(before);
  });
  if (cluesPanel_->isVisible()) cluesPanel_->ChooseSquare(col, row);
}

void KvenForm::RenumberAfterEdit(const Puzzle& before) {
  // Numbers worked out by the program follow the diagram; hand numbers are the setter's.
  if (!puzzle_.AutoNumbered || puzzle_.ManualNumbered) return;
  if (puzzle_.Blocks == before.Blocks && puzzle_.HBars == before.HBars && puzzle_.VBars == before.VBars) return;
  AutoNumber(puzzle_, *controls_.grid);
  // Numbering leaves a block's old number box standing; the repaint fills it.
  controls_.grid->InvalidateGrid();
}

void KvenForm::KeyReleased(const KeyEvent& key) {
  Change(key.key == Key::Backspace ? form_text::change::Backspace : form_text::change::Letter,
         [&] { KvenGridKeyUp(puzzle_, editor_, *controls_.grid, key); });
}

// --- Symmetry, size and title ---

void KvenForm::ChooseSymmetry(std::int32_t order, QAction* item) {
  Change(form_text::change::Symmetry, [&] {
    puzzle_.Symmetry = order;
    item->setChecked(true);
  });
}

void KvenForm::ResizeBy(int columns, int rows) {
  Change(form_text::change::Size, [&] {
    puzzle_.HSquares += columns;
    puzzle_.VSquares += rows;
    ResetPuzzle(puzzle_, *view_);
  });
}

void KvenForm::SetZoom(double zoom) {
  controls_.grid->SetZoom(zoom);
  view_->FitWindowToGrid(puzzle_.HSquares, puzzle_.VSquares);
}

void KvenForm::TypedSize() {
  bool wide = false;
  bool high = false;
  const int h = controls_.editH->text().toInt(&wide);
  const int v = controls_.editV->text().toInt(&high);
  if (!wide || !high || (h == puzzle_.HSquares && v == puzzle_.VSquares)) {
    view_->ShowSize(puzzle_.HSquares, puzzle_.VSquares);
    return;
  }
  // The reset clamps to the sizes there are and shows what it made.
  Change(form_text::change::Size, [&] {
    puzzle_.HSquares = h;
    puzzle_.VSquares = v;
    ResetPuzzle(puzzle_, *view_);
  });
}

void KvenForm::edTitleChange(const QString& text) {
  const std::string title = ToLatin1(text.left(static_cast<qsizetype>(MaxShortString)));
  // Putting a state back, or a reader filling the field, is no edit of its own.
  if (history_->Restoring() || commandDepth_ > 0) {
    puzzle_.Title = title;
    return;
  }
  Change(form_text::change::Title, [&] { puzzle_.Title = title; }, true);
}

}  // namespace kven
