#include "app/kven_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/dialogs.h"
#include "app/instr_form.h"
#include "app/kven_form_texts.h"
#include "app/puzzle_printer.h"
#include "app/spin_button.h"
#include "editing/numbering.h"
#include "editing/solution_entry.h"
#include "editing/symmetry.h"
#include "render/kven_grid.h"
#include "render/puzzle_picture.h"
#include "text/clue_list.h"
#include "text/decoder.h"
#include "text/encoder.h"
#include "text/text_lines.h"

namespace kven {
namespace {

constexpr int DesignedWidth = 580;
constexpr int DesignedHeight = 476;
// Room around the grid that the window keeps when it grows for a big grid.
constexpr int ExtraHeight = 128;
constexpr int ExtraWidth = 40;

QString FromBytes(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString LinesText(const TextLineList& lines) { return FromBytes(JoinLinesCrLf(lines)); }

QByteArray LinesBytes(const TextLineList& lines) {
  const std::string text = JoinLinesCrLf(lines);
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

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

  BuildControls();
  BuildMenus();
  resize(DesignedWidth, DesignedHeight);
}

KvenForm::~KvenForm() = default;

QFont KvenForm::WindowFont() {
  // fontconfig knows no "MS Sans Serif"; asking for it first would cost a
  // fruitless match at every start.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(13);
  return font;
}

void KvenForm::BuildControls() {
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  auto* content = new QWidget;
  content->setAutoFillBackground(true);

  auto* sizes = new QGridLayout;
  sizes->setHorizontalSpacing(4);
  sizes->setVerticalSpacing(4);
  editH_ = new QLineEdit(QStringLiteral("12"), content);
  editV_ = new QLineEdit(QStringLiteral("12"), content);
  spinH_ = new SpinButton(content);
  spinV_ = new SpinButton(content);
  int row = 0;
  for (auto [label, edit, spin] : {std::tuple{form_text::HorizontalSquares, editH_, spinH_},
                                   std::tuple{form_text::VerticalSquares, editV_, spinV_}}) {
    // The size fields only show the size; the spinners change it.
    edit->setReadOnly(true);
    edit->setFixedWidth(32);
    edit->setFocusPolicy(Qt::NoFocus);
    sizes->addWidget(new QLabel(label, content), row, 0);
    sizes->addWidget(edit, row, 1);
    sizes->addWidget(spin, row, 2);
    ++row;
  }
  connect(spinH_, &SpinButton::upClicked, this, &KvenForm::SpinHUpClick);
  connect(spinH_, &SpinButton::downClicked, this, &KvenForm::SpinHDownClick);
  connect(spinV_, &SpinButton::upClicked, this, &KvenForm::SpinVUpClick);
  connect(spinV_, &SpinButton::downClicked, this, &KvenForm::SpinVDownClick);

  auto* titleGrid = new QGridLayout;
  titleGrid->setHorizontalSpacing(4);
  edTitle_ = new QLineEdit(content);
  edTitle_->setMaxLength(static_cast<int>(MaxShortString));
  connect(edTitle_, &QLineEdit::textChanged, this, &KvenForm::edTitleChange);
  lblNum_ = new QLabel(form_text::NumberEntry, content);
  edNum_ = new QLineEdit(form_text::FirstManualNumber, content);
  edNum_->setFixedWidth(48);
  lblNum_->hide();
  edNum_->hide();
  titleGrid->addWidget(new QLabel(form_text::TitleLabel, content), 0, 0);
  titleGrid->addWidget(edTitle_, 0, 1, 1, 2);
  titleGrid->addWidget(lblNum_, 1, 0, 1, 2, Qt::AlignRight);
  titleGrid->addWidget(edNum_, 1, 2, Qt::AlignLeft);
  titleGrid->setColumnStretch(2, 1);

  auto* group = new QGroupBox(form_text::CopySaveAs, content);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->setContentsMargins(6, 2, 6, 2);
  groupLayout->setSpacing(0);
  radGrpCS_ = new QButtonGroup(this);
  int id = AsKvenText;
  for (const auto& caption : {form_text::KvenText, form_text::Grid, form_text::ClueList}) {
    auto* radio = new QRadioButton(caption, group);
    radio->setFocusPolicy(Qt::NoFocus);
    radGrpCS_->addButton(radio, id++);
    groupLayout->addWidget(radio);
  }
  radGrpCS_->button(AsKvenText)->setChecked(true);

  auto* top = new QHBoxLayout;
  top->setSpacing(12);
  top->addLayout(sizes);
  top->addLayout(titleGrid, 1);
  top->addWidget(group);

  grid_ = new KvenGrid(puzzle_, editor_, content);
  grid_->setFocusPolicy(Qt::StrongFocus);
  grid_->onSquarePressed = [this](int col, int row) {
    RunCommand([&] { KvenGridMouseDown(puzzle_, editor_, *this, col, row); });
  };
  grid_->onKeyDown = [this](const KeyEvent& key) {
    keysDown_.insert({key.key, key.letter});
    RunCommand([&] { KvenGridKeyDown(puzzle_, editor_, *this, key); });
  };
  grid_->onKeyUp = [this](const KeyEvent& key) {
    // A release whose press went elsewhere (the access key that chose
    // Entry > Solution, a shortcut) is no keystroke on the grid: letters are
    // entered on release, so it would type into the first square.
    if (keysDown_.erase({key.key, key.letter}) == 0) return;
    RunCommand([&] { KvenGridKeyUp(puzzle_, editor_, *this, key); });
  };

  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addWidget(grid_, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addStretch(1);

  scroll_->setWidget(content);
  setCentralWidget(scroll_);
}

void KvenForm::BuildMenus() {
  auto addItem = [this](QMenu* menu, QLatin1String caption, void (KvenForm::*handler)()) {
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };

  mnFile = menuBar()->addMenu(form_text::MenuFile);
  miNew = addItem(mnFile, form_text::MenuNew, &KvenForm::miNewClick);
  miOpen = addItem(mnFile, form_text::MenuOpen, &KvenForm::miOpenClick);
  miSave = addItem(mnFile, form_text::MenuSave, &KvenForm::miSaveClick);
  mnFile->addSeparator();
  miPrint = addItem(mnFile, form_text::MenuPrint, &KvenForm::miPrintClick);
  mnFile->addSeparator();
  miExit = addItem(mnFile, form_text::MenuExit, &KvenForm::miExitClick);

  mnEdit = menuBar()->addMenu(form_text::MenuEdit);
  miCopy = addItem(mnEdit, form_text::MenuCopy, &KvenForm::miCopyClick);
  miCopy->setShortcut(QKeySequence(form_text::ShortcutCopy));
  miPaste = addItem(mnEdit, form_text::MenuPaste, &KvenForm::miPasteClick);
  miPaste->setShortcut(QKeySequence(form_text::ShortcutPaste));
  miClear = addItem(mnEdit, form_text::MenuClear, &KvenForm::miClearClick);
  miClear->setShortcut(QKeySequence(form_text::ShortcutClear));

  mnEntry = menuBar()->addMenu(form_text::MenuEntry);
  miHbar = addItem(mnEntry, form_text::MenuHbar, &KvenForm::miHbarClick);
  miVbar = addItem(mnEntry, form_text::MenuVbar, &KvenForm::miVbarClick);
  miBlock = addItem(mnEntry, form_text::MenuBlock, &KvenForm::miBlockClick);
  mnNumber = mnEntry->addMenu(form_text::MenuNumber);
  miNumber = mnNumber->menuAction();
  miNumber->setCheckable(true);
  miAuto = addItem(mnNumber, form_text::MenuAuto, &KvenForm::miAutoClick);
  miManual = addItem(mnNumber, form_text::MenuManual, &KvenForm::miManualClick);
  miLetter = addItem(mnEntry, form_text::MenuSolution, &KvenForm::miLetterClick);
  auto* entryGroup = new QActionGroup(this);
  for (QAction* item : {miHbar, miVbar, miBlock, miLetter}) {
    item->setCheckable(true);
    entryGroup->addAction(item);
  }
  // As designed; the first activation checks Hbar instead.
  miBlock->setChecked(true);

  mnSymm = menuBar()->addMenu(form_text::MenuSymmetry);
  miNone = addItem(mnSymm, form_text::MenuNone, &KvenForm::miNoneClick);
  miTwo = addItem(mnSymm, form_text::MenuTwofold, &KvenForm::miTwoClick);
  miFour = addItem(mnSymm, form_text::MenuFourfold, &KvenForm::miFourClick);
  auto* symmetryGroup = new QActionGroup(this);
  for (QAction* item : {miNone, miTwo, miFour}) {
    item->setCheckable(true);
    symmetryGroup->addAction(item);
  }

  mnHelp = menuBar()->addMenu(form_text::MenuHelp);
  miInstr = addItem(mnHelp, form_text::MenuHowToUse, &KvenForm::miInstrClick);
}

void KvenForm::showEvent(QShowEvent* event) {
  FormActivate();
  QMainWindow::showEvent(event);
}

void KvenForm::FormActivate() {
  if (started_) return;
  started_ = true;
  StartUpPuzzle(puzzle_, editor_, *this);
  miTwo->setChecked(true);
  miHbar->setChecked(true);
  memo_.clear();
  SetCopySaveChoice(AsKvenText);
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  grid_->setFocus();
}

void KvenForm::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const RangeError& error) {
    ShowRangeError(error.what());
  }
}

void KvenForm::ShowRangeError(const char* what) { dialogs_.showError(this, QString::fromLatin1(what)); }

int KvenForm::CopySaveChoice() const { return radGrpCS_->checkedId(); }

void KvenForm::SetCopySaveChoice(int item) {
  if (auto* button = radGrpCS_->button(item)) button->setChecked(true);
}

// --- File ---

void KvenForm::miNewClick() {
  NewPuzzle(puzzle_, editor_, *this);
  NewWindowParts();
}

void KvenForm::NewWindowParts() {
  memo_.clear();
  SetCopySaveChoice(AsKvenText);
  miTwo->setChecked(true);
  miHbar->setChecked(true);
}

void KvenForm::miOpenClick() {
  const QString proposal = lastOpenName_.isEmpty() ? SaveProposal(form_text::ProposedText) : lastOpenName_;
  const QString name = dialogs_.getOpenFileName(this, proposal, form_text::FilterAnyAscii);
  if (name.isEmpty()) return;
  lastOpenName_ = name;
  RememberFolder(name);
  // The file is read before New, so a file that cannot be read leaves the
  // puzzle on screen as it was.
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    dialogs_.showError(this, QString(form_text::CannotOpenFile).arg(QDir::toNativeSeparators(name)));
    return;
  }
  const QByteArray bytes = file.readAll();
  file.close();
  RunCommand([&] {
    miNewClick();
    puzzle_.TextLines = SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    memo_ = puzzle_.TextLines;
    DecodeText(puzzle_, *this);
    SetCopySaveChoice(AsGrid);
    DoCopy();
  });
}

void KvenForm::miSaveClick() {
  const QStringList filters{form_text::FilterText, form_text::FilterBitmap};
  RunCommand([&] {
    switch (CopySaveChoice()) {
      case AsKvenText: {
        const QString name = dialogs_.getSaveFileName(this, SaveProposal(form_text::ProposedText), filters, 1);
        if (name.isEmpty()) return;
        RememberFolder(name);
        EncodeText(puzzle_);
        WriteFile(name, LinesBytes(puzzle_.TextLines));
        break;
      }
      case AsGrid: {
        BuildPicture();
        const QString name = dialogs_.getSaveFileName(this, SaveProposal(form_text::ProposedBitmap), filters, 2);
        if (name.isEmpty()) return;
        RememberFolder(name);
        if (!SavePicture(image_, name, "BMP"))
          dialogs_.showError(this, QString(form_text::CannotCreateFile).arg(QDir::toNativeSeparators(name)));
        break;
      }
      case AsClueList: {
        const QString name = dialogs_.getSaveFileName(this, SaveProposal(form_text::ProposedClues), filters, 1);
        if (name.isEmpty()) return;
        RememberFolder(name);
        BuildClueList(puzzle_);
        WriteFile(name, LinesBytes(puzzle_.ClueLines));
        break;
      }
      default:
        break;
    }
  });
}

bool KvenForm::WriteFile(const QString& name, const QByteArray& bytes) {
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    dialogs_.showError(this, QString(form_text::CannotCreateFile).arg(QDir::toNativeSeparators(name)));
    return false;
  }
  return true;
}

