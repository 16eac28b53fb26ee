#include "fill/word_index.h"

#include <algorithm>
#include <numeric>

namespace kven::fill {

WordIndex::WordIndex(const WordList& list) {
  std::array<std::vector<std::uint32_t>, MaxWordLength + 1> ids;
  for (std::size_t i = 0; i < list.Size(); ++i) ids[list.Word(i).size()].push_back(static_cast<std::uint32_t>(i));
  for (int length = MinWordLength; length <= MaxWordLength; ++length) {
    std::vector<std::uint32_t>& group = ids[length];
    // Equal scores keep the list's order, so the same list gives the same index.
    std::stable_sort(group.begin(), group.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return list.Score(a) > list.Score(b); });
    Group& g = byLength_[length];
    g.letters.reserve(group.size() * static_cast<std::size_t>(length));
    g.scores.reserve(group.size());
    for (const std::uint32_t id : group) {
      g.letters.append(list.Word(id));
      g.scores.push_back(list.Score(id));
    }
    g.blocks = (group.size() + 63) / 64;
    g.bits.assign(g.blocks * static_cast<std::size_t>(length * Letters), 0);
    for (std::size_t w = 0; w < group.size(); ++w) {
      const std::uint64_t bit = std::uint64_t{1} << (w % 64);
      const char* word = g.letters.data() + w * static_cast<std::size_t>(length);
      for (int pos = 0; pos < length; ++pos)
        g.bits[static_cast<std::size_t>(pos * Letters + (word[pos] - 'A')) * g.blocks + w / 64] |= bit;
    }
  }
}

int WordIndex::Count(int length) const {
  if (length < MinWordLength || length > MaxWordLength) return 0;
  return static_cast<int>(byLength_[length].scores.size());
}

int WordIndex::CountAtLeast(int length, int minScore) const {
  if (Count(length) == 0) return 0;
  const std::vector<std::int32_t>& s = byLength_[length].scores;
  return static_cast<int>(std::partition_point(s.begin(), s.end(), [&](std::int32_t v) { return v >= minScore; }) -
                          s.begin());
}

int WordIndex::Find(std::string_view word) const {
  const int length = static_cast<int>(word.size());
  const int n = Count(length);
  if (n == 0) return -1;
  // Every letter narrows the candidates; the first word left is the one.
  const int blocks = Blocks(length);
  for (int b = 0; b < blocks; ++b) {
    std::uint64_t bits = ~std::uint64_t{0};
    for (int pos = 0; pos < length && bits != 0; ++pos) {
      const int letter = word[pos] - 'A';
      if (letter < 0 || letter >= Letters) return -1;
      bits &= With(length, pos, letter)[b];
    }
    if (bits != 0) return b * 64 + __builtin_ctzll(bits);
  }
  return -1;
}

}  // namespace kven::fill
