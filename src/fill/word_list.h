#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fill/fold.h"
#include "io/files.h"

// Word lists as setters keep and exchange them: one entry a line, "WORD",
// "WORD;SCORE" or "word score" (a blank or a tab before the score), phrases
// with blanks ("ICE CREAM;60"), "#" comment lines, CR LF or LF, UTF-8 or
// Latin-1; each entry folded to the letters A..Z a grid holds.
namespace kven::fill {

inline constexpr int DefaultScore = 50;  // an entry that gives none

// How the lines of one list are taken.
struct ListReading {
  std::optional<int> scoreForAll;  // every word's score, whatever its line says
  // For lists that hold possessives as forms of their own ("class's"), as
  // SCOWL does: those entries are passed over. Contractions stay.
  bool skipPossessives = false;
};

enum class LineKind { Blank, Comment, Word, Skipped };

struct ListLine {
  LineKind kind = LineKind::Blank;
  std::string word;  // when a Word: its letters
  int score = DefaultScore;
};

// One line of a list, its line end taken off or not.
ListLine ReadListLine(std::string_view line, Folder& folder, const ListReading& reading = {});

// The words of a list, each once, with its score.
class WordList {
 public:
  // Adds a folded word; a word already there keeps the higher score.
  void Add(std::string_view word, int score);
  // Reads a whole list's text. Blank and comment lines are passed over; a
  // line that does not fold, or whose score is not an integer, is counted
  // as skipped.
  void AddText(std::string_view text, const ListReading& reading = {});
  // The words of `over` with its scores, as a personal list over another.
  void PutOver(const WordList& over);
  void PutOver(WordList&& over);
  // Takes out every word `avoid` holds.
  void Remove(const WordList& avoid);

  std::size_t Size() const { return offsets_.size(); }
  std::string_view Word(std::size_t i) const {
    return std::string_view(letters_).substr(offsets_[i], lengths_[i]);
  }
  int Score(std::size_t i) const { return scores_[i]; }
  // The score of a folded word; none when the list lacks it.
  std::optional<int> ScoreOf(std::string_view word) const;

  int entriesRead = 0;     // lines that gave a word, duplicates included
  int entriesSkipped = 0;  // lines that gave none

 private:
  std::size_t Find(std::string_view word, std::uint64_t hash) const;
  void Grow();
  // Adds a word that is not there yet.
  void Append(std::string_view word, int score, std::size_t slot);

  std::string letters_;  // every word, one after another
  std::vector<std::uint32_t> offsets_;
  std::vector<std::uint8_t> lengths_;
  std::vector<std::int32_t> scores_;
  std::vector<std::uint32_t> table_;  // open addressing: word index + 1, 0 for none
};

// "Read N words (M entries skipped)".
std::string ListSummary(const WordList& list);

enum class LoadStatus { Loaded, CannotOpen, Stopped };

struct LoadResult {
  LoadStatus status = LoadStatus::Loaded;
  std::string message;  // the program's message when a file could not be read
};

// Reads the list file `path` into `list`, through the same size limit and
// messages as opening a puzzle.
LoadResult LoadWordList(const std::string& path, io::Accept accept, WordList& list, const ListReading& reading = {});

}  // namespace kven::fill
