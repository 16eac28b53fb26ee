#pragma once

#include <QPointF>
#include <QRectF>

#include "render/printed_puzzle.h"

class QPainter;

namespace kven {

// The size of a grid on paper, in device pixels.
struct PageGridScale {
  double square = 0;  // a square's side, from line to line
  double point = 0;   // a point (1/72 inch)
};

// The grid as published puzzles print it, its top-left grid corner at
// `corner`: blocks black, thin lines between the squares and a frame three
// times as heavy round them, bars where the picture draws them (barWidth of
// its 32 pixels to a square, inside the square against its line) in black,
// clue numbers in the top-left corner of their squares at three tenths of
// a square (6 points at 7 mm), and, with `letters`, the solution's letters
// centred below them. Numbers and letters are text. The puzzle's styles
// show as the picture shows them: a shade fills its open square under
// everything else there, a circle as thin as the lines runs inside them
// and stops short of the square's number.
void DrawPageGrid(QPainter& painter, const PrintedPuzzle& printed, QPointF corner, const PageGridScale& scale,
                  int barWidth, bool letters);

// What the grid covers on paper, its frame included.
QRectF PageGridBounds(const Puzzle& p, QPointF corner, const PageGridScale& scale);

// The frame's half width: how far it stands out beyond the grid corner.
double PageGridOverhang(const PageGridScale& scale);

// The grid at the top left of `room`, its frame inside it, with squares as
// large as `maxSquare` and the room allow; `point` as for the scale.
struct PlacedPageGrid {
  QPointF corner;
  PageGridScale scale;
};
PlacedPageGrid FitPageGrid(const Puzzle& p, double maxSquare, const QRectF& room, double point);

}  // namespace kven
