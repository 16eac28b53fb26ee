#include "render/kven_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <map>

#include "render/canvas.h"
#include "render/current_entry.h"
#include "render/drawn_style.h"
#include "render/grid_painter.h"

namespace kven {

namespace {

constexpr int MarkWidth = 2;
// The current entry's shade: light enough that letters, numbers and bars
// read through it.
const QColor EntryShade(0x00, 0x78, 0xD7, 40);
// The Fill panel's weak entries: amber, apart from the entry's blue.
const QColor WeakShade(0xFF, 0xA0, 0x00, 70);

struct ChordModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;

  void Add(Qt::KeyboardModifiers modifiers) {
    shift = shift || modifiers.testFlag(Qt::ShiftModifier);
    ctrl = ctrl || modifiers.testFlag(Qt::ControlModifier);
    alt = alt || modifiers.testFlag(Qt::AltModifier);
  }
};

// The modifier a modifier key itself stands for; none for other keys.
Qt::KeyboardModifiers ModifierOfKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
      return Qt::ShiftModifier;
    case Qt::Key_Control:
      return Qt::ControlModifier;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return Qt::AltModifier;
    default:
      return Qt::NoModifier;
  }
}

// The circles and shades of the open squares, over the drawing. A shade
// multiplies what lies under it: white takes the shade, black stays black.
void PaintStyles(QPainter& painter, const Puzzle& puzzle, const SquareStyles& styles, int cols, int rows) {
  for (int row = 1; row < rows; ++row) {
    for (int col = 1; col < cols; ++col) {
      const SquareStyle& style = DrawnStyle(&styles, puzzle, col, row);
      if (style.Plain()) continue;
      const CanvasRect cell = GridGeometry::CellBounds(col, row);
      const QRect area(cell.left, cell.top, cell.Width(), cell.Height());
      if (style.shaded) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(area, QColor(ShadeRgb(style)));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      }
      if (style.circled) {
        painter.setPen(QPen(QColor(rgb::Grey), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5));
      }
    }
  }
}

}  // namespace

struct KvenGrid::Impl {
  Impl(const Puzzle& p, const EditorState& e) : puzzle(p), editor(e), painter(canvas, p, e) {}

  const Puzzle& puzzle;
  const EditorState& editor;

  // The image outlives the canvas painting on it (members are destroyed in
  // reverse order).
  QImage image;
  Canvas canvas;
  GridPainter painter;
  int cols = 0;
  int rows = 0;
  double zoom = 1.0;
  // Screen pixels per cell pixel, the zoom included: what the backing image
  // was made for.
  qreal ratio = 1.0;
  bool repaintPending = true;
  // Keys pressed on the grid and not yet released, each with the modifiers
  // held at any moment while it was down. A quick chord may let Ctrl go
  // before the letter (xdotool does, so do fast hands): the letter's release
  // then carries no Ctrl, yet it was never typed alone.
  std::map<int, ChordModifiers> keysDown;
  QList<QPoint> marked;
  QList<QPoint> shaded;
  const SquareStyles* styles = nullptr;

  void FullRepaint() {
    painter.PaintAll(cols, rows);
    repaintPending = false;
  }

  // The backing image of the control on `control`'s screen, with as many
  // pixels as the screen has there at the zoom: all drawing is in the
  // control's pixels, and a screen of twice the density gets lines two of
  // its pixels wide and text drawn at its own resolution, not a small
  // picture enlarged.
  void MakeImage(const QWidget& control) {
    canvas.End();
    const QSize size = GridGeometry::ControlSize(cols, rows);
    ratio = control.devicePixelRatioF() * zoom;
    image = QImage(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
    // A painter never scales down to a ratio below one: it would draw the
    // cells full size into the smaller image and cut the grid off. There the
    // canvas scales the drawing itself.
    image.setDevicePixelRatio(std::max<qreal>(ratio, 1.0));
    image.fill(rgb::White);
    canvas.Begin(&image);
    if (ratio < 1.0) canvas.Place(QTransform::fromScale(ratio, ratio), size);
  }
};

KvenGrid::KvenGrid(const Puzzle& puzzle, const EditorState& editor, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Impl>(puzzle, editor)) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The control draws its lines, silver last, before anything can paint a
  // cell; an arrow drawn before the first repaint finds the pen that way too.
  d_->canvas.SetPenColor(rgb::Silver);
  SetSquareCount(puzzle.HSquares, puzzle.VSquares);
}

KvenGrid::~KvenGrid() = default;

