// The main window's Entry commands and the grid's clicks and keys: the
// modes a click works in, numbering, and the squares' circles and shades.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "app/form_view.h"
#include "app/kven_form.h"
#include "app/kven_form_texts.h"
#include "app/side_windows.h"
#include "editing/numbering.h"
#include "editing/solution_entry.h"
#include "editing/symmetry.h"
#include "render/kven_grid.h"

namespace kven {

namespace {

StyleMark MarkOfMode(EntryMode mode) { return mode == EntryMode::Circle ? StyleMark::Circle : StyleMark::Shade; }

const char* ChangeOfMark(StyleMark mark) {
  return mark == StyleMark::Circle ? form_text::change::Circle : form_text::change::Shade;
}

}  // namespace


void KvenForm::ClearCursorLetterArea() {
  // The grid leaves a cursor that ran off the grid or stands on a block alone.
  controls_.grid->ClearLetterArea(document_.editor().CursorCol, document_.editor().CursorRow);
}

void KvenForm::miBlockClick() {
  ClearCursorLetterArea();
  document_.editor().EntryMode = EntryMode::Block;
  menus_.miBlock->setChecked(true);
  menus_.miFour->setEnabled(true);
  view_->HideNumberFields();
}

void KvenForm::EnterBarMode(EntryMode mode, QAction* item) {
  ClearCursorLetterArea();
  document_.editor().EntryMode = mode;
  item->setChecked(true);
  // Quarter turns of bars need even sides; Symmetry itself keeps its value,
  // and so does the mark that shows it.
  if (OddFlags(document_.puzzle()) > 0) menus_.miFour->setEnabled(false);
  view_->HideNumberFields();
}

void KvenForm::miAutoClick() {
  if (document_.editor().EntryMode == EntryMode::ManualNumber) return;
  Change(form_text::change::AutoNumbering, [&] {
    ClearCursorLetterArea();
    AutoNumber(document_.puzzle(), grid());
    menus_.miNumber->setChecked(true);
  });
}

void KvenForm::miManualClick() {
  Change(form_text::change::ManualNumbering, [&] {
    // Manual carries a mark only once a text with manual numbers was read;
    // its own command never changes the mark.
    menus_.miManual->setChecked(view_->ManualMarked());
    ClearCursorLetterArea();
    document_.editor().EntryMode = EntryMode::ManualNumber;
    SetNumberingKind(document_.puzzle(), NumberingKind::Manual);
    menus_.miNumber->setChecked(true);
    controls_.lblNum->show();
    controls_.edNum->show();
    controls_.edNum->setText(form_text::FirstManualNumber);
  });
}

void KvenForm::miLetterClick() {
  document_.editor().EntryMode = EntryMode::Solution;
  menus_.miLetter->setChecked(true);
  menus_.miNumber->setChecked(false);
  controls_.grid->setFocus();
  StartSolutionEntry(document_.puzzle(), document_.editor(), grid());
  view_->HideNumberFields();
}

void KvenForm::EnterStyleMode(EntryMode mode, QAction* item) {
  ClearCursorLetterArea();
  document_.editor().EntryMode = mode;
  item->setChecked(true);
  view_->HideNumberFields();
}

void KvenForm::ToggleStyleAtCursor(StyleMark mark) {
  const EditorState& e = document_.editor();
  Change(ChangeOfMark(mark), [&] { document_.ToggleStyle(mark, e.CursorCol, e.CursorRow); });
}

void KvenForm::SquarePressed(int col, int row) {
  const EntryMode mode = document_.editor().EntryMode;
  if (mode == EntryMode::Circle || mode == EntryMode::Shade) {
    const StyleMark mark = MarkOfMode(mode);
    Change(ChangeOfMark(mark), [&] { document_.ToggleStyle(mark, col, row); });
    sides_->SquarePressed(col, row);
    return;
  }
  const char* name = form_text::change::Number;
  if (mode == EntryMode::Block) name = form_text::change::Block;
  if (mode == EntryMode::Hbar || mode == EntryMode::Vbar) name = form_text::change::Bar;
  Change(name, [&] {
    const Puzzle before = document_.puzzle();
    KvenGridMouseDown(document_.puzzle(), document_.editor(), *view_, col, row);
    // Numbering leaves a block's old number box standing; the repaint fills it.
    if (document_.AfterEdit(before, grid())) controls_.grid->InvalidateGrid();
  });
  sides_->SquarePressed(col, row);
}

void KvenForm::KeyReleased(const KeyEvent& key) {
  Change(key.key == Key::Backspace ? form_text::change::Backspace : form_text::change::Letter,
         [&] { KvenGridKeyUp(document_.puzzle(), document_.editor(), grid(), key); });
}

}  // namespace kven
