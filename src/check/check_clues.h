#pragma once

#include "check/check_report.h"
#include "clues/puzzle_clues.h"

namespace kven {

// Once the puzzle has clues, a finding for every numbered entry of the
// report whose clue has no text yet; a puzzle without any clue text is
// not being clued, and gets none. And for every entry whose clue gives an
// enumeration that plainly does not fit it (EnumerationMisfit), texts or not.
void AddClueFindings(CheckReport& report, const PuzzleClues& clues);

}  // namespace kven