void KvenGrid::SetSquareCount(int hSquares, int vSquares) {
  const int cols = std::clamp(hSquares, MinSide, MaxSide) + 1;
  const int rows = std::clamp(vSquares, MinSide, MaxSide) + 1;
  if (cols == d_->cols && rows == d_->rows && !d_->image.isNull()) return;
  d_->cols = cols;
  d_->rows = rows;
  d_->MakeImage(*this);
  setFixedSize(sizeHint());
  updateGeometry();
  InvalidateGrid();
}

int KvenGrid::ColumnCount() const { return d_->cols; }
int KvenGrid::RowCount() const { return d_->rows; }

QRect KvenGrid::CellRect(int col, int row) const {
  const QRect cell = GridGeometry::CellBounds(col, row).ToQRect();
  const double z = d_->zoom;
  return QRect(QPoint(qFloor(cell.left() * z), qFloor(cell.top() * z)),
               QPoint(qCeil((cell.right() + 1) * z) - 1, qCeil((cell.bottom() + 1) * z) - 1));
}

bool KvenGrid::CellAt(const QPoint& pos, int& col, int& row) const {
  // The cells are drawn in the control's own pixels and shown enlarged.
  const QPoint unzoomed(qFloor(pos.x() / d_->zoom), qFloor(pos.y() / d_->zoom));
  return GridGeometry::CellAt(unzoomed, d_->cols, d_->rows, col, row);
}

double KvenGrid::Zoom() const { return d_->zoom; }

void KvenGrid::SetZoom(double zoom) {
  if (zoom == d_->zoom) return;
  d_->zoom = zoom;
  d_->MakeImage(*this);
  setFixedSize(sizeHint());
  updateGeometry();
  InvalidateGrid();
}

void KvenGrid::SetBrushWhite() { d_->canvas.SetBrushColor(rgb::White); }

void KvenGrid::FillSquaresWhite() {
  d_->painter.FillSquaresWhite(d_->cols, d_->rows);
  update();
}

void KvenGrid::InvalidateGrid() {
  d_->repaintPending = true;
  update();
}

void KvenGrid::RepaintGrid() {
  d_->FullRepaint();
  update();
}

void KvenGrid::PaintNumber(int col, int row, std::int32_t number) {
  d_->painter.PaintNumber(col, row, number);
  update();
}

void KvenGrid::DrawLetter(int col, int row, char ch) {
  d_->painter.DrawLetter(col, row, ch);
  update();
}

void KvenGrid::ClearLetterArea(int col, int row) {
  d_->painter.ClearLetterArea(col, row);
  update();
}

void KvenGrid::PaintCursorArrow(int col, int row, Direction direction) {
  d_->painter.PaintCursorArrow(col, row, direction);
  update();
}

void KvenGrid::ChangeBarWidth(int oldWidth, int newWidth) {
  d_->painter.ChangeBarWidth(oldWidth, newWidth);
  update();
}

QImage KvenGrid::Snapshot() {
  if (d_->repaintPending) d_->FullRepaint();
  // A deep copy: the canvas keeps painting into the backing image.
  QImage shown = d_->image.copy();
  shown.setDevicePixelRatio(d_->ratio);
  return shown;
}

QSize KvenGrid::sizeHint() const {
  const QSize size = GridGeometry::ControlSize(d_->cols, d_->rows);
  return QSize(qCeil(size.width() * d_->zoom), qCeil(size.height() * d_->zoom));
}

void KvenGrid::MarkSquares(const QList<QPoint>& squares) {
  if (squares.isEmpty() && d_->marked.isEmpty()) return;
  d_->marked = squares;
  update();
}

void KvenGrid::ShadeSquares(const QList<QPoint>& squares) {
  if (squares.isEmpty() && d_->shaded.isEmpty()) return;
  d_->shaded = squares;
  update();
}

void KvenGrid::ShowStyles(const SquareStyles* styles) {
  d_->styles = styles;
  update();
}

