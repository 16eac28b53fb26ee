#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <string>

#include "model/puzzle.h"
#include "model/square_styles.h"
#include "render/canvas.h"

namespace kven {

// Where the picture goes: the target fixes the scale, the margins, the bar
// thickness and the fill colour of blocks and bars.
enum class PictureTarget { Bitmap, Printer };

// Draws the whole puzzle (title, grid, blocks, bars, clue numbers, letters)
// on a canvas that is drawing on a device, covering the device's whole
// drawable area. Bitmap: squares of 32 pixels from (0, 32), bars barWidth
// (1..6) thick, silver fill. Printer: squares of pageWidth div 32 printer
// pixels, margins of two squares at the left and one at the top, bars a
// fifteenth of a square, grey fill, grid lines a 150th of an inch thick (at
// the device's resolution) drawn over blocks and bars, numbers and letters
// one line weight further in; pageWidth is the printable width.
// The canvas keeps the brush, pen colour and font the picture leaves.
// With styles, a shaded open square is filled with its shade inside its
// grid lines, under its bars, number and letter (whose boxes take the
// shade); a circled one gets a circle inside its lines, its number and
// letter on their own glyphs' background only. Squares without a style
// are drawn as without styles, pixel for pixel.
void DrawPuzzlePicture(Canvas& canvas, const Puzzle& puzzle, int barWidth, PictureTarget target, int pageWidth = 0,
                       const SquareStyles* styles = nullptr);

// The bitmap's size: 32 x HSquares + 8 by 32 x (VSquares + 1) + 8.
QSize PuzzleBitmapSize(const Puzzle& puzzle);

// A new bitmap of that size with the picture drawn on it, as Copy and Save
// make it when "Grid" is chosen.
QImage MakePuzzleBitmap(const Puzzle& puzzle, int barWidth, const SquareStyles* styles = nullptr);

// The same picture as an SVG document of the bitmap's size: lines, blocks
// and bars as shapes, the title, numbers and letters as text in a sans-serif
// family, no bitmap anywhere. barWidth as for the bitmap.
std::string PuzzleSvg(const Puzzle& puzzle, int barWidth, const SquareStyles* styles = nullptr);

// The picture as the bytes of a file in the given format ("BMP", "PNG"),
// for whoever saves or sends it. Empty when the image cannot be written,
// with the writer's reason in `reason`.
std::string EncodePicture(const QImage& image, const char* format, std::string* reason = nullptr);

}  // namespace kven
