#include "render/puzzle_picture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPaintDevice>
#include <QSvgGenerator>
#include <algorithm>

#include "render/drawn_style.h"

namespace kven {

namespace {

constexpr int BitmapSquare = 32;
constexpr int BitmapMargin = 8;

// Where and how large the picture is drawn on its target.
struct PictureScale {
  int square;        // side of a square, grid line included
  int left;          // margin left of the grid
  int top;           // margin above the title
  int barThickness;  // of a bar, along the edge it lies on
  QRgb fill;         // of blocks and bars
};

PictureScale ScaleFor(PictureTarget target, int barWidth, int pageWidth) {
  if (target == PictureTarget::Printer) {
    const int square = std::max(pageWidth, 0) / 32;
    return {square, 2 * square, square, square / 15, rgb::Grey};
  }
  return {BitmapSquare, 0, 0, ClampBarWidth(barWidth), rgb::Silver};
}

// Printed grid lines are a 150th of an inch thick: a printer's pixel is too
// thin for paper, and a 300-dpi printer still draws these two pixels wide.
int PrintedLineWeight(const Canvas& canvas) {
  const int dpi = canvas.Device() != nullptr ? canvas.Device()->logicalDpiX() : Canvas::ScreenPixelsPerInch;
  return std::max(1, (dpi + 75) / 150);
}

// The grid lines of a printed picture in the pen colour, each centred on its
// place and long enough to close the corners.
void DrawRuledLines(Canvas& canvas, int left, int top, int columns, int rows, int square, int weight) {
  const int half = weight / 2;
  const int right = left + columns * square;
  const int bottom = top + rows * square;
  for (int i = 0; i <= rows; ++i) {
    const int y = top + i * square - half;
    canvas.FillRectWithColor({left - half, y, right - half + weight, y + weight}, canvas.PenColor());
  }
  for (int i = 0; i <= columns; ++i) {
    const int x = left + i * square - half;
    canvas.FillRectWithColor({x, top - half, x + weight, bottom - half + weight}, canvas.PenColor());
  }
}

// A number or letter on its square's background: on its box, or, in a
// circled square, only behind its own glyphs, so that the circle shows.
void DrawLabel(Canvas& canvas, const SquareStyle& style, const CanvasRect& box, const QString& text) {
  if (style.Plain()) {
    canvas.TextRect(box, box.left, box.top, text);
    return;
  }
  canvas.SetBrushColor(style.shaded ? ShadeRgb(style) : rgb::White);
  if (style.circled) canvas.TextOut(box.left, box.top, text);
  else canvas.TextRect(box, box.left, box.top, text);
  canvas.SetBrushColor(rgb::White);
}

QString TitleText(const Puzzle& puzzle) {
  return QString::fromLatin1(puzzle.Title.data(), static_cast<qsizetype>(puzzle.Title.size()));
}

// Squares beyond 30 have no data; a puzzle that was never reset has none.
int Columns(const Puzzle& p) { return std::clamp(p.HSquares, 0, MaxSide); }
int Rows(const Puzzle& p) { return std::clamp(p.VSquares, 0, MaxSide); }

// The generator gives the size in millimetres, rounded to a few digits, and
// renderers round that up to a pixel more than the bitmap has: the size goes
// in pixels instead, which every renderer takes as they are.
std::string WithPixelSize(std::string svg, QSize size) {
  const auto start = svg.find("<svg");
  if (start == std::string::npos) return svg;
  const auto setAttribute = [&](const std::string& name, int pixels) {
    const std::string key = " " + name + "=\"";
    const auto at = svg.find(key, start);
    if (at == std::string::npos || at > svg.find('>', start)) return;
    const auto valueStart = at + key.size();
    const auto valueEnd = svg.find('"', valueStart);
    svg.replace(valueStart, valueEnd - valueStart, std::to_string(pixels));
  };
  setAttribute("width", size.width());
  setAttribute("height", size.height());
  return svg;
}

}  // namespace

void DrawPuzzlePicture(Canvas& canvas, const Puzzle& puzzle, int barWidth, PictureTarget target, int pageWidth,
                       const SquareStyles* styles) {
  const PictureScale scale = ScaleFor(target, barWidth, pageWidth);
  const int square = scale.square;
  const int columns = Columns(puzzle);
  const int rows = Rows(puzzle);
  int left = scale.left;
  int top = scale.top;

  canvas.SetBrushColor(rgb::White);
  canvas.FillRect(canvas.ClipRect());
  canvas.SetPenColor(rgb::Black);

  canvas.SetFontHeight(2 * square / 3);
  canvas.SetFontStyle(FontBold);
  canvas.TextOut(left, top, TitleText(puzzle));

  // The grid starts one square below the title.
  top += square;
  const bool printer = target == PictureTarget::Printer;
  if (!printer) {
    for (int i = 0; i <= rows; ++i) {
      canvas.MoveTo(left, top + i * square);
      canvas.LineTo(left + columns * square, top + i * square);
    }
    for (int i = 0; i <= columns; ++i) {
      canvas.MoveTo(left + i * square, top);
      canvas.LineTo(left + i * square, top + rows * square);
    }
  }

  // Shades lie under everything else of their squares.
  for (int col = 1; col <= columns; ++col) {
    for (int row = 1; row <= rows; ++row) {
      const SquareStyle& style = DrawnStyle(styles, puzzle, col, row);
      if (!style.shaded) continue;
      const int x = left + (col - 1) * square;
      const int y = top + (row - 1) * square;
      canvas.FillRectWithColor({x + 1, y + 1, x + square, y + square}, ShadeRgb(style));
    }
  }

  canvas.SetBrushColor(scale.fill);
  const int thickness = scale.barThickness;
  for (int col = 1; col <= columns; ++col) {
    for (int row = 1; row <= rows; ++row) {
      const int x = left + (col - 1) * square;
      const int y = top + (row - 1) * square;
      if (puzzle.Blocks(col, row) != 0) canvas.Rectangle({x, y, x + square + 1, y + square + 1});
      if (puzzle.HBars(col, row) != 0) canvas.Rectangle({x, y + square - thickness, x + square, y + square});
      if (puzzle.VBars(col, row) != 0) canvas.Rectangle({x + square - thickness, y, x + square, y + square});
    }
  }
  // On paper the lines go over blocks and bars, so that nothing thins them.
  const int weight = printer ? PrintedLineWeight(canvas) : 1;
  if (printer) DrawRuledLines(canvas, left, top, columns, rows, square, weight);
  canvas.SetBrushColor(rgb::White);
  if (styles != nullptr && AnyCircled(*styles, columns, rows)) {
    const int penWidth = canvas.PenWidth();
    canvas.SetPenWidth(weight);
    for (int col = 1; col <= columns; ++col) {
      for (int row = 1; row <= rows; ++row) {
        if (!DrawnStyle(styles, puzzle, col, row).circled) continue;
        const int x = left + (col - 1) * square;
        const int y = top + (row - 1) * square;
        canvas.Circle({x + weight, y + weight, x + square, y + square});
      }
    }
    canvas.SetPenWidth(penWidth);
  }

  if (IsNumbered(puzzle)) {
    // Numbers sit inside the grid lines, clear of them (one pixel on the
    // bitmap), and so do the letters after them.
    left += weight;
    top += weight;
    canvas.SetFontHeight(square / 3);
    canvas.SetFontStyle(FontBold);
    canvas.SetFontColor(rgb::Black);
    for (int col = 1; col <= columns; ++col) {
      for (int row = 1; row <= rows; ++row) {
        const std::int32_t number = puzzle.Numbers(col, row);
        if (number <= 0) continue;
        const CanvasRect box{left + (col - 1) * square, top + (row - 1) * square, left + col * square - square / 2,
                             top + row * square - square / 2};
        DrawLabel(canvas, DrawnStyle(styles, puzzle, col, row), box, QString::number(number));
      }
    }
  }

  left += square / 3;
  top += square / 3;
  canvas.SetFontHeight(square / 2);
  for (int row = 1; row <= rows; ++row) {
    for (int col = 1; col <= columns; ++col) {
      const char ch = puzzle.Letters(col, row);
      if (puzzle.Blocks(col, row) != 0 || !IsLetterOrBlank(ch)) continue;
      const CanvasRect box{left + 3 + (col - 1) * square, top + (row - 1) * square,
                           left + 3 + col * square - square / 2, top + row * square - square / 2};
      DrawLabel(canvas, DrawnStyle(styles, puzzle, col, row), box, QString(QChar::fromLatin1(ch)));
    }
  }
}

QSize PuzzleBitmapSize(const Puzzle& puzzle) {
  return QSize(BitmapSquare * Columns(puzzle) + BitmapMargin, BitmapSquare * (Rows(puzzle) + 1) + BitmapMargin);
}

QImage MakePuzzleBitmap(const Puzzle& puzzle, int barWidth, const SquareStyles* styles) {
  QImage image(PuzzleBitmapSize(puzzle), QImage::Format_RGB32);
  Canvas canvas;
  if (canvas.Begin(&image)) DrawPuzzlePicture(canvas, puzzle, barWidth, PictureTarget::Bitmap, 0, styles);
  canvas.End();
  return image;
}

std::string PuzzleSvg(const Puzzle& puzzle, int barWidth, const SquareStyles* styles) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  const QSize size = PuzzleBitmapSize(puzzle);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(Canvas::ScreenPixelsPerInch);
  generator.setTitle(TitleText(puzzle));
  Canvas canvas;
  if (canvas.Begin(&generator)) DrawPuzzlePicture(canvas, puzzle, barWidth, PictureTarget::Bitmap, 0, styles);
  canvas.End();
  // A reader without the metric-compatible family still draws a sans-serif.
  bytes.replace("font-family=\"Liberation Sans\"", "font-family=\"Liberation Sans, Arial, sans-serif\"");
  return WithPixelSize(bytes.toStdString(), size);
}

std::string EncodePicture(const QImage& image, const char* format, std::string* reason) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) {
    if (reason != nullptr) *reason = writer.errorString().toStdString();
    return std::string();
  }
  return bytes.toStdString();
}

}  // namespace kven
