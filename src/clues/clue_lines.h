#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "clues/puzzle_clues.h"
#include "text/text_lines.h"

namespace kven {

// One line of a printed or listed clue list, as plain values.
struct ClueLine {
  // "12"; the label of a clue without an entry of its own ("1-5", "3,4");
  // "" for an entry whose square has no number.
  std::string number;
  std::string text;         // the clue as plain text (see PlainText), UTF-8; "" for none yet
  std::string enumeration;  // "(5)", "(3,4)"; "" for a clue that has neither an entry nor one of its own
  std::string answer;       // the letters of its entry; "" while a square of it has none
  bool aside = false;       // it stands on no entry of the diagram
  // "3,4": the first square of an entry whose square has no number, which
  // names it where a list is read rather than solved; "" otherwise.
  std::string square{};
  // `number`, else `square`: what a listed line is led by.
  const std::string& Label() const { return number.empty() ? square : number; }
  bool operator==(const ClueLine&) const = default;
};

// A clue list under its heading: across, down, or another list a document
// had ("Diagonal").
struct ClueSection {
  std::string name;     // what a clue of the list is called: "Across", "Diagonal"
  std::string heading;  // what is printed above the list: the name, or the heading the document gave
  std::vector<ClueLine> lines;
  bool operator==(const ClueSection&) const = default;
};

// A clue's text and enumeration as they are listed and printed (number and
// answer left empty). The text is the plain text of `markup`; when it ends
// with a bracketed enumeration ("Nature goddess (6)", "(3-4)"), that is the
// enumeration and the text stops before it, so that it is never shown
// twice. Otherwise the enumeration is the one given, in brackets, else the
// entry's length; a clue without an entry (length 0) that gives none has none.
ClueLine ShownClue(std::string_view markup, std::string_view enumeration, int length);
inline ClueLine ShownClue(const Clue* clue, int length) {
  return clue != nullptr ? ShownClue(clue->text, clue->enumeration, length) : ShownClue({}, {}, length);
}

// The clues of one direction in clue-list order: one line for every entry
// of the diagram in that direction, in the reading order of first squares.
std::vector<ClueLine> OrderedClues(const PuzzleClues& clues, const Puzzle& p, EntryDirection direction);

// The across and down lists whole: every entry in clue-list order, and the
// clues that stand on no entry. A document's clue that names linked entries
// ("1-5") stands, under its label, in the place of the first of them when
// that one has no clue text; the others follow their list's entries, aside.
std::vector<ClueSection> DirectionSections(const PuzzleClues& clues, const Puzzle& p);

// The clues with their texts, one a line, UTF-8: "1 Across. Setter's first
// clue (4)", list after list, and then each clue standing aside led by
// "Without an entry: ".
TextLineList ClueTextLines(const std::vector<ClueSection>& sections);

}  // namespace kven
