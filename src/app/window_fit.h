#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kven {

// The main window's designed size, which it keeps for grids of up to 12 x 12.
inline constexpr QSize DesignedWindowSize{580, 476};

// What a reset does to the window for a grid of hSquares x vSquares squares
// whose control measures gridSize pixels.
struct WindowFit {
  QSize size;
  bool verticalScrollBar = false;    // made visible (never hidden again by a fit)
  bool horizontalScrollBar = false;
};

// Up to 12 rows the window takes its designed height, and up to 12 columns
// its designed width; from 13 rows it grows to hold the grid and the
// controls above it, and from 21 columns to hold the grid's width, when the
// screen's available area (less a margin) allows; otherwise the size stays
// and a scroll bar is shown. Between 13 and 20 columns the width is kept.
WindowFit FitWindow(QSize current, int hSquares, int vSquares, QSize gridSize, QSize screen);

// Where a window's frame goes to lie wholly within the screen's available
// area: moved the least distance that does it, each way on its own; along a
// side it is too large for, it stays where it is.
QPoint KeepWithin(const QRect& frame, const QRect& available);

// Resizes a top-level window and, when it grew, moves it as KeepWithin says
// on the screen it is on, so that growing never pushes it past an edge.
void ResizeOnScreen(QWidget& window, QSize size);

}  // namespace kven
