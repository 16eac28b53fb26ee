#include "app/window_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kven {

namespace {

// Room the window keeps around a grid that makes it grow: the controls
// above the grid, and the margins beside it.
constexpr int ExtraHeight = 128;
constexpr int ExtraWidth = 40;
// What a grown window leaves of the screen.
constexpr int ScreenMargin = 10;

// One side of the window: `designed` as the sizes above give it, grown to
// `whole` where that is more and the screen holds it; otherwise all the
// screen's room, scrolled.
int FitSide(int designed, int whole, int room, bool& scroll) {
  if (whole <= room) return std::max(designed, whole);
  scroll = true;
  return room;
}

}  // namespace

WindowFit FitWindow(const FitRequest& r) {
  int designedHeight = r.current.height();
  if (r.vSquares <= 12)
    designedHeight = DesignedWindowSize.height();
  else if (r.grid.height() + ExtraHeight < r.room.height())
    designedHeight = r.grid.height() + ExtraHeight;
  int designedWidth = r.current.width();
  if (r.hSquares <= 12)
    designedWidth = DesignedWindowSize.width();
  else if (r.hSquares > 20 && r.grid.width() + ExtraWidth < r.room.width())
    designedWidth = r.grid.width() + ExtraWidth;

  WindowFit fit;
  const auto place = [&](QSize whole) {
    fit.size = QSize(FitSide(designedWidth, whole.width(), r.room.width(), fit.horizontalScrollBar),
                     FitSide(designedHeight, whole.height(), r.room.height(), fit.verticalScrollBar));
  };
  place(r.whole);
  // A scroll bar takes room across the other side, which fits again with
  // it; a bar that adds leaves its own side at all the screen's room anyway.
  place(r.whole +
        QSize(fit.verticalScrollBar ? r.scrollBarExtent : 0, fit.horizontalScrollBar ? r.scrollBarExtent : 0));
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

QSize RoomOnScreen(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return DesignedWindowSize;
  const QSize frame = window.frameGeometry().size() - window.geometry().size();
  return screen->availableGeometry().size() - frame - QSize(ScreenMargin, ScreenMargin);
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
