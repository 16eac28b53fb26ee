#pragma once

#include <QRect>

class QWidget;

namespace kven {

// Where a window of `size` goes beside `owner` (its frame) within the
// screen's `available` area: right of it when there is room, else left of
// it, else against the screen's edge with more room, overlapping the owner
// as little as the screen allows. Always wholly on the screen when it fits.
QRect BesideRect(const QRect& owner, QSize size, const QRect& available);

// Moves `window` beside `owner` on the owner's screen.
void PlaceBeside(QWidget& window, const QWidget& owner);

}  // namespace kven
