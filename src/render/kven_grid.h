#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "editing/solution_entry.h"
#include "model/puzzle.h"
#include "model/puzzle_view.h"
#include "model/square_styles.h"

namespace kven {

// The grid control: (HSquares + 1) x (VSquares + 1) cells of 25 x 25 pixels
// with 1-pixel lines, the header column and row labelled in red. It paints
// every cell itself into a backing image (paintEvent only copies that image
// to the screen) and is the core's grid view. It reads the puzzle and editor
// state it is given, which must outlive it; it never changes them.
class KvenGrid : public QWidget, public GridView {
  Q_OBJECT

 public:
  KvenGrid(const Puzzle& puzzle, const EditorState& editor, QWidget* parent = nullptr);
  ~KvenGrid() override;

  // Cell counts including the header column and row.
  int ColumnCount() const;
  int RowCount() const;

  // The rectangle of cell (col, row) in widget pixels (25 x 25), and the cell
  // under a point; CellAt returns false for a point on no cell.
  QRect CellRect(int col, int row) const;
  bool CellAt(const QPoint& pos, int& col, int& row) const;

  // The view's scale: every cell, line and letter drawn `zoom` times as
  // large, at the screen's own resolution. Pictures and prints are not the
  // grid's and keep their size. 1 at start.
  double Zoom() const;
  void SetZoom(double zoom);

  // GridView. SetSquareCount resizes the control to fit the cells;
  // InvalidateGrid schedules a full repaint after the current command;
  // RepaintGrid redraws every cell into the backing image at once; the
  // others draw into the backing image when called.
  void SetBrushWhite() override;
  void SetSquareCount(int hSquares, int vSquares) override;
  void FillSquaresWhite() override;
  void InvalidateGrid() override;
  void RepaintGrid() override;
  void PaintNumber(int col, int row, std::int32_t number) override;
  void DrawLetter(int col, int row, char ch) override;
  void ClearLetterArea(int col, int row) override;
  void PaintCursorArrow(int col, int row, Direction direction) override;
  void ChangeBarWidth(int oldWidth, int newWidth) override;

  // What the control shows (after any pending full repaint has run), with
  // the screen's pixels per cell pixel (the zoom included) as its device
  // pixel ratio. Marks are not part of it.
  QImage Snapshot();

  // Frames the squares [col, row] in a colour of their own, above the
  // drawing, until other squares (or none) are marked.
  void MarkSquares(const QList<QPoint>& squares);
  // Shades the squares [col, row] in a warm tint, beneath the marks, until
  // other squares (or none) are shaded.
  void ShadeSquares(const QList<QPoint>& squares);

  // Shows the circles and shades of the open squares over the drawing
  // (a shade darkens what is drawn as a tinted glass would, so letters,
  // numbers and bars read through it), from styles that must outlive the
  // grid or be taken back with nullptr; none at first. Call again, or
  // update(), after the styles change. Like marks, not part of Snapshot.
  void ShowStyles(const SquareStyles* styles);

  // Input, delivered to whoever owns the puzzle: a mouse press on a square
  // (header cells and points beside the cells are not reported), and key
  // presses and releases (auto-repeated releases, and releases of keys not
  // pressed on the grid, are dropped). A release carries every modifier held
  // while its key was down, so a chord stays one whatever order its keys
  // are let go in.
  std::function<void(int col, int row)> onSquarePressed;
  std::function<void(const KeyEvent&)> onKeyDown;
  std::function<void(const KeyEvent&)> onKeyUp;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

// Translates a Qt key event into the core's toolkit-neutral key.
KeyEvent ToKeyEvent(const QKeyEvent& event);

}  // namespace kven
