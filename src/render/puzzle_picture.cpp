#include "render/puzzle_picture.h"

#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

namespace kven {

namespace {

constexpr int BitmapSquare = 32;
constexpr int BitmapMargin = 8;

struct PictureScale {
  int square;     // S
  int left;       // X0
  int top;        // Y0
  int barWidth;   // BT
  QRgb fill;
};

PictureScale ScaleFor(PictureTarget target, int barWidth, int pageWidth) {
  if (target == PictureTarget::Printer) {
    const int s = std::max(pageWidth, 0) / 32;
    return {s, 2 * s, s, s / 15, rgb::Grey};
  }
  return {BitmapSquare, 0, 0, std::clamp(barWidth, 1, 6), rgb::Silver};
}

// Squares beyond 30 have no data; a puzzle that was never reset has none.
int Columns(const Puzzle& p) { return std::clamp(p.HSquares, 0, MaxSide); }
int Rows(const Puzzle& p) { return std::clamp(p.VSquares, 0, MaxSide); }

}  // namespace

void DrawPuzzlePicture(Canvas& canvas, const Puzzle& puzzle, int barWidth, PictureTarget target, int pageWidth) {
  const PictureScale scale = ScaleFor(target, barWidth, pageWidth);
  const int S = scale.square;
  const int H = Columns(puzzle);
  const int V = Rows(puzzle);
  int x0 = scale.left;
  int y0 = scale.top;

  canvas.SetBrushColor(rgb::White);
  canvas.FillRect(canvas.ClipRect());
  canvas.SetPenColor(rgb::Black);

  canvas.SetFontHeight(2 * S / 3);
  canvas.SetFontStyle(FontBold);
  canvas.TextOut(x0, y0, QString::fromLatin1(puzzle.Title.data(), static_cast<qsizetype>(puzzle.Title.size())));

  y0 += S;
  for (int i = 0; i <= V; ++i) {
    canvas.MoveTo(x0, y0 + i * S);
    canvas.LineTo(x0 + H * S, y0 + i * S);
  }
  for (int i = 0; i <= H; ++i) {
    canvas.MoveTo(x0 + i * S, y0);
    canvas.LineTo(x0 + i * S, y0 + V * S);
  }

  canvas.SetBrushColor(scale.fill);
  const int bt = scale.barWidth;
  for (int col = 1; col <= H; ++col) {
    for (int row = 1; row <= V; ++row) {
      const int x = x0 + (col - 1) * S;
      const int y = y0 + (row - 1) * S;
      if (puzzle.Blocks(col, row) != 0) canvas.Rectangle({x, y, x + S + 1, y + S + 1});
      if (puzzle.HBars(col, row) != 0) canvas.Rectangle({x, y + S - bt, x + S, y + S});
      if (puzzle.VBars(col, row) != 0) canvas.Rectangle({x + S - bt, y, x + S, y + S});
    }
  }
  canvas.SetBrushColor(rgb::White);

  if (puzzle.AutoNumbered || puzzle.ManualNumbered) {
    canvas.SetFontHeight(S / 3);
    canvas.SetFontStyle(FontBold);
    canvas.SetFontColor(rgb::Black);
    x0 += 1;
    y0 += 1;
    for (int col = 1; col <= H; ++col) {
      for (int row = 1; row <= V; ++row) {
        const std::int32_t number = puzzle.Numbers(col, row);
        if (number <= 0) continue;
        const CanvasRect box{x0 + (col - 1) * S, y0 + (row - 1) * S, x0 + col * S - S / 2, y0 + row * S - S / 2};
        canvas.TextRect(box, box.left, box.top, QString::number(number));
      }
    }
  }

  // Letters sit one pixel further in when numbers are shown.
  x0 += S / 3;
  y0 += S / 3;
  canvas.SetFontHeight(S / 2);
  for (int row = 1; row <= V; ++row) {
    for (int col = 1; col <= H; ++col) {
      const char ch = puzzle.Letters(col, row);
      if (puzzle.Blocks(col, row) != 0 || !IsLetterOrBlank(ch)) continue;
      const CanvasRect box{x0 + 3 + (col - 1) * S, y0 + (row - 1) * S, x0 + 3 + col * S - S / 2,
                           y0 + row * S - S / 2};
      canvas.TextRect(box, box.left, box.top, QString(QChar::fromLatin1(ch)));
    }
  }
}

QSize PuzzleBitmapSize(const Puzzle& puzzle) {
  return QSize(BitmapSquare * Columns(puzzle) + BitmapMargin, BitmapSquare * (Rows(puzzle) + 1) + BitmapMargin);
}

QImage MakePuzzleBitmap(const Puzzle& puzzle, int barWidth) {
  QImage image(PuzzleBitmapSize(puzzle), QImage::Format_RGB32);
  Canvas canvas;
  if (canvas.Begin(&image)) DrawPuzzlePicture(canvas, puzzle, barWidth, PictureTarget::Bitmap);
  canvas.End();
  return image;
}

bool SavePicture(const QImage& image, const QString& fileName, const char* format, QString* detail) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    if (detail != nullptr) *detail = file.errorString();
    return false;
  }
  QImageWriter writer(&file, format);
  if (!writer.write(image)) {
    if (detail != nullptr) *detail = writer.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (detail != nullptr) *detail = file.errorString();
    return false;
  }
  return true;
}

}  // namespace kven
