#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QDialog;
class QFileDialog;
class QPrinter;
class QWidget;

namespace kven {

// The answer to the question asked before unsaved work would be lost.
enum class UnsavedChoice { Save, Discard, Cancel };

// Everything modal the main window shows goes through here, so a test can
// answer from a script instead of waiting for a user.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The chosen file name, or an empty string when the user cancels.
  virtual QString getOpenFileName(QWidget* parent, const QString& proposed, const QString& filter) = 0;
  // filterIndex is 1-based into filters, as the save commands choose it.
  virtual QString getSaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters,
                                  int filterIndex) = 0;
  // The program's standard error report (file errors, range errors).
  virtual void showError(QWidget* parent, const QString& message) = 0;
  // The decoder's one message: an error box with a single OK button.
  virtual void showInvalidData(QWidget* parent, const QString& message) = 0;
  // Something the user should know that is no error (what an import left out).
  virtual void showInformation(QWidget* parent, const QString& message) = 0;
  // The print dialog with printing to a file offered; true when confirmed.
  virtual bool runPrintDialog(QWidget* parent, QPrinter& printer) = 0;
  // Shows a window of the program modally and returns when it is closed.
  virtual void execDialog(QDialog& dialog) = 0;
  // Asks `question`: whether to save the changed puzzle before it goes
  // (the program ends, New or Open replaces it).
  virtual UnsavedChoice askUnsavedChanges(QWidget* parent, const QString& question) = 0;
};

// The dialog QtDialogs::getSaveFileName shows: `proposed` (a path) in its
// folder and its name exactly as given, the filter filters[filterIndex - 1]
// chosen, no suffix added to what the user confirms. The filter is chosen
// before the name is put in: choosing it afterwards would give the name the
// filter's first suffix (*.TXT makes Xword.txt Xword.TXT).
std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& proposed, const QStringList& filters,
                                            int filterIndex);

// The real dialogs of the desktop.
class QtDialogs : public Dialogs {
 public:
  QString getOpenFileName(QWidget* parent, const QString& proposed, const QString& filter) override;
  QString getSaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters,
                          int filterIndex) override;
  void showError(QWidget* parent, const QString& message) override;
  void showInvalidData(QWidget* parent, const QString& message) override;
  void showInformation(QWidget* parent, const QString& message) override;
  bool runPrintDialog(QWidget* parent, QPrinter& printer) override;
  void execDialog(QDialog& dialog) override;
  UnsavedChoice askUnsavedChanges(QWidget* parent, const QString& question) override;
};

}  // namespace kven
