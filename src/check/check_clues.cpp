#include "check/check_clues.h"

namespace kven {

void AddClueFindings(CheckReport& report, const PuzzleClues& clues) {
  const bool clued = HasClueTexts(clues);
  for (const CheckedEntry& e : report.entries) {
    const auto index = FindClue(clues, {e.direction, e.col, e.row});
    const Clue* clue = index ? &clues.clues[*index] : nullptr;
    if (clued && e.number != 0 && (clue == nullptr || clue->text.empty()))
      report.findings.push_back({CheckRule::Clue, EntryName(e) + " has no clue", e.squares});
    if (const std::string misfit = clue != nullptr ? EnumerationMisfit(*clue, e.length) : std::string(); !misfit.empty())
      report.findings.push_back({CheckRule::Clue, EntryName(e) + " " + misfit, e.squares});
  }
}

}  // namespace kven
