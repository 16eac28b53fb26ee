#include "render/grid_painter.h"

#include <algorithm>

namespace kven {

namespace {

const QString GridFont = QStringLiteral("Arial");
constexpr int NumberPoints = 5;
constexpr int SizeAfterNumber = 7;
constexpr int SizeAfterRepaintedNumber = 8;
constexpr int LetterPoints = 7;

QString LetterText(char ch) { return ch == '\0' ? QString() : QString(QChar::fromLatin1(ch)); }

struct ArrowPoints {
  QPoint tail, tip, barb1, barb2;
};

ArrowPoints ArrowFor(Direction direction) {
  switch (direction) {
    case Direction::Up:
      return {{15, 20}, {15, 10}, {10, 15}, {20, 15}};
    case Direction::Left:
      return {{22, 13}, {10, 13}, {15, 8}, {15, 18}};
    case Direction::Down:
      return {{15, 10}, {15, 20}, {10, 15}, {20, 15}};
    default:
      return {{10, 13}, {22, 13}, {17, 8}, {17, 18}};
  }
}

}  // namespace

CanvasRect GridGeometry::CellBounds(int col, int row) {
  const int left = Border + col * CellPitch;
  const int top = Border + row * CellPitch;
  return {left, top, left + CellSize, top + CellSize};
}

QSize GridGeometry::ControlSize(int cols, int rows) {
  return QSize(cols * CellPitch + 2 * Border, rows * CellPitch + 2 * Border);
}

bool GridGeometry::CellAt(const QPoint& pos, int cols, int rows, int& col, int& row) {
  const int x = pos.x() - Border;
  const int y = pos.y() - Border;
  if (x < 0 || y < 0 || x >= cols * CellPitch || y >= rows * CellPitch) return false;
  col = x / CellPitch;
  row = y / CellPitch;
  return true;
}

GridPainter::GridPainter(Canvas& canvas, const Puzzle& puzzle, const EditorState& editor)
    : canvas_(canvas), puzzle_(puzzle), editor_(editor) {}

void GridPainter::PaintAll(int cols, int rows) {
  const QSize size = GridGeometry::ControlSize(cols, rows);
  canvas_.SetBrushColor(rgb::White);
  canvas_.FillRect({0, 0, size.width(), size.height()});

  // A sunken frame, as the control's border is drawn by the window system.
  const int w = size.width();
  const int h = size.height();
  canvas_.FillRectWithColor({0, 0, w - 1, 1}, rgb::Grey);
  canvas_.FillRectWithColor({0, 0, 1, h - 1}, rgb::Grey);
  canvas_.FillRectWithColor({1, 1, w - 2, 2}, rgb::Black);
  canvas_.FillRectWithColor({1, 1, 2, h - 2}, rgb::Black);
  canvas_.FillRectWithColor({1, h - 2, w - 1, h - 1}, rgb::Silver);
  canvas_.FillRectWithColor({w - 2, 1, w - 1, h - 1}, rgb::Silver);

  DrawGridLines(cols, rows);

  DrawCell(0, 0);
  for (int col = 1; col < cols; ++col) DrawCell(col, 0);
  for (int row = 1; row < rows; ++row) DrawCell(0, row);
  for (int row = 1; row < rows; ++row)
    for (int col = 1; col < cols; ++col) DrawCell(col, row);
}

void GridPainter::DrawGridLines(int cols, int rows) {
  constexpr int B = GridGeometry::Border;
  constexpr int P = GridGeometry::CellPitch;
  const int right = B + cols * P;
  const int bottom = B + rows * P;
  const CanvasRect corner = GridGeometry::CellBounds(0, 0);

  canvas_.SetPenWidth(1);
  canvas_.SetPenColor(rgb::Black);
  // The header row: its line below, and the lines between its cells.
  canvas_.MoveTo(B, corner.bottom);
  canvas_.LineTo(right, corner.bottom);
  for (int col = 1; col < cols; ++col) {
    const int x = GridGeometry::CellBounds(col, 0).right;
    canvas_.MoveTo(x, B);
    canvas_.LineTo(x, corner.bottom + 1);
  }
  // The header column: its line to the right, and the lines between its cells.
  canvas_.MoveTo(corner.right, B);
  canvas_.LineTo(corner.right, bottom);
  for (int row = 1; row < rows; ++row) {
    const int y = GridGeometry::CellBounds(0, row).bottom;
    canvas_.MoveTo(B, y);
    canvas_.LineTo(corner.right + 1, y);
  }

  // The lines between squares come last, which leaves the pen silver.
  canvas_.SetPenColor(rgb::Silver);
  const int squaresLeft = corner.right + 1;
  const int squaresTop = corner.bottom + 1;
  for (int col = 1; col < cols; ++col) {
    const int x = GridGeometry::CellBounds(col, 0).right;
    canvas_.MoveTo(x, squaresTop);
    canvas_.LineTo(x, bottom);
  }
  for (int row = 1; row < rows; ++row) {
    const int y = GridGeometry::CellBounds(0, row).bottom;
    canvas_.MoveTo(squaresLeft, y);
    canvas_.LineTo(right, y);
  }
}

void GridPainter::FillSquaresWhite(int cols, int rows) {
  canvas_.SetBrushColor(rgb::White);
  for (int row = 1; row < rows; ++row)
    for (int col = 1; col < cols; ++col) canvas_.FillRect(GridGeometry::CellBounds(col, row));
}

void GridPainter::DrawCell(int col, int row) {
  if (col == 0 || row == 0) {
    PaintHeaderCell(col, row);
    return;
  }
  if (!InArrayRange(col, row)) return;
  const CanvasRect cell = GridGeometry::CellBounds(col, row);
  const auto [L, T, R, B] = cell;

  const DiagramKind kind = DiagramKindOf(puzzle_);
  if (HasBlockKind(kind)) {
    canvas_.SetBrushColor(puzzle_.Blocks(col, row) != 0 ? rgb::Silver : rgb::White);
    canvas_.FillRect(cell);
  }
  if (HasBarKind(kind)) {
    // A bad width would paint strips outside the cell.
    const int width = ClampBarWidth(editor_.BarWidth);
    canvas_.SetBrushColor(puzzle_.HBars(col, row) != 0 ? rgb::Silver : rgb::White);
    canvas_.FillRect({L, B - width, R - 1, B});
    canvas_.SetBrushColor(puzzle_.VBars(col, row) != 0 ? rgb::Silver : rgb::White);
    canvas_.FillRect({R - width, T, R, B - 1});
  }
  if (IsNumbered(puzzle_)) {
    PaintNumber(col, row, puzzle_.Numbers(col, row));
    canvas_.SetFontSize(SizeAfterRepaintedNumber);
  }
  if ((puzzle_.HasSolution || editor_.EntryMode == EntryMode::Solution) && IsOpenSquare(puzzle_, col, row)) {
    const char ch = puzzle_.Letters(col, row);
    if (IsLetterOrBlank(ch)) {
      canvas_.SetBrushColor(rgb::White);
      canvas_.TextRect({L + 10, T + 9, R - 2, B - 2}, L + 10, T + 9, LetterText(ch));
    }
    if (col == editor_.CursorCol && row == editor_.CursorRow) PaintCursorArrow(col, row, editor_.Direction);
  }
}

void GridPainter::PaintHeaderCell(int col, int row) {
  const CanvasRect cell = GridGeometry::CellBounds(col, row);
  canvas_.SetFontName(GridFont);
  canvas_.SetFontStyle(FontBold);
  canvas_.SetFontColor(rgb::Red);
  canvas_.SetBrushColor(rgb::White);
  canvas_.TextRect(cell, cell.left + 4, cell.top + 4, QString::number(col != 0 ? col : row));
  canvas_.SetFontColor(rgb::Black);
}

void GridPainter::PaintNumber(int col, int row, std::int32_t number) {
  canvas_.SetFontName(GridFont);
  canvas_.SetFontStyle(FontBold);
  canvas_.SetFontSize(NumberPoints);
  canvas_.SetBrushColor(rgb::White);
  if (InGrid(puzzle_, col, row)) {
    const CanvasRect cell = GridGeometry::CellBounds(col, row);
    const CanvasRect box{cell.left, cell.top, cell.left + 18, cell.top + 10};
    if (number == 0 && IsOpenSquare(puzzle_, col, row)) canvas_.FillRect(box);
    if (number > 0) canvas_.TextRect(box, cell.left, cell.top, QString::number(number));
  }
  canvas_.SetFontSize(SizeAfterNumber);
}

void GridPainter::DrawLetter(int col, int row, char ch) {
  canvas_.SetFontSize(LetterPoints);
  canvas_.SetFontStyle(FontBold);
  if (!InGrid(puzzle_, col, row)) return;
  ClearLetterArea(col, row);
  canvas_.SetBrushColor(rgb::White);
  const auto [L, T, R, B] = GridGeometry::CellBounds(col, row);
  // The box is whitened in every case, so a blank mark or a zero character
  // leaves it empty.
  canvas_.TextRect({L + 11, T + 10, R - 2, B - 2}, L + 11, T + 10, LetterText(ch));
}

void GridPainter::ClearLetterArea(int col, int row) {
  if (!IsOpenSquare(puzzle_, col, row)) return;
  const auto [L, T, R, B] = GridGeometry::CellBounds(col, row);
  canvas_.SetBrushColor(rgb::White);
  canvas_.FillRect({L + 8, T + 9, R - 2, B - 2});
}

void GridPainter::PaintCursorArrow(int col, int row, Direction direction) {
  if (!IsOpenSquare(puzzle_, col, row)) return;
  ClearLetterArea(col, row);
  const CanvasRect cell = GridGeometry::CellBounds(col, row);
  const QPoint origin(cell.left, cell.top);
  const ArrowPoints arrow = ArrowFor(direction);
  const auto moveTo = [&](QPoint p) { canvas_.MoveTo(origin.x() + p.x(), origin.y() + p.y()); };
  const auto lineTo = [&](QPoint p) { canvas_.LineTo(origin.x() + p.x(), origin.y() + p.y()); };
  moveTo(arrow.tail);
  lineTo(arrow.tip);
  lineTo(arrow.barb1);
  moveTo(arrow.tip);
  lineTo(arrow.barb2);
}

void GridPainter::ChangeBarWidth(int oldWidth, int newWidth) {
  oldWidth = ClampBarWidth(oldWidth);
  newWidth = ClampBarWidth(newWidth);
  for (int col = 1; col <= puzzle_.HSquares; ++col) {
    for (int row = 1; row <= puzzle_.VSquares; ++row) {
      const auto [L, T, R, B] = GridGeometry::CellBounds(col, row);
      if (puzzle_.HBars(col, row) != 0) {
        canvas_.SetBrushColor(rgb::White);
        canvas_.FillRect({L, B - oldWidth, R, B});
        canvas_.SetBrushColor(rgb::Black);
        canvas_.FillRect({L, B - newWidth, R, B});
      }
      if (puzzle_.VBars(col, row) != 0) {
        canvas_.SetBrushColor(rgb::White);
        canvas_.FillRect({R - oldWidth, T, R, B});
        canvas_.SetBrushColor(rgb::Black);
        canvas_.FillRect({R - newWidth, T, R, B});
      }
    }
  }
}

}  // namespace kven
