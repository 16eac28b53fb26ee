#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

#include "clues/puzzle_clues.h"
#include "model/puzzle.h"

namespace kven {

// The member in which the program keeps the clues that no number of the
// document's clue lists can place: clues whose entry an edit removed, and
// clues of entries without a number of their own. Other programs ignore it.
inline constexpr std::string_view KvenIpuzClues = "org.kven3.clues";

// The clues and facts of an ipuz document whose grid was read into `p`.
// A clue is [number, "text"], an object with "number", "clue" and
// "enumeration" (other members kept as they came), or a bare text; the
// lists are "Across" and "Down" or such keys with a heading ("Across:Ac").
// A clue goes to the entry whose first square carries its number; one
// whose number no entry of its direction carries is kept without an entry,
// under its number as written. Lists of other directions are kept whole.
// Values of the wrong type are passed over; never throws for any document.
PuzzleClues ReadIpuzClues(const nlohmann::json& root, const Puzzle& p);

// One clue of an ipuz clue list as written: [number, "text"], an object
// (its "number", "clue" and "enumeration", the other members kept as a JSON
// text) or a bare text, with the number as its label and no square; none
// for an item of another type.
std::optional<Clue> ReadIpuzClue(const nlohmann::json& item);

// The facts (title aside) as the document's members, where there is any.
void WriteIpuzFacts(nlohmann::ordered_json& doc, const PuzzleClues& clues);
// The "clues" member: an entry for every numbered entry of the diagram d,
// [number, "text"] or, with an enumeration or other members, an object;
// then the clues kept under a number of their own and the other lists.
nlohmann::ordered_json IpuzClueLists(const Puzzle& d, const PuzzleClues& clues);
// The clues the lists cannot place, for the KvenIpuzClues member; an empty
// list when there are none.
nlohmann::ordered_json UnplacedIpuzClues(const Puzzle& d, const PuzzleClues& clues);

}  // namespace kven