void KvenForm::miPrintClick() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!dialogs_.runPrintDialog(this, *printer_)) return;
  activePrintJob_ = printer_.get();
  const QString error = PrintPuzzle(*printer_, puzzle_, editor_.BarWidth, editor_.EntryMode == Solution);
  activePrintJob_ = nullptr;
  if (!error.isEmpty()) dialogs_.showError(this, error);
}

void KvenForm::miExitClick() { close(); }

// --- Edit ---

void KvenForm::miCopyClick() { RunCommand([&] { DoCopy(); }); }

void KvenForm::DoCopy() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  switch (CopySaveChoice()) {
    case AsKvenText:
      EncodeText(puzzle_);
      memo_ = puzzle_.TextLines;
      clipboard->setText(LinesText(memo_));
      break;
    case AsGrid:
      BuildPicture();
      clipboard->setImage(image_);
      break;
    case AsClueList:
      BuildClueList(puzzle_);
      memo_ = puzzle_.ClueLines;
      clipboard->setText(LinesText(memo_));
      break;
    default:
      break;
  }
}

void KvenForm::BuildPicture() { image_ = MakePuzzleBitmap(puzzle_, editor_.BarWidth); }

void KvenForm::miPasteClick() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  const QByteArray bytes = data->text().toLatin1();
  RunCommand([&] {
    memo_ = SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    puzzle_.TextLines = memo_;
    DecodeText(puzzle_, *this);
    SetCopySaveChoice(AsGrid);
  });
}

