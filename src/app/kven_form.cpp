#include "app/kven_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>

#include "app/clues_panel.h"
#include "app/dialogs.h"
#include "app/form_files.h"
#include "app/form_history.h"
#include "app/form_publishing.h"
#include "app/form_view.h"
#include "app/instr_form.h"
#include "app/kven_form_texts.h"
#include "app/properties_dialog.h"
#include "app/side_windows.h"
#include "app/spin_button.h"
#include "app/text_page.h"
#include "app/window_fit.h"
#include "app/zoom.h"
#include "editing/solution_entry.h"
#include "render/kven_grid.h"

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

  controls_ = BuildFormControls(*this, document_.puzzle(), document_.editor());
  controls_.grid->ShowStyles(&document_.styles());
  menus_ = BuildFormMenus(*this);
  view_ = std::make_unique<FormView>(*this, controls_, menus_, dialogs_, document_);
  FormHost& host = *this;
  files_ = std::make_unique<FormFiles>(host, dialogs_);
  publishing_ = std::make_unique<FormPublishing>(host, dialogs_, files_->transfer());
  history_ = std::make_unique<FormHistory>(*this, document_, controls_, menus_, *view_);
  sides_ = new SideWindows(host, dialogs_);
  menus_.mnEntry->addAction(sides_->cluesItem());
  view_->fitted = [this] { sides_->KeepBeside(); };
  statusBar()->hide();
  ConnectCommands();
  resize(DesignedWindowSize);
}

KvenForm::~KvenForm() {
  // The grid reads the document, so it goes first: the window's children
  // would otherwise outlive the members they point into.
  delete takeCentralWidget();
}

void KvenForm::ConnectCommands() {
  const auto on = [this](QAction* item, auto handler) { connect(item, &QAction::triggered, this, handler); };
  const FormMenus& m = menus_;
  FormFiles& files = *files_;
  on(m.miNew, [&files] { files.New(); });
  on(m.miOpen, [&files] { files.Open(); });
  on(m.miSave, [&files] { files.Save(); });
  for (auto [item, format] : {std::pair{m.miExportIpuz, FileFormat::Ipuz}, {m.miExportPuz, FileFormat::Puz},
                              {m.miExportJpz, FileFormat::Jpz}, {m.miExportXd, FileFormat::Xd}})
    on(item, [&files, format] { files.ExportIn(format); });
  FormPublishing& publishing = *publishing_;
  on(m.miExportSvg, [&publishing] { publishing.ExportSvg(); });
  on(m.miExportPdf, [&publishing] { publishing.ExportPdf(); });
  on(m.miExportSubmission, [&publishing] { publishing.ExportSubmission(); });
  on(m.miExportWebPage, [&publishing] { publishing.ExportWebPage(); });
  on(m.miPrint, [&publishing] { publishing.Print(); });
  on(m.miExit, &QWidget::close);
  on(m.miProperties, &KvenForm::miPropertiesClick);
  on(m.miUndo, [this] {
    if (history_->Undo()) ForgetFindings();
    sides_->ShowClues();
  });
  on(m.miRedo, [this] {
    if (history_->Redo()) ForgetFindings();
    sides_->ShowClues();
  });
  on(m.miCopy, [&files] { files.Copy(); });
  on(m.miPaste, [&files] { files.Paste(); });
  on(m.miClear, [this] {
    Change(form_text::change::Clear, [&] { ClearLetters(document_.puzzle(), document_.editor(), grid()); });
  });
  on(m.miHbar, [this] { EnterBarMode(EntryMode::Hbar, menus_.miHbar); });
  on(m.miVbar, [this] { EnterBarMode(EntryMode::Vbar, menus_.miVbar); });
  on(m.miBlock, &KvenForm::miBlockClick);
  on(m.miAuto, &KvenForm::miAutoClick);
  on(m.miManual, &KvenForm::miManualClick);
  on(m.miLetter, &KvenForm::miLetterClick);
  on(m.miCircle, [this] { EnterStyleMode(EntryMode::Circle, menus_.miCircle); });
  on(m.miShade, [this] { EnterStyleMode(EntryMode::Shade, menus_.miShade); });
  on(m.miToggleCircle, [this] { ToggleStyleAtCursor(StyleMark::Circle); });
  on(m.miToggleShade, [this] { ToggleStyleAtCursor(StyleMark::Shade); });
  on(m.miCheck, [this] { sides_->ShowCheck(); });
  on(m.miFill, [this] { sides_->ShowFill(); });
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
    Change(form_text::change::Letter, [&] { KvenGridKeyDown(document_.puzzle(), document_.editor(), grid(), key); });
  };
  c.grid->onKeyUp = [this](const KeyEvent& key) { KeyReleased(key); };
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
  StartUpPuzzle(document_.puzzle(), document_.editor(), *view_);
  document_.MarkAllKept();
  view_->CheckStartUpItems();
  view_->SetCopySaveChoice(CopySaveAs::KvenText);
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  controls_.grid->setFocus();
}

