#pragma once

#include <QImage>
#include <QFont>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <set>
#include <utility>

#include "editing/solution_entry.h"
#include "model/puzzle.h"
#include "model/puzzle_view.h"

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QScrollArea;

namespace kven {

class Dialogs;
class Instrform;
class KvenGrid;
class SpinButton;

// The main window: owns the one Puzzle and EditorState, turns each menu
// command, spinner click and grid event into calls of the core, and is the
// core's view (the window steps of a reset, the reader's menu checks and
// title field, the manual number field; grid drawing goes to the KvenGrid).
// Every modal thing it shows goes through the Dialogs it is given.
class KvenForm : public QMainWindow, public PuzzleView {
  Q_OBJECT

 public:
  // Selected item of "Copy/Save as".
  enum CopySaveAs { AsKvenText = 0, AsGrid = 1, AsClueList = 2 };

  explicit KvenForm(Dialogs& dialogs, QWidget* parent = nullptr);
  ~KvenForm() override;

  // The window's font: "MS Sans Serif" at 13 pixels, by its metric stand-in.
  static QFont WindowFont();

  // The window that Help > How to Use shows; none, and the command does nothing.
  void SetInstructionsWindow(Instrform* instr) { instrform_ = instr; }

  // Sets the start-up state; runs once, at the window's first showing.
  void FormActivate();

  const Puzzle& puzzle() const { return puzzle_; }
  Puzzle& puzzle() { return puzzle_; }
  const EditorState& editor() const { return editor_; }
  // What Copy and Paste last carried through the memo.
  const TextLineList& memo() const { return memo_; }
  // The picture last built for Copy or Save as "Grid".
  const QImage& image() const { return image_; }

  int CopySaveChoice() const;
  void SetCopySaveChoice(int item);

  // Controls and menu items, for tests and for driving the window.
  KvenGrid* kvenGrid() const { return grid_; }
  QScrollArea* scrollArea() const { return scroll_; }
  QLineEdit* editH() const { return editH_; }
  QLineEdit* editV() const { return editV_; }
  SpinButton* spinH() const { return spinH_; }
  SpinButton* spinV() const { return spinV_; }
  QLineEdit* edTitle() const { return edTitle_; }
  QLineEdit* edNum() const { return edNum_; }
  QLabel* lblNum() const { return lblNum_; }
  QButtonGroup* radGrpCS() const { return radGrpCS_; }

  QAction *miNew = nullptr, *miOpen = nullptr, *miSave = nullptr, *miPrint = nullptr, *miExit = nullptr;
  QAction *miCopy = nullptr, *miPaste = nullptr, *miClear = nullptr;
  QAction *miHbar = nullptr, *miVbar = nullptr, *miBlock = nullptr, *miNumber = nullptr, *miAuto = nullptr,
          *miManual = nullptr, *miLetter = nullptr;
  QAction *miNone = nullptr, *miTwo = nullptr, *miFour = nullptr;
  QAction* miInstr = nullptr;
  QMenu *mnFile = nullptr, *mnEdit = nullptr, *mnEntry = nullptr, *mnNumber = nullptr, *mnSymm = nullptr,
        *mnHelp = nullptr;

  // --- PuzzleView ---
  void InvalidateGrid() override;
  void RepaintGrid() override;
  void PaintNumber(int col, int row, std::int32_t number) override;
  void DrawLetter(int col, int row, char ch) override;
  void ClearLetterArea(int col, int row) override;
  void PaintCursorArrow(int col, int row, std::uint8_t direction) override;
  void ChangeBarWidth(int oldWidth, int newWidth) override;
  void SetGridBrushWhite() override;
  void SetGridCells(int cols, int rows) override;
  void SetGridPixelSize(int width, int height) override;
  void FitWindowToGrid(int hSquares, int vSquares, int gridWidth, int gridHeight) override;
  void ShowSize(int hSquares, int vSquares) override;
  void EnableFourfold() override;
  void WithdrawFourfoldUnlessBlockChecked() override;
  void WhitenSquares() override;
  void HideNumberEntry() override;
  void SetTitleField(const std::string& title) override;
  void CheckSymmetry(std::int32_t order) override;
  void CheckManual() override;
  void ReportInvalidData() override;
  std::string NumberFieldText() override;
  void SetNumberFieldText(const std::string& text) override;

 public slots:
  void miNewClick();
  void miOpenClick();
  void miSaveClick();
  void miPrintClick();
  void miExitClick();
  void miCopyClick();
  void miPasteClick();
  void miClearClick();
  void miHbarClick();
  void miVbarClick();
  void miBlockClick();
  void miAutoClick();
  void miManualClick();
  void miLetterClick();
  void miNoneClick();
  void miTwoClick();
  void miFourClick();
  void miInstrClick();
  void SpinHUpClick();
  void SpinHDownClick();
  void SpinVUpClick();
  void SpinVDownClick();
  void edTitleChange(const QString& text);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  // Runs one command; a range error ends it and is reported.
  void RunCommand(const std::function<void()>& command);
  // The window parts of File > New, after the core's.
  void NewWindowParts();
  void DoCopy();
  void BuildPicture();
  void ClearCursorLetterArea();
  void HideNumberFields();
  // Entry > Hbar or Vbar: the mode, its check mark, and Fourfold withdrawn on odd sides.
  void EnterBarMode(std::int32_t mode, QAction* item);
  void ShowRangeError(const char* what);
  bool WriteFile(const QString& name, const QByteArray& bytes);
  void ResizeTo(int width, int height);
  QSize ScreenSize() const;
  QString SaveProposal(const QString& name) const;
  void RememberFolder(const QString& fileName);

  Dialogs& dialogs_;
  Instrform* instrform_ = nullptr;
  Puzzle puzzle_;
  EditorState editor_;
  TextLineList memo_;
  QImage image_;
  bool started_ = false;
  bool manualMarked_ = false;
  QString lastOpenName_;
  QString lastFolder_;
  std::set<std::pair<Key, char>> keysDown_;  // pressed on the grid, not yet released
  std::unique_ptr<QPrinter> printer_;
  QPrinter* activePrintJob_ = nullptr;

  QScrollArea* scroll_ = nullptr;
  KvenGrid* grid_ = nullptr;
  QLineEdit* editH_ = nullptr;
  QLineEdit* editV_ = nullptr;
  SpinButton* spinH_ = nullptr;
  SpinButton* spinV_ = nullptr;
  QLineEdit* edTitle_ = nullptr;
  QLineEdit* edNum_ = nullptr;
  QLabel* lblNum_ = nullptr;
  QButtonGroup* radGrpCS_ = nullptr;
};

}  // namespace kven
