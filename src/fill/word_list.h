#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/files.h"

// Word lists as setters share them: one entry a line, optionally
// "WORD;SCORE", in UTF-8 or Latin-1, folded to the letters A..Z a grid holds.
namespace kven::fill {

inline constexpr int MinWordLength = 2;
inline constexpr int MaxWordLength = 30;
inline constexpr int DefaultScore = 50;  // an entry that gives none

// The entry folded to A..Z: accents removed, letters upper-cased, spaces,
// hyphens and apostrophes dropped. None when it holds anything else (a
// digit, another symbol, a letter of no Latin alphabet) or when the result
// is shorter than MinWordLength or longer than MaxWordLength. Each entry is
// taken as UTF-8 when it is valid UTF-8, else as Latin-1.
std::optional<std::string> FoldEntry(std::string_view entry);

// The words of a list, each once, with its score.
class WordList {
 public:
  // Adds a folded word; a word already there keeps the higher score.
  void Add(std::string_view word, int score);
  // Reads a whole list's text. Blank lines are passed over; a line that does
  // not fold, or whose score is not an integer, is counted as skipped.
  void AddText(std::string_view text, std::optional<int> scoreForAll = std::nullopt);

  std::size_t Size() const { return offsets_.size(); }
  std::string_view Word(std::size_t i) const {
    return std::string_view(letters_).substr(offsets_[i], lengths_[i]);
  }
  int Score(std::size_t i) const { return scores_[i]; }

  int entriesRead = 0;     // lines that gave a word, duplicates included
  int entriesSkipped = 0;  // lines that gave none

 private:
  std::size_t Find(std::string_view word, std::uint64_t hash) const;
  void Grow();

  std::string letters_;  // every word, one after another
  std::vector<std::uint32_t> offsets_;
  std::vector<std::uint8_t> lengths_;
  std::vector<std::int32_t> scores_;
  std::vector<std::uint32_t> table_;  // open addressing: word index + 1, 0 for none
};

// "Read N words (M entries skipped)".
std::string ListSummary(const WordList& list);

enum class LoadStatus { Loaded, CannotOpen };

struct LoadResult {
  LoadStatus status = LoadStatus::Loaded;
  std::string message;  // the program's message when a file could not be read
};

// Reads the list file `path` into `list`, through the same size limit and
// messages as opening a puzzle.
LoadResult LoadWordList(const std::string& path, io::Accept accept, WordList& list);

// The list used when none is chosen: Debian's SCOWL English, British and
// American word files up to size level 70, each word scored by the level
// it first appears in so that common words come first; else the system's
// words file. `folder` and `fallback` are where to look.
inline constexpr std::string_view ScowlFolder = "/usr/share/dict/scowl";
inline constexpr std::string_view SystemWords = "/usr/share/dict/words";
LoadResult LoadDefaultWordList(WordList& list, std::string_view folder = ScowlFolder,
                               std::string_view fallback = SystemWords);

}  // namespace kven::fill
