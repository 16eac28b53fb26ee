#pragma once

#include <QDialog>

class QAction;
class QPlainTextEdit;
class QPushButton;

namespace kven {

// The instructions window: the instructions for use or the definition of
// the KVEN text, one at a time, with a menu item that switches between them.
// Created once, hidden; OK or the frame's close button hides it again.
class Instrform : public QDialog {
  Q_OBJECT

 public:
  explicit Instrform(QWidget* parent = nullptr);

  bool ShowingInstructions() const { return showingInstructions_; }

  // Controls, for the main window's tests and for driving the window.
  QAction* miDef() const { return miDef_; }
  QPlainTextEdit* memoInstr() const { return memoInstr_; }
  QPlainTextEdit* memoLangDef() const { return memoLangDef_; }
  QPushButton* btnOK() const { return btnOK_; }

 public slots:
  void miDefClick();
  void BtnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Every showing starts with the instructions, so the shown text, the
  // caption of miDef and ShowingInstructions always agree.
  void FormShow();
  void ShowChosenText();

  bool showingInstructions_ = false;
  QAction* miDef_ = nullptr;
  QPlainTextEdit* memoInstr_ = nullptr;
  QPlainTextEdit* memoLangDef_ = nullptr;
  QPushButton* btnOK_ = nullptr;
};

}  // namespace kven
