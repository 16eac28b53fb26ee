#include "formats/clue_sections.h"

#include <nlohmann/json.hpp>

#include "formats/ipuz_clues.h"

namespace kven {

namespace {

using Json = nlohmann::json;

// The members a document's clue object kept, as JSON; null for none.
Json Members(const Clue& clue) {
  if (clue.members.empty()) return Json();
  return Json::parse(clue.members, nullptr, false);
}

ClueSection OtherSection(const OtherClueList& list) {
  ClueSection section;
  section.name = list.key.substr(0, list.key.find(':'));
  section.heading = ListHeading(list.key, section.name);
  const Json items = Json::parse(list.json, nullptr, false);
  if (!items.is_array()) return section;
  for (const Json& item : items) {
    const std::optional<Clue> clue = ReadIpuzClue(item);
    if (!clue) continue;
    ClueLine line = ShownClue(clue->text, clue->enumeration, 0);
    line.number = clue->label;
    if (const Json members = Members(*clue); members.is_object())
      if (const auto answer = members.find("answer"); answer != members.end() && answer->is_string())
        line.answer = answer->get<std::string>();
    section.lines.push_back(std::move(line));
  }
  return section;
}

}  // namespace

std::vector<ClueSection> ClueSections(const PuzzleClues& clues, const Puzzle& p) {
  std::vector<ClueSection> sections = DirectionSections(clues, p);
  for (const OtherClueList& list : clues.otherLists) sections.push_back(OtherSection(list));
  return sections;
}

}  // namespace kven
