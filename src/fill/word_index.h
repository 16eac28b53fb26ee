#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fill/word_list.h"

namespace kven::fill {

// A set of words of one length, one bit per word.
using Bits = std::vector<std::uint64_t>;

inline constexpr int Letters = 26;

// The words of a list by length, best score first, with, for every length,
// position and letter, the set of words holding that letter there. Built
// once per list and then only read, so several searches may share it.
class WordIndex {
 public:
  explicit WordIndex(const WordList& list);

  // How many words of `length` letters (2..30; 0 outside).
  int Count(int length) const;
  // 64-bit blocks of a set of words of `length` letters.
  int Blocks(int length) const { return static_cast<int>((Count(length) + 63) / 64); }
  // Word i of `length` letters: the i-th best.
  std::string_view Word(int length, int i) const {
    return std::string_view(byLength_[length].letters).substr(static_cast<std::size_t>(i) * length, length);
  }
  int Score(int length, int i) const { return byLength_[length].scores[static_cast<std::size_t>(i)]; }
  // How many words of `length` letters score at least `minScore`: they are
  // the first ones.
  int CountAtLeast(int length, int minScore) const;
  // The set of words holding `letter` (0 = A) at `position` (0-based).
  const std::uint64_t* With(int length, int position, int letter) const {
    const Group& g = byLength_[length];
    return g.bits.data() + static_cast<std::size_t>(position * Letters + letter) * g.blocks;
  }
  // The number of `word` among the words of its length; -1 when absent.
  int Find(std::string_view word) const;

 private:
  struct Group {
    std::string letters;  // the words one after another
    std::vector<std::int32_t> scores;
    std::size_t blocks = 0;
    Bits bits;  // [position][letter][block]
  };
  std::array<Group, MaxWordLength + 1> byLength_;
};

}  // namespace kven::fill
