#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QCheckBox;

namespace kven {

class Dialogs;

// A short question before a command goes on: one check box ("cbChoice"),
// OK and Cancel.
class ChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  ChoiceDialog(const QString& caption, const QString& choice, bool checked, QWidget* parent = nullptr);
  bool Checked() const;

 private:
  QCheckBox* box_ = nullptr;
};

// Asks through `dialogs`, the box checked as it was answered last time
// under the settings key `key` (as `fallback` the first time), and
// remembers the answer. None when the user cancels.
std::optional<bool> AskRemembered(Dialogs& dialogs, QWidget* parent, const QString& caption, const QString& choice,
                                  const QString& key, bool fallback);

}  // namespace kven
