#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/form_host.h"
#include "app/form_layout.h"
#include "document/document.h"
#include "editing/solution_entry.h"
#include "text/text_lines.h"

namespace kven {

class Dialogs;
class FormFiles;
class FormHistory;
class FormPublishing;
class FormView;
class Instrform;
class SideWindows;

// The main window: owns the one Document and turns each menu command,
// spinner click, title edit and grid event into calls of the core. Its
// controls and menus are built by form_layout, the core sees it through
// FormView, files and the clipboard are FormFiles', the side windows
// SideWindows', and every change of the document passes through Change,
// which records it for Undo. Every modal thing it shows goes through the
// Dialogs it is given.
class KvenForm : public QMainWindow, private FormHost {
  Q_OBJECT

 public:
  explicit KvenForm(Dialogs& dialogs, QWidget* parent = nullptr);
  ~KvenForm() override;

  // The window that Help > How to Use shows; none, and the command does nothing.
  void SetInstructionsWindow(Instrform* instr) { instrform_ = instr; }

  // Sets the start-up state; runs once, at the window's first showing.
  void FormActivate();

  const Document& doc() const { return document_; }
  const Puzzle& puzzle() const { return document_.puzzle(); }
  const EditorState& editor() const { return document_.editor(); }
  // The clues and facts kept beside the puzzle.
  const PuzzleClues& clues() const { return document_.clues(); }
  // What Copy and Paste last carried as text.
  const TextLines& memo() const;
  // The picture last built for Copy or Save as "Grid".
  const QImage& image() const;

  CopySaveAs CopySaveChoice() const;
  void SetCopySaveChoice(CopySaveAs choice);

 protected:
  void showEvent(QShowEvent* event) override;
  // File > Exit and the frame's close button: asks first when work would be lost.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // --- FormHost ---
  Document& document() override { return document_; }
  QMainWindow& window() override { return *this; }
  KvenGrid& grid() override { return *controls_.grid; }
  FormView& view() override { return *view_; }
  // Runs one command. A range error ends it and is reported. When the
  // document changed, however the command ended, the change is one step
  // named `name` for Undo, and the marks made on the grid go.
  void Change(const std::string& name, const std::function<void()>& command, bool extend = false) override;
  void RevealClues() override;

  void ConnectCommands();
  // Unmarks the findings, which a change of the puzzle (Undo and Redo too)
  // leaves behind.
  void ForgetFindings();
  void ShowError(const char* what);
  // Checks the Symmetry item of the puzzle's symmetry (none for another
  // value), and Number while the numbers are by hand.
  void ShowMenuMarks();

  // --- the commands of the modes, the size, the title and the grid ---
  void miPropertiesClick();
  void miBlockClick();
  void miAutoClick();
  void miManualClick();
  void miLetterClick();
  // Entry > Circle or Shade: a click toggles the square's mark.
  void EnterStyleMode(EntryMode mode, QAction* item);
  // Entry > Toggle Circle or Toggle Shade: on the solution cursor's square.
  void ToggleStyleAtCursor(StyleMark mark);
  void ChooseSymmetry(std::int32_t order, QAction* item);
  // Entry > Hbar or Vbar: the mode, its check mark, and Fourfold withdrawn on odd sides.
  void EnterBarMode(EntryMode mode, QAction* item);
  void ResizeBy(int columns, int rows);
  // The reset of a size command.
  void Reset();
  // A size typed into EditH or EditV: resizes to it as the spinners do.
  void TypedSize();
  // View > Zoom: the grid at `zoom`, the window fitted to it.
  void SetZoom(double zoom);
  void edTitleChange(const QString& text);
  void SquarePressed(int col, int row);
  void KeyReleased(const KeyEvent& key);
  void ClearCursorLetterArea();

  Dialogs& dialogs_;
  Instrform* instrform_ = nullptr;
  Document document_;
  bool started_ = false;
  int commandDepth_ = 0;

  FormControls controls_;
  FormMenus menus_;
  std::unique_ptr<FormView> view_;
  std::unique_ptr<FormFiles> files_;
  std::unique_ptr<FormPublishing> publishing_;
  std::unique_ptr<FormHistory> history_;
  SideWindows* sides_ = nullptr;  // a child of the window
};

}  // namespace kven
