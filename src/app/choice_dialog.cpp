#include "app/choice_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/dialogs.h"
#include "app/program_settings.h"

namespace kven {

ChoiceDialog::ChoiceDialog(const QString& caption, const QString& choice, bool checked, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QLatin1String("ChoiceDialog"));
  setWindowTitle(caption);
  box_ = new QCheckBox(choice, this);
  box_->setObjectName(QLatin1String("cbChoice"));
  box_->setChecked(checked);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box_);
  layout->addWidget(buttons);
}

bool ChoiceDialog::Checked() const { return box_->isChecked(); }

std::optional<bool> AskRemembered(Dialogs& dialogs, QWidget* parent, const QString& caption, const QString& choice,
                                  const QString& key, bool fallback) {
  ChoiceDialog dialog(caption, choice, ProgramSettings().value(key, fallback).toBool(), parent);
  dialogs.execDialog(dialog);
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  ProgramSettings().setValue(key, dialog.Checked());
  return dialog.Checked();
}

}  // namespace kven
