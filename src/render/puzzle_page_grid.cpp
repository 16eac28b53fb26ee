#include "render/puzzle_page_grid.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "model/editor_state.h"
#include "render/canvas.h"
#include "render/drawn_style.h"

namespace kven {

namespace {

constexpr double LinePoints = 0.5;
constexpr double FramePoints = 3 * LinePoints;
constexpr int PictureSquarePixels = 32;  // a square of the bitmap picture, which gives the bars' thickness
// Shares of a square.
constexpr double NumberShare = 0.3;
constexpr double NumberInset = 0.06;
constexpr double LetterShare = 0.55;
constexpr double LetterMiddle = 0.6;  // below the middle, clear of the number

QFont GridFont(double pixels, const PageGridScale& scale) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(pixels / scale.point);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

int Columns(const Puzzle& p) { return std::clamp(p.HSquares, 0, MaxSide); }
int Rows(const Puzzle& p) { return std::clamp(p.VSquares, 0, MaxSide); }

}  // namespace

double PageGridOverhang(const PageGridScale& scale) { return FramePoints * scale.point / 2; }

QRectF PageGridBounds(const Puzzle& p, QPointF corner, const PageGridScale& scale) {
  const double out = PageGridOverhang(scale);
  return QRectF(corner, QSizeF(Columns(p) * scale.square, Rows(p) * scale.square)).adjusted(-out, -out, out, out);
}

PlacedPageGrid FitPageGrid(const Puzzle& p, double maxSquare, const QRectF& room, double point) {
  PageGridScale scale{0, point};
  const double overhang = PageGridOverhang(scale);
  const int columns = std::clamp(p.HSquares, 1, MaxSide);
  const int rows = std::clamp(p.VSquares, 1, MaxSide);
  scale.square = std::max(0.0, std::min({maxSquare, (room.width() - 2 * overhang) / columns,
                                         (room.height() - 2 * overhang) / rows}));
  return {room.topLeft() + QPointF(overhang, overhang), scale};
}

void DrawPageGrid(QPainter& painter, const PrintedPuzzle& printed, QPointF corner, const PageGridScale& scale,
                  int barWidth, bool letters) {
  // Marks of a kind the diagram no longer has are kept, and drawn nowhere.
  const Puzzle p = DrawnDiagram(printed.puzzle);
  const int columns = Columns(p);
  const int rows = Rows(p);
  const double s = scale.square;
  const auto squareAt = [&](int col, int row) {
    return QRectF(corner.x() + (col - 1) * s, corner.y() + (row - 1) * s, s, s);
  };
  const QColor black(rgb::Black);
  const SquareStyles* styles = &printed.styles;
  painter.save();
  painter.setBrush(Qt::NoBrush);

  // Shades lie under the lines, bars, numbers and letters of their squares.
  for (int col = 1; col <= columns; ++col)
    for (int row = 1; row <= rows; ++row) {
      if (p.Blocks(col, row) != 0) {
        painter.fillRect(squareAt(col, row), black);
      } else if (const SquareStyle& style = DrawnStyle(styles, p, col, row); style.shaded) {
        painter.fillRect(squareAt(col, row), QColor(ShadeRgb(style)));
      }
    }

  const double line = LinePoints * scale.point;
  QPen thin(black, line, Qt::SolidLine, Qt::FlatCap);
  painter.setPen(thin);
  for (int i = 1; i < rows; ++i)
    painter.drawLine(QPointF(corner.x(), corner.y() + i * s), QPointF(corner.x() + columns * s, corner.y() + i * s));
  for (int i = 1; i < columns; ++i)
    painter.drawLine(QPointF(corner.x() + i * s, corner.y()), QPointF(corner.x() + i * s, corner.y() + rows * s));

  // A bar lies inside its square against the line, which it joins.
  const double bar = ClampBarWidth(barWidth) * s / PictureSquarePixels + line / 2;
  for (int col = 1; col <= columns; ++col)
    for (int row = 1; row <= rows; ++row) {
      const QRectF square = squareAt(col, row);
      if (p.HBars(col, row) != 0) painter.fillRect(QRectF(square.left(), square.bottom() - bar + line / 2, s, bar), black);
      if (p.VBars(col, row) != 0) painter.fillRect(QRectF(square.right() - bar + line / 2, square.top(), bar, s), black);
    }

  QPen frame(black, FramePoints * scale.point, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  painter.setPen(frame);
  painter.drawRect(QRectF(corner, QSizeF(columns * s, rows * s)));

  // A circle as thin as the lines runs just inside them, over any bar.
  if (AnyCircled(printed.styles, columns, rows)) {
    painter.setPen(thin);
    const double inset = line;
    for (int col = 1; col <= columns; ++col)
      for (int row = 1; row <= rows; ++row)
        if (DrawnStyle(styles, p, col, row).circled)
          painter.drawEllipse(squareAt(col, row).adjusted(inset, inset, -inset, -inset));
  }

  if (IsNumbered(p)) {
    const QFont font = GridFont(NumberShare * s, scale);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double ascent = metrics.ascent();
    for (int col = 1; col <= columns; ++col)
      for (int row = 1; row <= rows; ++row) {
        const std::int32_t number = p.Numbers(col, row);
        if (number <= 0) continue;
        // A number a hand gave a block still shows.
        painter.setPen(p.Blocks(col, row) != 0 ? QColor(rgb::White) : black);
        const QRectF square = squareAt(col, row);
        const QString text = QString::number(number);
        const QPointF at(square.left() + NumberInset * s, square.top() + NumberInset * s);
        // The circle stops short of a number rather than run through it.
        if (const SquareStyle& style = DrawnStyle(styles, p, col, row); style.circled)
          painter.fillRect(QRectF(at, QSizeF(metrics.horizontalAdvance(text), ascent)).adjusted(-line, 0, line, line),
                           QColor(style.shaded ? ShadeRgb(style) : rgb::White));
        painter.drawText(at + QPointF(0, ascent), text);
      }
  }

  if (letters) {
    const QFont font = GridFont(LetterShare * s, scale);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(black);
    for (int row = 1; row <= rows; ++row)
      for (int col = 1; col <= columns; ++col) {
        const char letter = p.Letters(col, row);
        if (p.Blocks(col, row) != 0 || letter < 'A' || letter > 'Z') continue;
        const QString text(QChar::fromLatin1(letter));
        const QRectF square = squareAt(col, row);
        painter.drawText(QPointF(square.left() + (s - metrics.horizontalAdvance(text)) / 2,
                                 square.top() + LetterMiddle * s + metrics.capHeight() / 2),
                         text);
      }
  }
  painter.restore();
}

}  // namespace kven
