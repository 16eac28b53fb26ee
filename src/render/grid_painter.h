#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>

#include "model/puzzle.h"
#include "render/canvas.h"

namespace kven {

// Pixel geometry of the grid control: cells of 25 x 25 pixels, each followed
// by a one-pixel grid line, inside a 2-pixel border. Column 0 and row 0 are
// the header cells.
struct GridGeometry {
  static constexpr int CellSize = 25;
  static constexpr int CellPitch = CellSize + 1;
  static constexpr int Border = 2;

  // The rectangle of cell (col, row): left L, top T, right L + 25, bottom T + 25.
  static CanvasRect CellBounds(int col, int row);
  // The control's size for cols x rows cells: cols * 26 + 4 by rows * 26 + 4.
  static QSize ControlSize(int cols, int rows);
  // The cell under a point; a cell's grid line (right of it, below it)
  // belongs to it. False on the border and beside the cells.
  static bool CellAt(const QPoint& pos, int cols, int rows, int& col, int& row);
};

// The cell painting of the grid control on its canvas, reading the puzzle
// and the editor state. Every operation sets only the canvas attributes it
// names and draws with whatever else is current, so what one leaves behind
// (font size, brush, the silver pen of the grid lines) shows in the next.
// Squares outside the puzzle are never drawn into and never read.
class GridPainter {
 public:
  GridPainter(Canvas& canvas, const Puzzle& puzzle, const EditorState& editor);

  // A full repaint of a control of cols x rows cells, as the control makes
  // it: white background and frame, its lines (black in the header row and
  // column, silver between squares, in that order), then every cell through
  // DrawCell, header cells first, then the squares row by row.
  void PaintAll(int cols, int rows);
  void DrawGridLines(int cols, int rows);
  // Fills every square cell white (a reset does this directly).
  void FillSquaresWhite(int cols, int rows);

  // The cell-paint handler.
  void DrawCell(int col, int row);
  void PaintHeaderCell(int col, int row);
  void PaintNumber(int col, int row, std::int32_t number);
  // The drawing part of storing a letter (the core stores it).
  void DrawLetter(int col, int row, char ch);
  void ClearLetterArea(int col, int row);
  void PaintCursorArrow(int col, int row, Direction direction);
  // Repaints every set bar black at newWidth over the full side, after
  // whitening its strip at oldWidth.
  void ChangeBarWidth(int oldWidth, int newWidth);

 private:
  Canvas& canvas_;
  const Puzzle& puzzle_;
  const EditorState& editor_;
};

}  // namespace kven
