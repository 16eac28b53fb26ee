#include "app/beside.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kven {

namespace {

constexpr int Gap = 8;

}  // namespace

QRect BesideRect(const QRect& owner, QSize size, const QRect& available) {
  const QSize fitting = size.boundedTo(available.size());
  int x = 0;
  if (owner.right() + Gap + fitting.width() <= available.right()) {
    x = owner.right() + 1 + Gap;
  } else if (owner.left() - Gap - fitting.width() >= available.left()) {
    x = owner.left() - Gap - fitting.width();
  } else {
    const int roomRight = available.right() - owner.right();
    const int roomLeft = owner.left() - available.left();
    x = roomRight >= roomLeft ? available.right() + 1 - fitting.width() : available.left();
  }
  const int y = std::clamp(owner.top(), available.top(), available.bottom() + 1 - fitting.height());
  return QRect(QPoint(x, y), fitting);
}

void PlaceBeside(QWidget& window, const QWidget& owner) {
  const QScreen* screen = owner.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The frame is not known before the first showing; the size asked for is.
  const QRect place = BesideRect(owner.frameGeometry(), window.size(), screen->availableGeometry());
  window.resize(place.size());
  window.move(place.topLeft());
}

}  // namespace kven
