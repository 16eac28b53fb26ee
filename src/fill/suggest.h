#pragma once

#include <string>
#include <vector>

#include "fill/word_index.h"
#include "model/entries.h"
#include "model/puzzle.h"

namespace kven::fill {

struct Suggestion {
  std::string word;
  int score = 0;
  // The fewest words it leaves any crossing entry that is not complete
  // (0 when no such entry crosses it), and how many it leaves them all.
  int fewestLeft = 0;
  long long totalLeft = 0;
};

struct Suggestions {
  // Best first: by score, then by the words left the crossings.
  std::vector<Suggestion> words;
  int count = 0;  // how many fit, of which `words` holds the first ones
  // Entries of the grid, not complete, that no word of the list fits.
  std::vector<DiagramEntry> unfillable;
};

// The words of at least `minScore` that fit the entry's letters, that no
// other complete entry holds, and that leave every crossing at least one
// word; at most `limit` of them (all when limit is 0).
Suggestions SuggestWords(const Puzzle& p, const DiagramEntry& entry, const WordIndex& index, int minScore = 0,
                         int limit = 0);

}  // namespace kven::fill