void KvenForm::closeEvent(QCloseEvent* event) {
  if (files_->MayDiscardWork())
    event->accept();
  else
    event->ignore();
}

const TextLines& KvenForm::memo() const { return files_->memo(); }
const QImage& KvenForm::image() const { return files_->image(); }
CopySaveAs KvenForm::CopySaveChoice() const { return view_->CopySaveChoice(); }
void KvenForm::SetCopySaveChoice(CopySaveAs choice) { view_->SetCopySaveChoice(choice); }

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
  const bool diagramChanged = !(document_.puzzle() == before.content.puzzle);
  if (document_.content() == before.content) return;
  history_->Record(name, before, extend);
  sides_->ShowClues();
  if (diagramChanged) ForgetFindings();
}

void KvenForm::RevealClues() { sides_->RevealClues(); }

void KvenForm::ForgetFindings() { sides_->ForgetFindings(); }

void KvenForm::ShowMenuMarks() {
  // The mark follows the puzzle, also while Fourfold is withdrawn: the toggles
  // go by the symmetry the puzzle has, not by the menu.
  const Puzzle& p = document_.puzzle();
  for (auto [item, order] : {std::pair{menus_.miNone, NoSymmetry}, {menus_.miTwo, Twofold}, {menus_.miFour, Fourfold}})
    item->setChecked(p.Symmetry == order);
  // Numbers given by hand, typed or read, mark Number as choosing Manual does.
  if (p.ManualNumbered) menus_.miNumber->setChecked(true);
}

void KvenForm::ShowError(const char* what) { dialogs_.showError(this, QString::fromLatin1(what)); }

void KvenForm::miPropertiesClick() {
  const std::string title = document_.Title();
  PropertiesDialog dialog(document_.clues().facts, QString::fromStdString(title), this);
  dialogs_.execDialog(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const PuzzleFacts facts = dialog.Facts();
  Change(form_text::change::Properties, [&] {
    PuzzleFacts& kept = document_.clues().facts;
    const std::string keptTitle = kept.title;
    kept = facts;
    kept.title = keptTitle;
    if (facts.title != title) {
      document_.SetTitle(facts.title);
      view_->SetTitleField(document_.puzzle().Title);
    }
  });
}

// --- Symmetry, size, zoom and title ---

void KvenForm::ChooseSymmetry(std::int32_t order, QAction* item) {
  Change(form_text::change::Symmetry, [&] {
    document_.puzzle().Symmetry = order;
    item->setChecked(true);
  });
}

void KvenForm::ResizeBy(int columns, int rows) {
  Change(form_text::change::Size, [&] {
    document_.puzzle().HSquares += columns;
    document_.puzzle().VSquares += rows;
    Reset();
  });
}

void KvenForm::TypedSize() {
  const Puzzle& p = document_.puzzle();
  bool wide = false;
  bool high = false;
  const int h = controls_.editH->text().toInt(&wide);
  const int v = controls_.editV->text().toInt(&high);
  if (!wide || !high || (h == p.HSquares && v == p.VSquares)) {
    view_->ShowSize(p.HSquares, p.VSquares);
    return;
  }
  // The reset clamps to the sizes there are and shows what it made.
  Change(form_text::change::Size, [&] {
    document_.puzzle().HSquares = h;
    document_.puzzle().VSquares = v;
    Reset();
  });
}

void KvenForm::Reset() {
  ResetPuzzle(document_.puzzle(), *view_);
  // The reset clears every square, and so every square's style, and the
  // title with every character of it.
  document_.styles() = SquareStyles{};
  document_.clues().facts.title.clear();
}

void KvenForm::SetZoom(double zoom) {
  controls_.grid->SetZoom(zoom);
  view_->FitWindowToGrid(document_.puzzle().HSquares, document_.puzzle().VSquares);
}

void KvenForm::edTitleChange(const QString& text) {
  // Putting a state back, or a reader filling the field, shows the
  // document's own title: no edit of it.
  if (history_->Restoring() || commandDepth_ > 0) return;
  Change(form_text::change::Title, [&] { document_.SetTitle(text.left(MaxShortString).toStdString()); }, true);
}

}  // namespace kven
