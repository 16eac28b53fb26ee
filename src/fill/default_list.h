#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "fill/word_list.h"

// The list used when none is chosen, and the words it never offers.
namespace kven::fill {

inline constexpr std::string_view ScowlFolder = "/usr/share/dict/scowl";
inline constexpr std::string_view SystemWords = "/usr/share/dict/words";

// Where the default list is read from: Debian's SCOWL files in `folder`,
// else the words file `fallback`.
struct DefaultListPlace {
  std::string folder{ScowlFolder};
  std::string fallback{SystemWords};
};

// SCOWL's English, British and American files, scored by how common a word
// is: a word first found at size level L scores 100 - L. Common words and
// contractions ("don't" DONT) come in up to level 70, possessives never;
// names (capitalised words, first names) up to level 50, scoring 10 less;
// abbreviations up to level 50, scoring 20 less. Without SCOWL, the words
// file, every word DefaultScore. The avoid list is taken out of either.
// `stopped`, when given, is asked between files; true ends the reading.
LoadResult LoadDefaultWordList(WordList& list, const DefaultListPlace& place = {},
                               const std::function<bool()>& stopped = {});

// The offensive words (slurs, vulgar terms) the default list never holds:
// the profane-words package, folded as list entries are.
const WordList& DefaultAvoidList();

}  // namespace kven::fill
