#pragma once

#include "fill/fill_problem.h"
#include "fill/fill_search.h"

// The two steps of FillGrid, apart for the search's own use.
namespace kven::fill {

// One search for a fill; when choiceBudget is above 0 it gives up (as
// TimedOut) after that many choices. `floor`, when given, is each entry's
// lowest score in place of the options' minimum.
FillResult SearchFill(const Puzzle& p, const WordIndex& index, const FillOptions& options, long long choiceBudget,
                      const EntryFloor& floor = {});

// Makes a fill of `start` better where it can: each entry scoring below the
// weak score is emptied with the entries crossing it (then with theirs too)
// and filled again from words of at least that score, the rest of the grid
// kept. Only squares the fill put letters in change.
void PolishFill(const Puzzle& start, const WordIndex& index, const FillOptions& options, FillResult& result);

}  // namespace kven::fill