void KvenForm::miClearClick() {
  RunCommand([&] { ClearLetters(puzzle_, editor_, *this); });
}

// --- Entry ---

void KvenForm::ClearCursorLetterArea() {
  // The grid leaves a cursor that ran off the grid or stands on a block alone.
  ClearLetterArea(editor_.CursorCol, editor_.CursorRow);
}

void KvenForm::HideNumberFields() {
  edNum_->hide();
  lblNum_->hide();
}

void KvenForm::miBlockClick() {
  ClearCursorLetterArea();
  editor_.EntryMode = Block;
  miBlock->setChecked(true);
  miFour->setEnabled(true);
  HideNumberFields();
}

void KvenForm::miHbarClick() { EnterBarMode(Hbar, miHbar); }

void KvenForm::miVbarClick() { EnterBarMode(Vbar, miVbar); }

void KvenForm::EnterBarMode(std::int32_t mode, QAction* item) {
  ClearCursorLetterArea();
  editor_.EntryMode = mode;
  item->setChecked(true);
  // Quarter turns of bars need even sides; Symmetry itself keeps its value.
  if (puzzle_.OddFlags > 0) {
    miFour->setEnabled(false);
    miTwo->setChecked(true);
  }
  HideNumberFields();
}

void KvenForm::miAutoClick() {
  if (editor_.EntryMode == ManualNumber) return;
  RunCommand([&] {
    ClearCursorLetterArea();
    AutoNumber(puzzle_, *this);
    miNumber->setChecked(true);
  });
}

