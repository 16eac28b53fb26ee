#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace kven {

// Where a side window's frame goes beside the main window's frame `owner`,
// within the screen's `available` area and clear of the frames of the side
// windows on show (`taken`): at its `size`, right of the owner where there
// is room, else left of it, else beside or below another side window; then
// narrowed as far as `minimum` into the room right or left of the owner;
// then below the owner or another side window, made as low and as narrow as
// the screen there needs and `minimum` lets it. Where nothing is clear it
// goes against the screen's edge on the side where it covers the least of
// the others, narrowed to the room there but no narrower than `minimum`,
// and no higher than the foot of the owner's menu bar (`menusBottom`): it
// never covers the menus. Always wholly on the screen, made smaller where
// the screen is.
QRect BesideRect(const QRect& owner, int menusBottom, QSize size, QSize minimum, const QRect& available,
                 const QList<QRect>& taken = {});

// Places a top-level window that wants `size` and needs `minimum` (its
// frame not included) beside `owner` on the owner's screen, clear of the
// frames `taken`, as BesideRect says. A window not framed yet is taken to
// get a frame like the owner's.
void PlaceBeside(QWidget& window, QSize size, QSize minimum, const QWidget& owner, int menusBottom,
                 const QList<QRect>& taken = {});

// Whether a window's frame lies over another's.
bool Overlaps(const QWidget& a, const QWidget& b);

}  // namespace kven
