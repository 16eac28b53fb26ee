#include "formats/placed_clues.h"

#include <vector>

namespace kven {

CluePlaces::CluePlaces(const Puzzle& p) {
  if (!IsNumbered(p)) return;
  std::map<std::pair<EntryDirection, std::int32_t>, int> uses;
  const std::vector<DiagramEntry> entries = DiagramEntries(p);
  for (const DiagramEntry& e : entries) ++uses[{e.direction, p.Numbers(e.col, e.row)}];
  for (const DiagramEntry& e : entries) {
    const std::int32_t n = p.Numbers(e.col, e.row);
    if (n != 0 && uses[{e.direction, n}] == 1) numbered_.emplace(std::pair{e.direction, n}, KeyOf(e));
  }
}

void CluePlaces::Place(Clue& clue, const std::string& label) {
  if (const auto n = LabelNumber(label)) {
    const auto it = numbered_.find({clue.direction, *n});
    if (it != numbered_.end() && taken_.insert(it->second).second) {
      clue.col = it->second.col;
      clue.row = it->second.row;
      return;
    }
  }
  clue.label = label;
}

std::optional<std::int32_t> LabelNumber(std::string_view label) {
  if (label.empty() || label.size() > 6 || label.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  std::int32_t n = 0;
  for (const char c : label) n = n * 10 + (c - '0');
  return n;
}

SplitClue SplitEnumeration(std::string_view text, int length) {
  const auto ending = FindEndingEnumeration(text);
  if (!ending || ending->letters != length) return {std::string(text), std::string()};
  std::string_view rest = text.substr(0, ending->open);
  while (rest.ends_with(' ')) rest.remove_suffix(1);
  return {std::string(rest), std::string(ending->inside)};
}

std::string JoinEnumeration(std::string_view text, std::string_view enumeration) {
  if (enumeration.empty()) return std::string(text);
  const bool bracketed = enumeration.starts_with('(') && enumeration.ends_with(')');
  const std::string inBrackets = bracketed ? std::string(enumeration) : "(" + std::string(enumeration) + ")";
  return std::string(text) + (text.empty() ? "" : " ") + inBrackets;
}

}  // namespace kven