void KvenForm::miManualClick() {
  // Manual carries a mark only once a text with manual numbers was read;
  // its own command never changes the mark.
  miManual->setChecked(manualMarked_);
  ClearCursorLetterArea();
  editor_.EntryMode = ManualNumber;
  puzzle_.ManualNumbered = true;
  miNumber->setChecked(true);
  lblNum_->show();
  edNum_->show();
  edNum_->setText(form_text::FirstManualNumber);
}

void KvenForm::miLetterClick() {
  editor_.EntryMode = Solution;
  miLetter->setChecked(true);
  miNumber->setChecked(false);
  grid_->setFocus();
  StartSolutionEntry(puzzle_, editor_, *this);
  HideNumberFields();
}

// --- Symmetry ---

void KvenForm::miNoneClick() {
  puzzle_.Symmetry = 0;
  miNone->setChecked(true);
}

void KvenForm::miTwoClick() {
  puzzle_.Symmetry = 2;
  miTwo->setChecked(true);
}

void KvenForm::miFourClick() {
  puzzle_.Symmetry = 4;
  miFour->setChecked(true);
}

// --- Help ---

void KvenForm::miInstrClick() {
  if (instrform_ != nullptr) dialogs_.execDialog(*instrform_);
}

// --- Size spinners and title ---

void KvenForm::SpinHUpClick() {
  ++puzzle_.HSquares;
  ++puzzle_.VSquares;
  ResetPuzzle(puzzle_, *this);
}

void KvenForm::SpinHDownClick() {
  --puzzle_.HSquares;
  --puzzle_.VSquares;
  ResetPuzzle(puzzle_, *this);
}

void KvenForm::SpinVUpClick() {
  ++puzzle_.VSquares;
  ResetPuzzle(puzzle_, *this);
}

void KvenForm::SpinVDownClick() {
  --puzzle_.VSquares;
  ResetPuzzle(puzzle_, *this);
}