void KvenGrid::paintEvent(QPaintEvent*) {
  // Moved to a screen of another density: drawn again for it.
  if (d_->ratio != devicePixelRatioF() * d_->zoom) {
    d_->MakeImage(*this);
    d_->repaintPending = true;
  }
  if (d_->repaintPending) d_->FullRepaint();
  QPainter painter(this);
  // The backing image has as many pixels as the zoomed control on this
  // screen, so it is shown sharp; marks are drawn at the same scale.
  painter.scale(d_->zoom, d_->zoom);
  painter.drawImage(QRectF(QPointF(0, 0), QSizeF(GridGeometry::ControlSize(d_->cols, d_->rows))), d_->image);
  // Over the drawing, never in it: the cells stay as the core drew them.
  if (d_->styles != nullptr) PaintStyles(painter, d_->puzzle, *d_->styles, d_->cols, d_->rows);
  for (const auto& [col, row] : CurrentEntry(d_->puzzle, d_->editor)) {
    const CanvasRect cell = GridGeometry::CellBounds(col, row);
    painter.fillRect(QRect(cell.left, cell.top, cell.Width(), cell.Height()), EntryShade);
  }
  for (const QPoint& square : d_->shaded) {
    if (square.x() < 1 || square.y() < 1 || square.x() >= d_->cols || square.y() >= d_->rows) continue;
    const CanvasRect cell = GridGeometry::CellBounds(square.x(), square.y());
    painter.fillRect(QRect(cell.left, cell.top, cell.Width(), cell.Height()), WeakShade);
  }
  for (const QPoint& square : d_->marked) {
    if (square.x() < 1 || square.y() < 1 || square.x() >= d_->cols || square.y() >= d_->rows) continue;
    const CanvasRect cell = GridGeometry::CellBounds(square.x(), square.y());
    painter.fillRect(QRect(cell.left, cell.top, cell.Width(), MarkWidth), rgb::Mark);
    painter.fillRect(QRect(cell.left, cell.bottom - MarkWidth, cell.Width(), MarkWidth), rgb::Mark);
    painter.fillRect(QRect(cell.left, cell.top, MarkWidth, cell.Height()), rgb::Mark);
    painter.fillRect(QRect(cell.right - MarkWidth, cell.top, MarkWidth, cell.Height()), rgb::Mark);
  }
}

void KvenGrid::mousePressEvent(QMouseEvent* event) {
  event->accept();
  int col = 0;
  int row = 0;
  if (!CellAt(event->position().toPoint(), col, row) || col < 1 || row < 1) return;
  if (onSquarePressed) onSquarePressed(col, row);
}

void KvenGrid::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // A modifier pressed while a key is held makes a chord of that key too.
  const Qt::KeyboardModifiers modifier = ModifierOfKey(event->key());
  if (modifier != Qt::NoModifier)
    for (auto& [key, held] : d_->keysDown) held.Add(modifier);
  // An auto-repeated press adds to the chord of the hold it repeats.
  d_->keysDown[event->key()].Add(event->modifiers());
  if (onKeyDown) onKeyDown(ToKeyEvent(*event));
}

void KvenGrid::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  // A held key is entered once, when it is really let go.
  if (event->isAutoRepeat()) return;
  // A release whose press went elsewhere (the access key that chose
  // Entry > Solution, a shortcut) is no keystroke on the grid: letters are
  // entered on release, so it would type into the first square.
  const auto held = d_->keysDown.find(event->key());
  if (held == d_->keysDown.end()) return;
  ChordModifiers chord = held->second;
  d_->keysDown.erase(held);
  chord.Add(event->modifiers());
  KeyEvent key = ToKeyEvent(*event);
  key.shift = chord.shift;
  key.ctrl = chord.ctrl;
  key.alt = chord.alt;
  if (onKeyUp) onKeyUp(key);
}

void KvenGrid::focusOutEvent(QFocusEvent* event) {
  // Releases of keys held now go elsewhere; a hold the grid still counted
  // would lend its chord to the next press of that key.
  d_->keysDown.clear();
  QWidget::focusOutEvent(event);
}

KeyEvent ToKeyEvent(const QKeyEvent& event) {
  KeyEvent key;
  const int code = event.key();
  if (code >= Qt::Key_A && code <= Qt::Key_Z) {
    key.key = Key::Letter;
    key.letter = static_cast<char>('A' + (code - Qt::Key_A));
  } else {
    switch (code) {
      case Qt::Key_Space:
        key.key = Key::Space;
        break;
      case Qt::Key_Backspace:
        key.key = Key::Backspace;
        break;
      case Qt::Key_Left:
        key.key = Key::Left;
        break;
      case Qt::Key_Up:
        key.key = Key::Up;
        break;
      case Qt::Key_Right:
        key.key = Key::Right;
        break;
      case Qt::Key_Down:
        key.key = Key::Down;
        break;
      default:
        key.key = Key::Other;
        break;
    }
  }
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  key.shift = modifiers.testFlag(Qt::ShiftModifier);
  key.ctrl = modifiers.testFlag(Qt::ControlModifier);
  key.alt = modifiers.testFlag(Qt::AltModifier);
  return key;
}

}  // namespace kven
