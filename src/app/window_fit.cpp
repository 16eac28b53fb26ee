#include "app/window_fit.h"

namespace kven {

namespace {

// Room the window keeps around a grid that makes it grow: the controls
// above the grid, and the margins beside it.
constexpr int ExtraHeight = 128;
constexpr int ExtraWidth = 40;
constexpr int ScreenMargin = 10;

}  // namespace

WindowFit FitWindow(QSize current, int hSquares, int vSquares, QSize gridSize, QSize screen) {
  WindowFit fit{current};
  if (vSquares <= 12) fit.size.setHeight(DesignedWindowSize.height());
  if (hSquares <= 12) fit.size.setWidth(DesignedWindowSize.width());
  if (vSquares > 12) {
    if (screen.height() - ScreenMargin > gridSize.height() + ExtraHeight)
      fit.size.setHeight(gridSize.height() + ExtraHeight);
    else
      fit.verticalScrollBar = true;
  }
  if (hSquares > 20) {
    if (screen.width() - ScreenMargin > gridSize.width() + ExtraWidth)
      fit.size.setWidth(gridSize.width() + ExtraWidth);
    else
      fit.horizontalScrollBar = true;
  }
  return fit;
}

}  // namespace kven
