#pragma once

#include <QDialog>
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>

#include "app/dialogs.h"

namespace kven::test {

// Answers every modal question from a script and records what was shown;
// nothing waits for a user. A missing answer is a cancel.
class ScriptedDialogs : public Dialogs {
 public:
  struct SaveRequest {
    QString proposed;
    int filterIndex = 0;
  };

  std::deque<QString> openAnswers;
  std::deque<QString> saveAnswers;
  // Print dialog: confirmed when set; the printer then prints to this PDF file.
  bool printConfirmed = false;
  QString printToFile;
  // The answers to the question before unsaved work is lost; none left, Cancel.
  std::deque<kven::UnsavedChoice> unsavedAnswers;
  int unsavedQuestions = 0;
  QStringList questions;  // the questions asked before unsaved work was lost
  // Runs while a program window is shown modally.
  std::function<void(QDialog&)> whileShown;

  QStringList openProposals;
  QStringList openFilters;
  std::vector<SaveRequest> saveRequests;
  QStringList errors;
  QStringList invalidData;
  QStringList information;
  int printDialogs = 0;

  QString getOpenFileName(QWidget*, const QString& proposed, const QString& filter) override {
    openProposals << proposed;
    openFilters << filter;
    return Next(openAnswers);
  }
  QString getSaveFileName(QWidget*, const QString& proposed, const QStringList&, int filterIndex) override {
    saveRequests.push_back({proposed, filterIndex});
    return Next(saveAnswers);
  }
  void showError(QWidget*, const QString& message) override { errors << message; }
  void showInvalidData(QWidget*, const QString& message) override { invalidData << message; }
  void showInformation(QWidget*, const QString& message) override { information << message; }
  bool runPrintDialog(QWidget*, QPrinter& printer) override {
    ++printDialogs;
    if (!printConfirmed) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
    return true;
  }
  void execDialog(QDialog& dialog) override {
    dialog.show();
    if (whileShown) whileShown(dialog);
    dialog.hide();
  }
  kven::UnsavedChoice askUnsavedChanges(QWidget*, const QString& question) override {
    ++unsavedQuestions;
    questions << question;
    if (unsavedAnswers.empty()) return kven::UnsavedChoice::Cancel;
    const kven::UnsavedChoice answer = unsavedAnswers.front();
    unsavedAnswers.pop_front();
    return answer;
  }

 private:
  static QString Next(std::deque<QString>& answers) {
    if (answers.empty()) return QString();
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace kven::test
