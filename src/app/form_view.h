#pragma once

#include <QSize>
#include <QString>
#include <functional>

#include "app/form_layout.h"
#include "model/puzzle_view.h"

class QMainWindow;
class QPrinter;

namespace kven {

class Dialogs;
class Document;

// The core's view of the main window: the window steps of a reset, the
// reader's menu checks, title field and failure report, and the manual
// number field, each carried out on the window's controls; and the
// controls the window's own commands set. The grid operations go to the
// grid control itself.
class FormView final : public PuzzleView {
 public:
  FormView(QMainWindow& window, const FormControls& controls, const FormMenus& menus, Dialogs& dialogs,
           const Document& document);

  GridView& Grid() override;
  void FitWindowToGrid(int hSquares, int vSquares) override;
  void ShowSize(int hSquares, int vSquares) override;
  void EnableFourfold() override;
  void WithdrawFourfoldUnlessBlockChecked() override;
  void HideNumberEntry() override;
  // Shows the document's title with every character while its single bytes
  // are `title`; the field's change handler must take this for no edit.
  void SetTitleField(const std::string& title) override;
  void CheckSymmetry(std::int32_t order) override;
  void CheckManual() override;
  void ReportInvalidData() override;
  std::string NumberFieldText() override;
  void SetNumberFieldText(const std::string& text) override;

  // Whether a text with manual numbers has been read: only that gives
  // Entry > Number > Manual its check mark. Undo puts both back.
  bool ManualMarked() const { return manualMarked_; }
  void SetManualMark(bool marked, bool checked);
  // The print job under way, which an invalid-data report aborts; null when none is.
  void SetPrintJob(QPrinter* printer) { printJob_ = printer; }

  // The number field and its label are hidden (without touching Number).
  void HideNumberFields();
  // What "Copy/Save as" has selected, and selecting it.
  CopySaveAs CopySaveChoice() const;
  void SetCopySaveChoice(CopySaveAs choice);
  // Twofold and Hbar checked, as at start-up and after New.
  void CheckStartUpItems();

  // The window's size that shows its controls and the whole grid at its
  // zoom without scrolling.
  QSize WholeWindowSize();
  // The window at `size`, kept on the screen; then `fitted` runs.
  void ResizeWindow(QSize size);
  // Runs after every resize of the window by the program.
  std::function<void()> fitted;

 private:
  QMainWindow& window_;
  const FormControls& c_;
  const FormMenus& m_;
  Dialogs& dialogs_;
  const Document& document_;
  bool manualMarked_ = false;
  QPrinter* printJob_ = nullptr;
};

}  // namespace kven
