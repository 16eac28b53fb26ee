#pragma once

#include <QLocale>
#include <QRectF>
#include <string>

#include "model/editor_state.h"
#include "render/printed_puzzle.h"

class QPagedPaintDevice;

namespace kven {

enum class Paper { A4, Letter };

// The paper a locale prints on: Letter where its measurement system is the
// US one and in the other countries of the Americas that use Letter, A4
// everywhere else.
Paper PaperForLocale(const QLocale& locale = QLocale::system());

struct PageOptions {
  bool solution = false;           // a further page with the filled grid
  int barWidth = DefaultBarWidth;  // as for the bitmap picture
};

// Where the pages put things, in points (1/72 inch) from the top-left
// corner of the paper.
struct PageGeometry {
  int pages = 0;            // the solution page included
  int cluePages = 0;        // the pages of the puzzle itself
  double squarePoints = 0;  // a square of the grid, as 32 pixels of the bitmap
  QRectF grid;              // the grid on the first page, outer lines included
  QRectF solutionGrid;      // on the solution page; empty without one
};

// The finished puzzle on a paged device (a PDF writer or a printer): the
// title, author and copyright, the grid as the bitmap picture draws it (in
// vectors, a whole number of device pixels to each of its pixels), the
// across and down clues in columns and the notes, flowing onto further
// pages when one is not enough; the solution on a page of its own when
// asked for. Text is set in Liberation Sans and stays text. The pages keep
// margins of 15 mm from the paper's edges. Returns nothing drawn (pages 0)
// when the device cannot be painted on.
PageGeometry DrawPuzzlePages(QPagedPaintDevice& device, const PrintedPuzzle& printed, const PageOptions& options);

// The same pages as a PDF document on the given paper; empty when it cannot
// be made.
std::string PuzzlePdf(const PrintedPuzzle& printed, Paper paper, const PageOptions& options,
                      PageGeometry* geometry = nullptr);

}  // namespace kven
