#pragma once

#include <string>
#include <vector>

#include "fill/fill_search.h"
#include "model/puzzle.h"

// How good a fill's words are, by their scores.
namespace kven::fill {

struct FillQuality {
  int entries = 0;  // the entries the fill put words in
  int lowest = 0;
  double mean = 0;
  int weakBelow = 0;
  std::vector<FilledEntry> weak;  // the entries scoring below weakBelow, weakest first
};

FillQuality MeasureFill(const std::vector<FilledEntry>& entries, int weakBelow);

// "Quality: 76 entries, lowest score 40, mean 62.5; 2 below 50: 12 across
// EMMET 40, 3 down OSIER 45", one line.
std::string QualityReport(const Puzzle& p, const FillQuality& quality);

}  // namespace kven::fill
