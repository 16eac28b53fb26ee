#pragma once

#include <QSize>
#include <string>

#include "app/form_layout.h"
#include "document/document.h"
#include "editing/undo_history.h"

class QMainWindow;

namespace kven {

class FormView;

// What Undo and Redo put back: the document's content (the puzzle, its clues
// and facts, the styles of its squares), the solution cursor, and what the
// window showed of them (its size, the symmetry and numbering checks). The
// window's size is put back only with a change of the puzzle's size, so a
// window the user resized stays as it is over every other step.
struct FormState {
  DocumentContent content;
  std::int32_t cursorCol = 1;
  std::int32_t cursorRow = 1;
  Direction direction = Direction::Right;
  QSize windowSize;
  std::int32_t checkedSymmetry = -1;  // the order whose item is checked; -1 for none
  bool fourfoldEnabled = true;
  bool manualChecked = false;
  bool manualMarked = false;
  bool numberChecked = false;
};

// The main window's undo history: takes the window's state before and after
// each change of the puzzle, puts a state back on Undo and Redo, and keeps
// Edit > Undo and Redo enabled and captioned ("Undo Clear"). The entry mode,
// the bar thickness and the Copy/Save choice are the user's settings, not
// the puzzle's, and stay as they are.
class FormHistory {
 public:
  FormHistory(QMainWindow& window, Document& document, const FormControls& controls, const FormMenus& menus,
              FormView& view);

  FormState Capture() const;
  // A change named `name` led from `before` to the window as it is now;
  // `extend` makes one step of a burst of the same change.
  void Record(const std::string& name, const FormState& before, bool extend = false);
  // Put back the state before (after) a step; false when there is none.
  bool Undo();
  bool Redo();
  // True while a state is being put back: the controls' own change
  // handlers must then make no step of it.
  bool Restoring() const { return restoring_; }

 private:
  void Restore(const FormState& state);
  void UpdateMenu();

  QMainWindow& window_;
  Document& document_;
  const FormControls& c_;
  const FormMenus& m_;
  FormView& view_;
  UndoHistory<FormState> history_;
  bool restoring_ = false;
};

}  // namespace kven
