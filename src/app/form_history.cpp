#include "app/form_history.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>

#include "app/form_view.h"
#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "app/window_fit.h"
#include "render/kven_grid.h"

namespace kven {

FormHistory::FormHistory(QMainWindow& window, Puzzle& puzzle, PuzzleClues& clues, EditorState& editor,
                         const FormControls& controls, const FormMenus& menus, FormView& view)
    : window_(window), puzzle_(puzzle), clues_(clues), editor_(editor), c_(controls), m_(menus), view_(view) {
  UpdateMenu();
}

FormState FormHistory::Capture() const {
  FormState state;
  state.puzzle = puzzle_;
  state.clues = clues_;
  state.cursorCol = editor_.CursorCol;
  state.cursorRow = editor_.CursorRow;
  state.direction = editor_.Direction;
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
  const bool resized = puzzle_.HSquares != state.puzzle.HSquares || puzzle_.VSquares != state.puzzle.VSquares;
  puzzle_ = state.puzzle;
  clues_ = state.clues;
  editor_.CursorCol = state.cursorCol;
  editor_.CursorRow = state.cursorRow;
  editor_.Direction = state.direction;
  c_.grid->SetSquareCount(puzzle_.HSquares, puzzle_.VSquares);
  c_.grid->InvalidateGrid();
  view_.ShowSize(puzzle_.HSquares, puzzle_.VSquares);
  view_.SetTitleField(puzzle_.Title);
  for (auto [item, order] : {std::pair{m_.miNone, NoSymmetry}, {m_.miTwo, Twofold}, {m_.miFour, Fourfold}})
    item->setChecked(state.checkedSymmetry == order);
  m_.miFour->setEnabled(state.fourfoldEnabled);
  view_.SetManualMark(state.manualMarked, state.manualChecked);
  m_.miNumber->setChecked(state.numberChecked);
  if (resized) ResizeOnScreen(window_, state.windowSize);
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
