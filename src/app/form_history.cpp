#include "app/form_history.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>

#include "app/form_view.h"
#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "render/kven_grid.h"

namespace kven {

FormHistory::FormHistory(QMainWindow& window, Document& document, const FormControls& controls, const FormMenus& menus,
                         FormView& view)
    : window_(window), document_(document), c_(controls), m_(menus), view_(view) {
  UpdateMenu();
}

FormState FormHistory::Capture() const {
  FormState state;
  state.content = document_.content();
  const EditorState& editor = document_.editor();
  state.cursorCol = editor.CursorCol;
  state.cursorRow = editor.CursorRow;
  state.direction = editor.Direction;
  state.windowSize = window_.size();
  if (m_.miNone->isChecked()) state.checkedSymmetry = NoSymmetry;
  if (m_.miTwo->isChecked()) state.checkedSymmetry = Twofold;
  if (m_.miFour->isChecked()) state.checkedSymmetry = Fourfold;
  state.fourfoldEnabled = m_.miFour->isEnabled();
  state.manualChecked = m_.miManual->isChecked();
  state.manualMarked = view_.ManualMarked();
  state.numberChecked = m_.miNumber->isChecked();
  return state;
}

void FormHistory::Record(const std::string& name, const FormState& before, bool extend) {
  history_.Record(name, before, Capture(), extend);
  UpdateMenu();
}

bool FormHistory::Undo() {
  if (!history_.CanUndo()) return false;
  Restore(history_.Undo());
  UpdateMenu();
  return true;
}

bool FormHistory::Redo() {
  if (!history_.CanRedo()) return false;
  Restore(history_.Redo());
  UpdateMenu();
  return true;
}

void FormHistory::Restore(const FormState& state) {
  restoring_ = true;
  const Puzzle& p = document_.puzzle();
  const bool resized = p.HSquares != state.content.puzzle.HSquares || p.VSquares != state.content.puzzle.VSquares;
  document_.content() = state.content;
  EditorState& editor = document_.editor();
  editor.CursorCol = state.cursorCol;
  editor.CursorRow = state.cursorRow;
  editor.Direction = state.direction;
  c_.grid->SetSquareCount(p.HSquares, p.VSquares);
  c_.grid->InvalidateGrid();
  view_.ShowSize(p.HSquares, p.VSquares);
  view_.SetTitleField(p.Title);
  for (auto [item, order] : {std::pair{m_.miNone, NoSymmetry}, {m_.miTwo, Twofold}, {m_.miFour, Fourfold}})
    item->setChecked(state.checkedSymmetry == order);
  m_.miFour->setEnabled(state.fourfoldEnabled);
  view_.SetManualMark(state.manualMarked, state.manualChecked);
  m_.miNumber->setChecked(state.numberChecked);
  if (resized) view_.ResizeWindow(state.windowSize);
  restoring_ = false;
}

void FormHistory::UpdateMenu() {
  m_.miUndo->setEnabled(history_.CanUndo());
  m_.miRedo->setEnabled(history_.CanRedo());
  m_.miUndo->setText(history_.CanUndo() ? form_text::MenuUndo + QLatin1Char(' ') + FromLatin1(history_.UndoName())
                                        : QString(form_text::MenuUndo));
  m_.miRedo->setText(history_.CanRedo() ? form_text::MenuRedo + QLatin1Char(' ') + FromLatin1(history_.RedoName())
                                        : QString(form_text::MenuRedo));
}

}  // namespace kven