void KvenForm::edTitleChange(const QString& text) {
  puzzle_.Title = ToBytes(text.left(static_cast<qsizetype>(MaxShortString)));
}

// --- PuzzleView: the grid ---

void KvenForm::InvalidateGrid() { grid_->InvalidateGrid(); }
void KvenForm::RepaintGrid() { grid_->RepaintGrid(); }
void KvenForm::PaintNumber(int col, int row, std::int32_t number) { grid_->PaintNumber(col, row, number); }
void KvenForm::DrawLetter(int col, int row, char ch) { grid_->DrawLetter(col, row, ch); }
void KvenForm::ClearLetterArea(int col, int row) { grid_->ClearLetterArea(col, row); }
void KvenForm::PaintCursorArrow(int col, int row, std::uint8_t direction) {
  grid_->PaintCursorArrow(col, row, direction);
}
void KvenForm::ChangeBarWidth(int oldWidth, int newWidth) { grid_->ChangeBarWidth(oldWidth, newWidth); }

// --- PuzzleView: the window steps of a reset ---

void KvenForm::SetGridBrushWhite() { grid_->SetBrushWhite(); }
void KvenForm::SetGridCells(int cols, int rows) { grid_->SetCellCount(cols, rows); }
void KvenForm::SetGridPixelSize(int width, int height) { grid_->setFixedSize(width, height); }

void KvenForm::FitWindowToGrid(int hSquares, int vSquares, int gridWidth, int gridHeight) {
  int w = width();
  int h = height();
  if (vSquares <= 12) h = DesignedHeight;
  if (hSquares <= 12) w = DesignedWidth;
  const QSize screenSize = ScreenSize();
  if (vSquares > 12) {
    if (screenSize.height() - 10 > gridHeight + ExtraHeight)
      h = gridHeight + ExtraHeight;
    else
      scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  if (hSquares > 20) {
    // The scroll area takes its range from the content, the grid included.
    if (screenSize.width() - 10 > gridWidth + ExtraWidth)
      w = gridWidth + ExtraWidth;
    else
      scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  resize(w, h);
}

QSize KvenForm::ScreenSize() const {
  const QScreen* s = screen();
  if (s == nullptr) s = QGuiApplication::primaryScreen();
  return s != nullptr ? s->availableGeometry().size() : QSize(DesignedWidth, DesignedHeight);
}

void KvenForm::ShowSize(int hSquares, int vSquares) {
  editH_->setText(QString::number(hSquares));
  editV_->setText(QString::number(vSquares));
}

void KvenForm::EnableFourfold() { miFour->setEnabled(true); }

void KvenForm::WithdrawFourfoldUnlessBlockChecked() {
  if (miBlock->isChecked()) return;
  miFour->setEnabled(false);
  miTwo->setChecked(true);
}

void KvenForm::WhitenSquares() { grid_->FillSquaresWhite(); }

void KvenForm::HideNumberEntry() {
  HideNumberFields();
  miNumber->setChecked(false);
}

// --- PuzzleView: the reader's effects and the number field ---

void KvenForm::SetTitleField(const std::string& title) {
  // textChanged runs edTitleChange, which copies the same text back.
  edTitle_->setText(FromBytes(title));
}

void KvenForm::CheckSymmetry(std::int32_t order) {
  switch (order) {
    case 0:
      miNone->setChecked(true);
      break;
    case 2:
      miTwo->setChecked(true);
      break;
    case 4:
      miFour->setChecked(true);
      break;
    default:
      break;
  }
}

void KvenForm::CheckManual() {
  manualMarked_ = true;
  miManual->setCheckable(true);
  miManual->setChecked(true);
}

void KvenForm::ReportInvalidData() {
  if (activePrintJob_ != nullptr && activePrintJob_->printerState() == QPrinter::Active) activePrintJob_->abort();
  dialogs_.showInvalidData(this, form_text::InvalidData);
}

std::string KvenForm::NumberFieldText() { return ToBytes(edNum_->text()); }

void KvenForm::SetNumberFieldText(const std::string& text) { edNum_->setText(FromBytes(text)); }

// --- file dialog proposals ---

QString KvenForm::SaveProposal(const QString& name) const {
  const QString folder = lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
  return QDir(folder).filePath(name);
}

void KvenForm::RememberFolder(const QString& fileName) { lastFolder_ = QFileInfo(fileName).absolutePath(); }

}  // namespace kven
