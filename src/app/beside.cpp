#include "app/beside.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kven {

namespace {

constexpr int Gap = 8;

// What a window's frame adds to its size; before the window system has
// framed it, what the owner's frame adds.
QSize FrameExtra(const QWidget& window, const QWidget& owner) {
  const QSize own = window.frameGeometry().size() - window.geometry().size();
  return own.isNull() ? owner.frameGeometry().size() - owner.geometry().size() : own;
}

}  // namespace

QRect BesideRect(const QRect& owner, int menusBottom, QSize size, const QRect& available, const QList<QRect>& taken) {
  const QSize fit = size.boundedTo(available.size());
  const int right = available.x() + available.width();    // first column past the screen
  const int bottom = available.y() + available.height();  // first row past the screen
  const auto at = [&](int x, int y) { return QRect(QPoint(x, std::clamp(y, available.y(), bottom - fit.height())), fit); };
  QList<QRect> candidates{at(owner.x() + owner.width() + Gap, owner.y()), at(owner.x() - Gap - fit.width(), owner.y())};
  for (const QRect& t : taken)
    candidates << at(t.x() + t.width() + Gap, t.y()) << at(t.x() - Gap - fit.width(), t.y())
               << at(t.x(), t.y() + t.height() + Gap);
  for (const QRect& c : candidates) {
    const bool clear = available.contains(c) && !c.intersects(owner) &&
                       std::none_of(taken.begin(), taken.end(), [&](const QRect& t) { return c.intersects(t); });
    if (clear) return c;
  }
  const int roomRight = right - (owner.x() + owner.width());
  const int roomLeft = owner.x() - available.x();
  const int x = roomRight >= roomLeft ? right - fit.width() : available.x();
  const int top = std::clamp(menusBottom, available.y(), bottom - 1);
  return QRect(x, top, fit.width(), std::min(fit.height(), bottom - top));
}

void PlaceBeside(QWidget& window, QSize size, const QWidget& owner, int menusBottom, const QList<QRect>& taken) {
  const QScreen* screen = owner.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QSize extra = FrameExtra(window, owner);
  const QRect place = BesideRect(owner.frameGeometry(), menusBottom, size + extra, screen->availableGeometry(), taken);
  window.resize(place.size() - extra);
  window.move(place.topLeft());
}

bool Overlaps(const QWidget& a, const QWidget& b) { return a.frameGeometry().intersects(b.frameGeometry()); }

}  // namespace kven
