#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/entries.h"
#include "model/puzzle.h"

namespace kven {

// Where a clue belongs: its entry's first square and direction. Numbers
// change with every edit of the diagram; the square and direction do not,
// so a clue keyed by them follows its entry through any renumbering.
struct EntryKey {
  EntryDirection direction = EntryDirection::Across;
  int col = 0;
  int row = 0;
  auto operator<=>(const EntryKey&) const = default;
};

inline EntryKey KeyOf(const DiagramEntry& entry) { return {entry.direction, entry.col, entry.row}; }

// One clue. Texts are UTF-8 as written, HTML markup included.
struct Clue {
  EntryDirection direction = EntryDirection::Across;
  // The entry's first square; 0, 0 for a clue that came from a document
  // under a number no entry carried (a linked "1-5", a number of nothing).
  int col = 0;
  int row = 0;
  std::string label;        // the number as such a document wrote it; "" for a clue with a square
  std::string text;
  std::string enumeration;  // as written, without brackets ("3,4"); "" for the entry's length
  std::string members;      // other members of the document's clue object, as a JSON object text; "" for none

  bool HasSquare() const { return col > 0 && row > 0; }
  EntryKey Key() const { return {direction, col, row}; }
  bool operator==(const Clue&) const = default;
};

// A clue list of a document other than across and down ("Diagonal",
// "Nodes"), kept as the document had it.
struct OtherClueList {
  std::string key;   // the direction as the document named it
  std::string json;  // the list, as a JSON text
  bool operator==(const OtherClueList&) const = default;
};

// What is said about the puzzle beside its grid, UTF-8 as written.
struct PuzzleFacts {
  std::string title;  // the title with every character; see UnicodeTitle
  std::string author;
  std::string copyright;
  std::string notes;
  std::string intro;
  bool operator==(const PuzzleFacts&) const = default;
};

// The clues and facts of the puzzle, kept beside the Puzzle (whose KVEN text
// has no room for them). Plain data: a copy is a snapshot, as Undo wants.
// A clue stands on its entry while the diagram has an entry at its key; an
// edit that removes the entry leaves the clue here, without an entry, until
// the entry comes back or the clue is deleted.
struct PuzzleClues {
  std::vector<Clue> clues;
  PuzzleFacts facts;
  // The across and down lists' keys as a document wrote them
  // ("Across:Horizontal"); "" for plain "Across" and "Down".
  std::string acrossKey;
  std::string downKey;
  std::vector<OtherClueList> otherLists;
  bool operator==(const PuzzleClues&) const = default;
};

// What a clue list is headed: the heading a document gave it after the
// colon of its key ("Across:Horizontal" is headed "Horizontal"), else
// `name`.
std::string ListHeading(std::string_view key, std::string_view name);

// True when some clue has a text.
bool HasClueTexts(const PuzzleClues& clues);

// The clue standing on the entry at `key`: the first clue with that key.
std::optional<std::size_t> FindClue(const PuzzleClues& clues, const EntryKey& key);

// The clues that stand on no entry of the puzzle, in the order kept: those
// whose square starts no entry now, those without a square, and any clue
// after the first one of an entry.
std::vector<std::size_t> CluesWithoutEntry(const PuzzleClues& clues, const Puzzle& p);

// The clue of the entry at `key`, made (empty) when there is none.
std::size_t ClueFor(PuzzleClues& clues, const EntryKey& key);

// Set a clue's text or enumeration. An enumeration loses surrounding blanks
// and one pair of brackets ("(3,4)" is "3,4"). A clue with a square that is
// left with nothing to say (no text, no enumeration, nothing else kept) is
// removed, so an entry's clue that is typed and wiped again leaves no trace.
void SetClueText(PuzzleClues& clues, std::size_t index, std::string text);
void SetClueEnumeration(PuzzleClues& clues, std::size_t index, std::string_view enumeration);
void DeleteClue(PuzzleClues& clues, std::size_t index);

// "(3,4)", or the entry's length "(5)" when the clue gives none (or there is no clue).
std::string EnumerationText(const Clue* clue, int length);

// The letters an enumeration counts: the sum of its word lengths, when it is
// nothing but numbers and the marks between words (blanks, "," "-" "'" "."
// "/", dashes and curly apostrophes), in one pair of brackets or none:
// "3,4" 7, "4-4 4" 12, "2'1" 3, "(5)" 5. None for one with words or other
// characters ("2 words", "5, two words", "3?", "1-5 across"), which says
// more than letters; none for an empty one.
std::optional<int> EnumerationLetters(std::string_view enumeration);

// The enumeration a clue text ends with, as setters write one where there
// is no field for it: "Nature goddess (6)", "Hold tight (3,2)". It is the
// text's last bracket, with nothing but blanks after it, holding what
// EnumerationLetters counts, every number in it of one or two digits as word
// lengths are ("Film (1997)" ends with no enumeration).
struct EndingEnumeration {
  std::size_t open = 0;     // where its "(" stands in the text
  std::string_view inside;  // between the brackets: "3,2"
  int letters = 0;          // what it counts
};
std::optional<EndingEnumeration> FindEndingEnumeration(std::string_view text);

// What is plainly wrong with the clue's enumeration for its entry of
// `length` letters: "has 5 letters but its enumeration (3,4) counts 7", to
// follow the entry's name, in ASCII (typeset dashes and quotation marks as
// typed, "-" and "'"); empty when it fits, says no more than letters can
// count, or gives none. A clue that continues into other entries
// ("continued" or "see" among its members) counts theirs too and is taken
// as it is.
std::string EnumerationMisfit(const Clue& clue, int length);

// "12 Across" or "3 Down"; the label alone ("1-5 Across") for a clue
// without a square, and the square ("3,4 Down") for one on a square without number.
std::string ClueName(const Clue& clue, const Puzzle& p);
// The same without the direction: "12", "1-5", "3,4"; "" for a clue
// without a square that a document gave no label.
std::string ClueLabel(const Clue& clue, const Puzzle& p);

// The title as a single-byte KVEN title: Latin-1 ("?" for other
// characters), line breaks as blanks, cut to the short-string length.
std::string SingleByteTitle(std::string_view utf8);
// The title with every character: the kept Unicode title while the
// puzzle's single-byte title is still its own, else that title as UTF-8.
std::string UnicodeTitle(const PuzzleClues& clues, const Puzzle& p);
// Gives both the kept title and the puzzle's single-byte Title.
void SetTitle(PuzzleClues& clues, Puzzle& p, std::string utf8);

}  // namespace kven
