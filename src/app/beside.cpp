#include "app/beside.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kven {

namespace {

constexpr int Gap = 8;

// What a window's frame adds to its size; before the window system has
// framed it, what the owner's frame adds, unless it draws its own (a
// floating panel does).
QSize FrameExtra(const QWidget& window, const QWidget& owner) {
  const QSize own = window.frameGeometry().size() - window.geometry().size();
  if (!own.isNull() || window.windowFlags().testFlag(Qt::FramelessWindowHint)) return own;
  return owner.frameGeometry().size() - owner.geometry().size();
}

qint64 Area(const QRect& r) { return r.isEmpty() ? 0 : qint64{r.width()} * r.height(); }

}  // namespace

QRect BesideRect(const QRect& owner, int menusBottom, QSize size, QSize minimum, const QRect& available,
                 const QList<QRect>& taken) {
  const QSize fit = size.boundedTo(available.size());
  const QSize least = minimum.boundedTo(fit);
  const int right = available.x() + available.width();    // the first column past the screen
  const int bottom = available.y() + available.height();  // the first row past the screen
  const int roomRight = right - (owner.x() + owner.width() + Gap);
  const int roomLeft = owner.x() - Gap - available.x();
  const auto at = [&](int x, int y, int width) {
    return QRect(QPoint(x, std::clamp(y, available.y(), bottom - fit.height())), QSize(width, fit.height()));
  };
  QList<QRect> candidates{at(owner.x() + owner.width() + Gap, owner.y(), fit.width()),
                          at(owner.x() - Gap - fit.width(), owner.y(), fit.width())};
  for (const QRect& t : taken)
    candidates << at(t.x() + t.width() + Gap, t.y(), fit.width()) << at(t.x() - Gap - fit.width(), t.y(), fit.width())
               << at(t.x(), t.y() + t.height() + Gap, fit.width());
  if (roomRight >= least.width()) candidates << at(owner.x() + owner.width() + Gap, owner.y(), roomRight);
  if (roomLeft >= least.width()) candidates << at(available.x(), owner.y(), roomLeft);
  // Below the owner or another side window, as low as the screen lets it be.
  const auto below = [&](const QRect& r) {
    const int x = std::max(r.x(), available.x());
    const int y = r.y() + r.height() + Gap;
    const int width = std::min(fit.width(), right - x);
    const int height = std::min(fit.height(), bottom - y);
    if (width >= least.width() && height >= least.height()) candidates << QRect(x, y, width, height);
  };
  below(owner);
  for (const QRect& t : taken) below(t);
  const auto covered = [&](const QRect& c) {
    qint64 area = Area(c.intersected(owner));
    for (const QRect& t : taken) area += Area(c.intersected(t));
    return area;
  };
  for (const QRect& c : candidates)
    if (available.contains(c) && covered(c) == 0) return c;

  // Over the owner, then, but below its menus.
  const int top = std::clamp(std::max(menusBottom, owner.y()), available.y(), bottom - 1);
  const int height = std::min(fit.height(), bottom - top);
  const int rightWidth = std::clamp(roomRight, least.width(), fit.width());
  const int leftWidth = std::clamp(roomLeft, least.width(), fit.width());
  const QRect atRight(right - rightWidth, top, rightWidth, height);
  const QRect atLeft(available.x(), top, leftWidth, height);
  return covered(atLeft) < covered(atRight) ? atLeft : atRight;
}

void PlaceBeside(QWidget& window, QSize size, QSize minimum, const QWidget& owner, int menusBottom,
                 const QList<QRect>& taken) {
  const QScreen* screen = owner.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QSize extra = FrameExtra(window, owner);
  const QRect place =
      BesideRect(owner.frameGeometry(), menusBottom, size + extra, minimum + extra, screen->availableGeometry(), taken);
  window.resize(place.size() - extra);
  window.move(place.topLeft());
}

bool Overlaps(const QWidget& a, const QWidget& b) { return a.frameGeometry().intersects(b.frameGeometry()); }

}  // namespace kven
