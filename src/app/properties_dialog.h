#pragma once

#include <QDialog>

#include "clues/puzzle_clues.h"

class QLineEdit;
class QPlainTextEdit;

namespace kven {

// File > Puzzle Properties...: the title (with every character), author,
// copyright and notes, edited in place of the given facts; Accepted when the
// user confirms.
class PropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  PropertiesDialog(const PuzzleFacts& facts, const QString& title, QWidget* parent = nullptr);

  // The facts as the fields have them (intro as it was given); the title in UTF-8.
  PuzzleFacts Facts() const;

 private:
  PuzzleFacts given_;
  QLineEdit* title_ = nullptr;
  QLineEdit* author_ = nullptr;
  QLineEdit* copyright_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
};

}  // namespace kven
