#include "fill/suggest.h"

#include <algorithm>
#include <array>
#include <limits>

#include "fill/fill_problem.h"

namespace kven::fill {

Suggestions SuggestWords(const Puzzle& p, const DiagramEntry& entry, const WordIndex& index, int minScore,
                         int limit) {
  Suggestions out;
  const std::vector<DiagramEntry> all = DiagramEntries(p);
  const FillProblem problem = BuildProblem(p, all, index, minScore);
  out.unfillable = problem.unfillable;

  // The entry itself, even when complete, takes the words that fit it.
  std::vector<DiagramEntry> self{entry};
  const FillProblem own = BuildProblem(p, self, index, minScore);
  std::vector<std::uint64_t> domain;
  if (!own.slots.empty()) {
    domain.assign(own.domains.begin(), own.domains.end());
  } else {
    // A complete entry: its own word, when the list has it.
    domain.assign(static_cast<std::size_t>(index.Blocks(entry.length)), 0);
    const int w = index.Find(EntryLetters(p, entry));
    if (w >= 0 && index.Score(entry.length, w) >= minScore) domain[w / 64] |= std::uint64_t{1} << (w % 64);
  }

  // For each square, the words each letter there leaves the entry across it:
  // counted once per letter, then looked up per word.
  std::vector<std::array<int, Letters>> left(static_cast<std::size_t>(entry.length));
  std::vector<bool> crossed(static_cast<std::size_t>(entry.length), false);
  const EntryDirection crossing =
      entry.direction == EntryDirection::Across ? EntryDirection::Down : EntryDirection::Across;
  for (std::size_t k = 0; k < problem.slots.size(); ++k) {
    const Slot& s = problem.slots[k];
    if (s.entry.direction != crossing) continue;
    for (int i = 0; i < entry.length; ++i) {
      const Square square = EntrySquare(entry, i);
      const int j = PositionIn(s.entry, square.col, square.row);
      if (j >= 0) {
        crossed[static_cast<std::size_t>(i)] = true;
        for (int letter = 0; letter < Letters; ++letter) {
          const std::uint64_t* with = index.With(s.length, j, letter);
          const std::uint64_t* d = problem.Domain(static_cast<int>(k));
          int n = 0;
          for (int b = 0; b < s.blocks; ++b) n += __builtin_popcountll(d[b] & with[b]);
          left[static_cast<std::size_t>(i)][static_cast<std::size_t>(letter)] = n;
        }
      }
    }
  }

  for (std::size_t b = 0; b < domain.size(); ++b) {
    for (std::uint64_t bits = domain[b]; bits != 0; bits &= bits - 1) {
      const int w = static_cast<int>(b * 64) + __builtin_ctzll(bits);
      const std::string_view word = index.Word(entry.length, w);
      Suggestion s{std::string(word), index.Score(entry.length, w), std::numeric_limits<int>::max(), 0};
      for (int i = 0; i < entry.length && s.fewestLeft > 0; ++i) {
        if (!crossed[static_cast<std::size_t>(i)]) continue;
        const int n = left[static_cast<std::size_t>(i)][static_cast<std::size_t>(word[i] - 'A')];
        s.fewestLeft = std::min(s.fewestLeft, n);
        s.totalLeft += n;
      }
      if (s.fewestLeft == 0) continue;
      if (s.fewestLeft == std::numeric_limits<int>::max()) s.fewestLeft = 0;
      out.words.push_back(std::move(s));
    }
  }
  out.count = static_cast<int>(out.words.size());
  const auto better = [](const Suggestion& a, const Suggestion& b) {
    if (a.score != b.score) return a.score > b.score;
    if (a.fewestLeft != b.fewestLeft) return a.fewestLeft > b.fewestLeft;
    if (a.totalLeft != b.totalLeft) return a.totalLeft > b.totalLeft;
    return a.word < b.word;
  };
  if (limit > 0 && static_cast<int>(out.words.size()) > limit) {
    std::partial_sort(out.words.begin(), out.words.begin() + limit, out.words.end(), better);
    out.words.resize(static_cast<std::size_t>(limit));
  } else {
    std::sort(out.words.begin(), out.words.end(), better);
  }
  return out;
}

}  // namespace kven::fill
