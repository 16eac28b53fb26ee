#pragma once

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "app/instr_form.h"
#include "app/spin_button.h"
#include "form_driver.h"
#include "scripted_dialogs.h"

namespace kven::test {

// The main window, shown, with its instructions window, answering every
// question from a script; and what a user does to it.
struct Window {
  ScriptedDialogs dialogs;
  KvenForm form{dialogs};
  Instrform instr{&form};

  Window() {
    form.SetInstructionsWindow(&instr);
    form.show();
  }
  const Puzzle& puzzle() const { return form.puzzle(); }
  QAction& Item(const char* name) { return Find<QAction>(form, name); }
  void Trigger(const char* name) { test::Trigger(form, name); }
  QLineEdit& Field(const char* name) { return Find<QLineEdit>(form, name); }
  KvenGrid& Grid() { return test::Grid(form); }
  void Click(int col, int row) { QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().CellRect(col, row).center()); }
  void Spin(const char* spinner, bool up) {
    auto& button = Find<SpinButton>(form, spinner);
    QTest::mouseClick(up ? button.upButton() : button.downButton(), Qt::LeftButton);
  }
  // The size spinners to h x v, from any size: the upper one moves both sides.
  void ResizeTo(int h, int v) {
    while (puzzle().HSquares != h) Spin("SpinH", puzzle().HSquares < h);
    while (puzzle().VSquares != v) Spin("SpinV", puzzle().VSquares < v);
  }
  void Paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    Trigger("miPaste");
  }
  // Answers every question before an export or a print with its box as
  // given, and OK; records how the box stood when asked.
  void AnswerChoices(bool checked) {
    dialogs.whileShown = [this, checked](QDialog& dialog) {
      auto& box = Find<QCheckBox>(dialog, "cbChoice");
      choicesAsked << box.isChecked();
      box.setChecked(checked);
      dialog.accept();
    };
  }
  QList<bool> choicesAsked;
};

}  // namespace kven::test
