#pragma once

#include <QSize>

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

}  // namespace kven
