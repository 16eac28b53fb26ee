#include "app/form_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QScrollArea>
#include <QStyle>

#include "app/dialogs.h"
#include "app/qt_text.h"
#include "app/window_fit.h"
#include "document/document.h"
#include "render/kven_grid.h"

namespace kven {

FormView::FormView(QMainWindow& window, const FormControls& controls, const FormMenus& menus, Dialogs& dialogs,
                   const Document& document)
    : window_(window), c_(controls), m_(menus), dialogs_(dialogs), document_(document) {}

GridView& FormView::Grid() { return *c_.grid; }

void FormView::FitWindowToGrid(int hSquares, int vSquares) {
  FitRequest request;
  request.current = window_.size();
  request.hSquares = hSquares;
  request.vSquares = vSquares;
  request.grid = c_.grid->size();
  request.whole = WholeWindowSize();
  request.room = RoomOnScreen(window_);
  request.scrollBarExtent = c_.scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, c_.scroll);
  const WindowFit fit = FitWindow(request);
  // The scroll area takes the scroll range from its content, the grid included.
  if (fit.verticalScrollBar) c_.scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (fit.horizontalScrollBar) c_.scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ResizeWindow(fit.size);
}

void FormView::ResizeWindow(QSize size) {
  ResizeOnScreen(window_, size);
  if (fitted) fitted();
}

QSize FormView::WholeWindowSize() {
  // What the window has beside the scroll area (the menu bar, a status bar,
  // docked panels) stays; the scroll area must hold its content whole, with
  // the scroll bars that are on for good. A bar or panel just shown has its
  // room once the layout has run.
  if (QLayout* layout = window_.layout()) layout->activate();
  const QSize beside = window_.size() - c_.scroll->size();
  const int bar = c_.scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, c_.scroll);
  const QSize bars(c_.scroll->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? bar : 0,
                   c_.scroll->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? bar : 0);
  return beside + c_.scroll->widget()->sizeHint() + bars;
}

void FormView::ShowSize(int hSquares, int vSquares) {
  c_.editH->setText(QString::number(hSquares));
  c_.editV->setText(QString::number(vSquares));
}

void FormView::EnableFourfold() { m_.miFour->setEnabled(true); }

void FormView::WithdrawFourfoldUnlessBlockChecked() {
  // Only the item goes; its mark, like the symmetry, stays as it was.
  if (!m_.miBlock->isChecked()) m_.miFour->setEnabled(false);
}

void FormView::HideNumberFields() {
  c_.edNum->hide();
  c_.lblNum->hide();
}

CopySaveAs FormView::CopySaveChoice() const { return static_cast<CopySaveAs>(c_.copySaveAs->checkedId()); }

void FormView::SetCopySaveChoice(CopySaveAs choice) {
  if (auto* button = c_.copySaveAs->button(static_cast<int>(choice))) button->setChecked(true);
}

void FormView::CheckStartUpItems() {
  m_.miTwo->setChecked(true);
  m_.miHbar->setChecked(true);
}

void FormView::HideNumberEntry() {
  HideNumberFields();
  m_.miNumber->setChecked(false);
}

void FormView::SetTitleField(const std::string& title) {
  const std::string unicode = document_.Title();
  c_.edTitle->setText(SingleByteTitle(unicode) == title ? QString::fromStdString(unicode) : FromLatin1(title));
}

void FormView::CheckSymmetry(std::int32_t order) {
  switch (order) {
    case NoSymmetry:
      m_.miNone->setChecked(true);
      break;
    case Twofold:
      m_.miTwo->setChecked(true);
      break;
    case Fourfold:
      m_.miFour->setChecked(true);
      break;
    default:
      break;
  }
}

void FormView::CheckManual() {
  manualMarked_ = true;
  m_.miManual->setCheckable(true);
  m_.miManual->setChecked(true);
}

void FormView::SetManualMark(bool marked, bool checked) {
  manualMarked_ = marked;
  if (marked) m_.miManual->setCheckable(true);
  m_.miManual->setChecked(checked);
}

void FormView::ReportInvalidData() {
  if (printJob_ != nullptr && printJob_->printerState() == QPrinter::Active) printJob_->abort();
  dialogs_.showInvalidData(&window_, FromLatin1(message::InvalidData));
}

std::string FormView::NumberFieldText() { return ToLatin1(c_.edNum->text()); }

void FormView::SetNumberFieldText(const std::string& text) { c_.edNum->setText(FromLatin1(text)); }

}  // namespace kven
