#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fill/word_index.h"
#include "model/entries.h"
#include "model/puzzle.h"

namespace kven::fill {

// How far a running search has come.
struct FillProgress {
  int squaresFilled = 0;  // squares holding a letter in the current attempt
  int restarts = 0;
};

// What a fill is asked to do; the defaults here are the program's, for
// kventool and the window alike.
struct FillOptions {
  int minScore = 0;  // no word scoring less is used
  std::uint64_t seed = 1;
  double timeLimitSeconds = 30;
  int weakBelow = 50;  // the quality report names the entries scoring less
  // The entries to fill; every entry of the diagram when empty.
  std::vector<DiagramEntry> only;
  const std::atomic<bool>* stop = nullptr;  // polled: true ends the search
  // Told now and then how far the search has come, on the search's thread.
  std::function<void(const FillProgress&)> progress;
};

enum class FillStatus {
  Filled,        // every entry holds a word
  NoFillExists,  // every possibility was tried
  TimedOut,      // no fill found within the time limit
  Stopped,       // the stop flag was set
};

struct PlacedLetter {
  int col = 0;
  int row = 0;
  char letter = 0;
  bool operator==(const PlacedLetter&) const = default;
};

// An entry the fill put a word in.
struct FilledEntry {
  DiagramEntry entry;
  std::string word;
  int score = 0;
};

struct FillResult {
  FillStatus status = FillStatus::NoFillExists;
  std::vector<PlacedLetter> letters;       // when Filled: the letters of the squares that had none
  std::vector<FilledEntry> entries;        // when Filled: the words put in, entry by entry
  std::vector<DiagramEntry> unfillable;    // entries known to take no word, when there are any
  int restarts = 0;
  long long choices = 0;
};

// Fills the empty squares of the chosen entries so that each entry holds a
// word of the index scoring at least the minimum, no word twice in the grid
// and no word a complete entry already holds. Complete entries are kept as
// they are. The puzzle itself is not changed. The best-scored words are
// tried first: every entry starts with the best words alone, and an entry
// where no fill is found is let down to rarer words step by step.
FillResult FillGrid(const Puzzle& p, const WordIndex& index, const FillOptions& options);

// Puts the letters into the puzzle as typing them would.
void PlaceLetters(Puzzle& p, GridView& view, const std::vector<PlacedLetter>& letters);

}  // namespace kven::fill
