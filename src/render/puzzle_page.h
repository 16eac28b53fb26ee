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
  PrintedPages pages = PrintedPages::Puzzle;
  int barWidth = DefaultBarWidth;  // as for the bitmap picture
};

// Where the pages put things, in points (1/72 inch) from the top-left
// corner of the paper.
struct PageGeometry {
  int pages = 0;            // every page made
  int cluePages = 0;        // the puzzle's (or the submission's) pages, without the solution page
  double squarePoints = 0;  // a square of the grid
  QRectF grid;              // the grid on the first page, frame included; empty on a solution alone
  QRectF solutionGrid;      // on the solution page; empty without one
  std::string refusal;      // why nothing was made, when the pages were refused
};

// The finished puzzle on a paged device (a PDF writer or a printer), as
// `options` asks. The puzzle: the title, author and copyright; the grid
// with black blocks and a heavy frame (DrawPageGrid); the clue lists in
// columns in reading order, left to right, each under its heading and
// headed again "Down (continued)" in any column it goes on in; the notes;
// flowing onto further pages when one is not enough, set a little smaller
// first where that keeps it to one. Text is set in Liberation Sans and
// stays text. The pages keep margins of 15 mm from the paper's edges.
// Returns nothing drawn (pages 0) when the device cannot be painted on or
// the pages are refused (with the reason).
PageGeometry DrawPuzzlePages(QPagedPaintDevice& device, const PrintedPuzzle& printed, const PageOptions& options);

// The same pages as a PDF document on the given paper; empty when they
// cannot be made (the reason, if any, in the geometry).
std::string PuzzlePdf(const PrintedPuzzle& printed, Paper paper, const PageOptions& options,
                      PageGeometry* geometry = nullptr);

}  // namespace kven
