#include "clues/clue_lines.h"

#include "clues/plain_text.h"

namespace kven {

std::vector<ClueLine> OrderedClues(const PuzzleClues& clues, const Puzzle& p, EntryDirection direction) {
  std::vector<ClueLine> lines;
  for (const DiagramEntry& entry : DiagramEntries(p)) {
    if (entry.direction != direction) continue;
    const std::int32_t number = EntryNumber(p, entry);
    const auto index = FindClue(clues, KeyOf(entry));
    const Clue* clue = index ? &clues.clues[*index] : nullptr;
    lines.push_back({number != 0 ? std::to_string(number) : std::string(),
                     clue != nullptr ? PlainText(clue->text) : std::string(), EnumerationText(clue, entry.length)});
  }
  return lines;
}

namespace {

std::string Joined(std::string name, const std::string& text, const std::string& enumeration) {
  std::string line = std::move(name) + ".";
  if (!text.empty()) line += " " + text;
  if (!enumeration.empty()) line += " " + enumeration;
  return line;
}

}  // namespace

TextLineList ClueTextLines(const PuzzleClues& clues, const Puzzle& p) {
  TextLineList lines;
  for (const EntryDirection direction : {EntryDirection::Across, EntryDirection::Down}) {
    const char* name = direction == EntryDirection::Across ? "Across" : "Down";
    for (const ClueLine& line : OrderedClues(clues, p, direction))
      lines.push_back(Joined(line.number.empty() ? std::string(name) : line.number + " " + name, line.text,
                             line.enumeration));
  }
  for (const std::size_t i : CluesWithoutEntry(clues, p)) {
    const Clue& clue = clues.clues[i];
    const std::string enumeration = clue.enumeration.empty() ? std::string() : EnumerationText(&clue, 0);
    lines.push_back("Without an entry: " + Joined(ClueName(clue, p), PlainText(clue.text), enumeration));
  }
  return lines;
}

}  // namespace kven
