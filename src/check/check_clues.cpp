#include "check/check_clues.h"

namespace kven {

void AddClueFindings(CheckReport& report, const PuzzleClues& clues) {
  if (!HasClueTexts(clues)) return;
  for (const CheckedEntry& e : report.entries) {
    if (e.number == 0) continue;
    const auto index = FindClue(clues, {e.direction, e.col, e.row});
    if (index && !clues.clues[*index].text.empty()) continue;
    report.findings.push_back({CheckRule::Clue, EntryName(e) + " has no clue", e.squares});
  }
}

}  // namespace kven
