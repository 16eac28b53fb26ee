#pragma once

#include <QWidget>

class QToolButton;

namespace kven {

// A pair of arrow buttons, one above the other, with no value of its own:
// the window decides what a click on either arrow means.
class SpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButton(QWidget* parent = nullptr);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void upClicked();
  void downClicked();

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace kven
