#include "app/dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/kven_form_texts.h"

namespace kven {

QString QtDialogs::getOpenFileName(QWidget* parent, const QString& proposed, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, QString(), proposed, filter);
}

std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& proposed, const QStringList& filters,
                                            int filterIndex) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size()) dialog->selectNameFilter(filters.at(filterIndex - 1));
  const QFileInfo file(proposed);
  dialog->setDirectory(file.absolutePath());
  dialog->selectFile(file.fileName());
  return dialog;
}

QString QtDialogs::getSaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters,
                                   int filterIndex) {
  const std::unique_ptr<QFileDialog> dialog = MakeSaveDialog(parent, proposed, filters, filterIndex);
  if (dialog->exec() != QDialog::Accepted) return QString();
  return dialog->selectedFiles().value(0);
}

void QtDialogs::showError(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, form_text::ApplicationTitle, message);
}

void QtDialogs::showInvalidData(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, form_text::ErrorCaption, message, QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::showInformation(QWidget* parent, const QString& message) {
  QMessageBox::information(parent, form_text::ApplicationTitle, message);
}

bool QtDialogs::runPrintDialog(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::execDialog(QDialog& dialog) { dialog.exec(); }

UnsavedChoice QtDialogs::askUnsavedChanges(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Warning, form_text::UnsavedCaption, question, QMessageBox::NoButton, parent);
  // Captions of our own, so each answer has its access key on every desktop.
  QPushButton* save = box.addButton(form_text::UnsavedSave, QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(form_text::UnsavedDiscard, QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return UnsavedChoice::Save;
  if (box.clickedButton() == discard) return UnsavedChoice::Discard;
  return UnsavedChoice::Cancel;
}

}  // namespace kven
