#include "app/dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "app/kven_form_texts.h"

namespace kven {

QString QtDialogs::getOpenFileName(QWidget* parent, const QString& proposed, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, QString(), proposed, filter);
}

QString QtDialogs::getSaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters,
                                   int filterIndex) {
  QString selected = filters.value(filterIndex - 1);
  return QFileDialog::getSaveFileName(parent, QString(), proposed, filters.join(QLatin1String(";;")), &selected);
}

void QtDialogs::showError(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, form_text::ApplicationTitle, message);
}

void QtDialogs::showInvalidData(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, form_text::ErrorCaption, message, QMessageBox::Cancel, parent);
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

}  // namespace kven
