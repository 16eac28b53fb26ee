#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace kven {

// Where a side window's frame of `size` goes beside the main window's frame
// `owner`, within the screen's `available` area, clear of the frames of the
// side windows on show (`taken`): right of the owner where there is room,
// else left of it, else beside or below another side window. Where nothing
// is clear it goes against the screen's edge with more room beside the
// owner, no higher than the foot of the owner's menu bar (`menusBottom`), so
// that it covers the least and never the menus. Always wholly on the screen:
// made smaller where the screen is.
QRect BesideRect(const QRect& owner, int menusBottom, QSize size, const QRect& available,
                 const QList<QRect>& taken = {});

// Places a top-level window that wants `size` (its frame not included)
// beside `owner` on the owner's screen, clear of the frames `taken`, as
// BesideRect says. A window not framed yet is taken to get a frame like the
// owner's.
void PlaceBeside(QWidget& window, QSize size, const QWidget& owner, int menusBottom, const QList<QRect>& taken = {});

// Whether a window's frame lies over another's.
bool Overlaps(const QWidget& a, const QWidget& b);

}  // namespace kven
