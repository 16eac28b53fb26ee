#include "fill/fill_polish.h"

#include <algorithm>
#include <map>
#include <set>

#include "fill/fill_problem.h"

namespace kven::fill {

namespace {

// Choices one attempt at an emptied part may take: a part with a better
// fill mostly gives it within a few hundred, and the weak entries of a grid
// are many.
constexpr long long AttemptChoices = 400;
// How far from the weak entry the emptied part reaches: its crossings, then
// theirs too.
constexpr int Reaches = 2;

using EntryKey = std::pair<std::pair<int, int>, EntryDirection>;

EntryKey Key(const DiagramEntry& e) { return {{e.col, e.row}, e.direction}; }

bool Crosses(const DiagramEntry& a, const DiagramEntry& b) {
  if (a.direction == b.direction) return false;
  for (const Square& s : EntrySquares(a))
    if (PositionIn(b, s.col, s.row) >= 0) return true;
  return false;
}

}  // namespace

void PolishFill(const Puzzle& start, const WordIndex& index, const FillOptions& options, FillResult& result) {
  const int weakBelow = std::max(options.weakBelow, options.minScore);
  Puzzle current = start;
  for (const PlacedLetter& l : result.letters) current.Letters(l.col, l.row) = l.letter;
  std::set<std::pair<int, int>> placed;
  for (const PlacedLetter& l : result.letters) placed.insert({l.col, l.row});
  std::map<EntryKey, FilledEntry> filled;
  for (const FilledEntry& e : result.entries) filled[Key(e.entry)] = e;
  const std::vector<DiagramEntry> all = DiagramEntries(start);

  // Each entry is tried once at each score it holds.
  using Tried = std::set<std::pair<EntryKey, int>>;
  const auto weakest = [&](const Tried& tried) {
    const FilledEntry* found = nullptr;
    for (const auto& [key, e] : filled)
      if (e.score < weakBelow && !tried.count({key, e.score}) && (found == nullptr || e.score < found->score)) found = &e;
    return found;
  };
  Tried tried;
  long long attempt = 0;
  for (const FilledEntry* weak = weakest(tried); weak != nullptr; weak = weakest(tried)) {
    const DiagramEntry target = weak->entry;
    const int better = weak->score + 1;
    tried.insert({Key(target), weak->score});
    std::vector<DiagramEntry> part{target};
    for (int reach = 1; reach <= Reaches; ++reach) {
      if (options.stop != nullptr && options.stop->load(std::memory_order_relaxed)) return;
      // The part grows by the entries crossing it.
      std::vector<DiagramEntry> grown = part;
      for (const DiagramEntry& e : all)
        if (std::find(grown.begin(), grown.end(), e) == grown.end() &&
            std::any_of(part.begin(), part.end(), [&](const DiagramEntry& p) { return Crosses(e, p); }))
          grown.push_back(e);
      part = std::move(grown);
      Puzzle trial = current;
      for (const DiagramEntry& e : part)
        for (const Square& s : EntrySquares(e))
          if (placed.count({s.col, s.row})) trial.Letters(s.col, s.row) = '.';
      FillOptions again = options;
      again.seed = options.seed + static_cast<std::uint64_t>(++attempt);
      again.progress = nullptr;
      // The part's entries take good words; the entries around it, whose
      // letters in the part change too, no worse ones than they hold.
      const EntryFloor floor = [&](const DiagramEntry& e) {
        if (e == target) return better;
        const auto at = filled.find(Key(e));
        return at == filled.end() ? options.minScore : std::max(options.minScore, at->second.score);
      };
      const FillResult found = SearchFill(trial, index, again, AttemptChoices, floor);
      if (found.status != FillStatus::Filled) continue;
      for (const PlacedLetter& l : found.letters) trial.Letters(l.col, l.row) = l.letter;
      current = std::move(trial);
      for (const FilledEntry& e : found.entries) filled[Key(e.entry)] = e;
      break;
    }
  }
  result.letters.clear();
  for (const auto& [col, row] : placed) result.letters.push_back({col, row, current.Letters(col, row)});
  result.entries.clear();
  for (const auto& [key, e] : filled) result.entries.push_back(e);
}

}  // namespace kven::fill
