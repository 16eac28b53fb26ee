#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kven {

// The main window's designed size, which it keeps for grids of up to 12 x 12
// wherever that shows them whole.
inline constexpr QSize DesignedWindowSize{580, 476};

// What a window fit goes by, all in the window's own pixels (its frame not
// included).
struct FitRequest {
  QSize current;
  int hSquares = 12;
  int vSquares = 12;
  QSize grid;               // the grid control as it is drawn, at its zoom
  QSize whole;              // the window that shows its controls and the whole grid without scrolling
  QSize room;               // the largest window the screen's available area holds
  int scrollBarExtent = 0;  // what a scroll bar takes across
};

// What a fit does to the window.
struct WindowFit {
  QSize size;
  bool verticalScrollBar = false;  // made visible (never hidden again by a fit)
  bool horizontalScrollBar = false;
};

// Up to 12 rows the window takes its designed height, and up to 12 columns
// its designed width; from 13 rows it grows to the grid's height and the
// controls above it (128 pixels), from 21 columns to the grid's width and 40
// pixels beside; between 13 and 20 columns the width is kept. Wherever that
// would cut the grid off (the controls take more, the grid is zoomed) the
// window grows to show it whole, and where the screen cannot hold that, the
// window takes what the screen has and a scroll bar is shown.
WindowFit FitWindow(const FitRequest& request);

// Where a window's frame goes to lie wholly within the screen's available
// area: moved the least distance that does it, each way on its own; along a
// side it is too large for, it stays where it is.
QPoint KeepWithin(const QRect& frame, const QRect& available);

// The largest size of a top-level window that the available area of its
// screen holds with its frame (title bar and borders, once the window
// system has framed it) and a margin of 10 pixels.
QSize RoomOnScreen(const QWidget& window);

// Resizes a top-level window and, when it grew, moves it as KeepWithin says
// on the screen it is on, so that growing never pushes it past an edge.
void ResizeOnScreen(QWidget& window, QSize size);

}  // namespace kven
