#pragma once

#include "render/puzzle_page.h"

class QPagedPaintDevice;

namespace kven {

// The submission copy (PrintedPages::Submission) of a puzzle that holds its
// whole solution, on a paged device: on every page the author, the facts
// and "page 2 of 3" over a rule; on the first the filled grid; then each
// clue in a row with its entry's name and answer, "1 Across  CLASP  Hold
// tight (5)", under its list's heading; the notes last.
PageGeometry DrawSubmission(QPagedPaintDevice& device, const PrintedPuzzle& printed, int barWidth);

}  // namespace kven
