#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fill/word_index.h"

// Looking words up as a setter does: by a pattern of known and unknown
// letters, or by the letters of an anagram.
namespace kven::fill {

struct FoundWord {
  std::string word;
  int score = 0;
  bool operator==(const FoundWord&) const = default;
};

// The pattern in the form the search reads: letters upper-cased, "." as
// "?", runs of "*" as one. None when it holds anything but letters A..Z
// (either case), "?", "." and "*", or no letter place at all.
std::optional<std::string> ReadPattern(std::string_view pattern);

// The words matching a pattern read by ReadPattern ("?" one letter, "*" any
// run of letters, even none, a letter itself), scoring at least `minScore`:
// best first, then in alphabetical order; at most `limit` (all for 0).
std::vector<FoundWord> MatchPattern(const WordIndex& index, std::string_view pattern, int minScore = 0,
                                    int limit = 0);

// The words made of exactly the given letters (case ignored; a "?" stands
// for any one letter), in the same order. None for letters of another kind.
std::optional<std::vector<FoundWord>> Anagrams(const WordIndex& index, std::string_view letters, int minScore = 0,
                                               int limit = 0);

}  // namespace kven::fill
