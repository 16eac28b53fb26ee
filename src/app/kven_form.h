#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/form_layout.h"
#include "clues/puzzle_clues.h"
#include "editing/solution_entry.h"
#include "model/puzzle.h"
#include "text/text_lines.h"

class QPrinter;

namespace kven {

class CheckWindow;
class CluesPanel;
class Dialogs;
class FillPanel;
class FormHistory;
class FormView;
class Instrform;
class Transfer;

// The main window: owns the one Puzzle and EditorState and turns each menu
// command, spinner click, title edit and grid event into calls of the core.
// Its controls and menus are built by form_layout, the core sees it through
// FormView, texts and pictures go in and out through Transfer, and every
// change of the puzzle passes through Change, which records it for Undo.
// Every modal thing it shows goes through the Dialogs it is given.
class KvenForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit KvenForm(Dialogs& dialogs, QWidget* parent = nullptr);
  ~KvenForm() override;

  // The window that Help > How to Use shows; none, and the command does nothing.
  void SetInstructionsWindow(Instrform* instr) { instrform_ = instr; }

  // Sets the start-up state; runs once, at the window's first showing.
  void FormActivate();

  const Puzzle& puzzle() const { return puzzle_; }
  const EditorState& editor() const { return editor_; }
  // The clues and facts kept beside the puzzle.
  const PuzzleClues& clues() const { return clues_; }
  // What Copy and Paste last carried as text.
  const TextLines& memo() const { return memo_; }
  // The picture last built for Copy or Save as "Grid".
  const QImage& image() const { return image_; }

  CopySaveAs CopySaveChoice() const;
  void SetCopySaveChoice(CopySaveAs choice);

 protected:
  void showEvent(QShowEvent* event) override;
  // File > Exit and the frame's close button: asks first when the puzzle
  // changed since it was last saved or copied.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectCommands();
  // Runs one command. A range error ends it and is reported. When the
  // puzzle changed, however the command ended, the change is one step named
  // `name` for Undo (with `extend`, part of the last step when that was a
  // change of the same name), and marks the check made on the grid go. A
  // command run by another is part of that one.
  void Change(const std::string& name, const std::function<void()>& command, bool extend = false);
  // Unmarks the check's findings, which a change of the puzzle (Undo and
  // Redo too) leaves behind.
  void ForgetFindings();
  void ShowError(const char* what);
  // Checks the Symmetry item of the puzzle's symmetry (none for another
  // value), and Number while the numbers are by hand.
  void ShowMenuMarks();
  // Numbers the puzzle again when it is numbered automatically and a block or
  // bar changed since `before`.
  void RenumberAfterEdit(const Puzzle& before);

  // --- the commands, one per menu item, spinner click and grid event ---
  void miNewClick();
  void miOpenClick();
  void miSaveClick();
  void miExportIpuzClick();
  // Saves the puzzle as a KVEN text, or as an ipuz document with its clues;
  // false when cancelled or not written.
  bool SaveKvenText();
  bool SaveIpuz();
  // What was just saved, copied or read can be had again: the puzzle, and
  // with `withClues` (an ipuz document) its clues too.
  void MarkKept(bool withClues);
  // Whether the program may end: nothing unsaved, or the user saved or
  // discarded it.
  bool MayEnd();
  void miExportSvgClick();
  void miExportPdfClick();
  void miPrintClick();
  void miCopyClick();
  void miPasteClick();
  void miClearClick();
  void miBlockClick();
  void miAutoClick();
  void miManualClick();
  void miLetterClick();
  void miCheckClick();
  void miPropertiesClick();
  // The clues panel shows the clues as they are now.
  void ShowClues();
  // An edit of the clue chosen in the panel; a burst of typing in one clue is one step.
  void EditChosenClue(const char* what, const std::function<void(std::size_t)>& edit);
  // Once a run: KVEN text has no room for the clues the puzzle has.
  void TellKvenTextHoldsNoClues();
  void miFillClick();
  void ChooseSymmetry(std::int32_t order, QAction* item);
  // Entry > Hbar or Vbar: the mode, its check mark, and Fourfold withdrawn on odd sides.
  void EnterBarMode(EntryMode mode, QAction* item);
  void ResizeBy(int columns, int rows);
  // A size typed into EditH or EditV: resizes to it as the spinners do.
  void TypedSize();
  // View > Zoom: the grid at `zoom`, the window fitted to it.
  void SetZoom(double zoom);
  void edTitleChange(const QString& text);
  void SquarePressed(int col, int row);
  void KeyReleased(const KeyEvent& key);

  // Reads a text that Open or Paste brought, which it keeps as the memo; an
  // ipuz document that cannot be imported is refused before New (for Open)
  // and leaves the puzzle untouched. `document` is the text as UTF-8 when
  // its bytes are not (the clipboard's). False when nothing was read.
  bool ReadText(std::string text, bool startWithNew, std::optional<std::string> document = std::nullopt);
  void BuildPicture();
  void ClearCursorLetterArea();

  Dialogs& dialogs_;
  Instrform* instrform_ = nullptr;
  Puzzle puzzle_;
  PuzzleClues clues_;
  EditorState editor_;
  TextLines memo_;
  QImage image_;
  // The puzzle as last saved, copied or read as a text (or ipuz document),
  // which can be had again.
  Puzzle kept_;
  PuzzleClues keptClues_;
  bool started_ = false;
  int commandDepth_ = 0;
  std::unique_ptr<QPrinter> printer_;

  FormControls controls_;
  FormMenus menus_;
  std::unique_ptr<FormView> view_;
  std::unique_ptr<Transfer> transfer_;
  std::unique_ptr<FormHistory> history_;
  CheckWindow* check_ = nullptr;  // made at its first showing; a child of the window
  CluesPanel* cluesPanel_ = nullptr;
  bool toldNoClues_ = false;
  FillPanel* fill_ = nullptr;     // made at its first showing; a child of the window
};

}  // namespace kven
