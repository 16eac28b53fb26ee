#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace kven {

// A small window of read-only text with an OK button: the page on what the
// program does beyond its instructions, and About.
class TextPage : public QDialog {
  Q_OBJECT

 public:
  TextPage(const QString& caption, const QString& text, QWidget* parent = nullptr);

  QPlainTextEdit* textBox() const { return text_; }

 private:
  QPlainTextEdit* text_ = nullptr;
};

// The texts of Help > Beyond the Instructions and Help > About.
QString BeyondInstructionsText();
QString AboutText();

}  // namespace kven
