#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"

namespace kven {

// Places the clues of a document that names each clue by its number (ipuz,
// .jpz, .xd) on the entries of the diagram read from it.
class CluePlaces {
 public:
  // A number that two entries of a direction carry places no clue: which
  // entry it meant cannot be told, and the writers keep such clues apart.
  explicit CluePlaces(const Puzzle& p);

  // Gives the clue its entry's first square when `label` is the number of
  // an entry of its direction that no clue has taken yet; else keeps the
  // label, and the clue stands on no entry.
  void Place(Clue& clue, const std::string& label);
  // Takes the entry at `key` for a clue that names it otherwise (by its
  // squares); false when a clue has taken it already.
  bool Take(const EntryKey& key) { return taken_.insert(key).second; }

 private:
  std::map<std::pair<EntryDirection, std::int32_t>, EntryKey> numbered_;
  std::set<EntryKey> taken_;
};

// The number in a label of digits alone; none for any other label.
std::optional<std::int32_t> LabelNumber(std::string_view label);

// A clue text of a format without a place for enumerations (.puz, .xd),
// where setters end the text with one: "Sea bird (4)" for an entry of four
// letters is the text "Sea bird" and the enumeration "4". Only an ending
// enumeration (FindEndingEnumeration) that counts the entry's length is
// split off; any other text stays whole.
struct SplitClue {
  std::string text;
  std::string enumeration;
};
SplitClue SplitEnumeration(std::string_view text, int length);

// The clue text such a format carries: the text, then " (3,4)" when the
// clue gives an enumeration.
std::string JoinEnumeration(std::string_view text, std::string_view enumeration);

}  // namespace kven
