#include "app/window_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kven {

namespace {

// Room the window keeps around a grid that makes it grow: the controls
// above the grid, and the margins beside it.
constexpr int ExtraHeight = 128;
constexpr int ExtraWidth = 40;
constexpr int ScreenMargin = 10;

}  // namespace

WindowFit FitWindow(QSize current, int hSquares, int vSquares, QSize gridSize, QSize screen) {
  WindowFit fit{current};
  if (vSquares <= 12) fit.size.setHeight(DesignedWindowSize.height());
  if (hSquares <= 12) fit.size.setWidth(DesignedWindowSize.width());
  if (vSquares > 12) {
    if (screen.height() - ScreenMargin > gridSize.height() + ExtraHeight)
      fit.size.setHeight(gridSize.height() + ExtraHeight);
    else
      fit.verticalScrollBar = true;
  }
  if (hSquares > 20) {
    if (screen.width() - ScreenMargin > gridSize.width() + ExtraWidth)
      fit.size.setWidth(gridSize.width() + ExtraWidth);
    else
      fit.horizontalScrollBar = true;
  }
  return fit;
}

namespace {

// The start of a span of `length` moved the least to lie within [low, high).
int KeepWithin(int start, int length, int low, int high) {
  if (length > high - low) return start;
  if (start < low) return low;
  if (start + length > high) return high - length;
  return start;
}

}  // namespace

QPoint KeepWithin(const QRect& frame, const QRect& available) {
  return {KeepWithin(frame.x(), frame.width(), available.x(), available.x() + available.width()),
          KeepWithin(frame.y(), frame.height(), available.y(), available.y() + available.height())};
}

void ResizeOnScreen(QWidget& window, QSize size) {
  const QSize before = window.size();
  window.resize(size);
  if (size.width() <= before.width() && size.height() <= before.height()) return;
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The frame, title bar included, is what must stay on the screen; move()
  // places the frame's corner.
  const QRect frame = window.frameGeometry();
  const QPoint corner = KeepWithin(frame, screen->availableGeometry());
  if (corner != frame.topLeft()) window.move(corner);
}

}  // namespace kven
