#pragma once

#include <cstdint>
#include <vector>

#include "fill/fill_problem.h"
#include "fill/word_index.h"

// The words each slot of a fill may still take, kept consistent over every
// crossing and with no word in two slots. Internal to the search.
namespace kven::fill {

inline constexpr std::uint32_t AllLetters = (1u << Letters) - 1;

// The words each slot may still take and the letters each of its squares may
// still hold; copied whole at every choice, which is cheaper than undoing.
struct DomainState {
  std::vector<std::uint64_t> bits;
  std::vector<std::uint32_t> masks;  // per slot square: the letters its words leave
  std::vector<int> sizes;
};

int FirstBit(const std::uint64_t* bits, int blocks);

class Propagation {
 public:
  Propagation(const FillProblem& problem, const WordIndex& index);

  // Every slot with the words of `domains` (laid out as the problem's), all
  // letters open and every slot queued: Propagate makes it consistent.
  void Reset(const std::vector<std::uint64_t>& domains);

  std::uint64_t* Bits(int slot) { return state.bits.data() + problem_.slots[slot].bitOffset; }
  const std::uint64_t* Bits(int slot) const { return state.bits.data() + problem_.slots[slot].bitOffset; }
  std::uint32_t* Masks(int slot) { return state.masks.data() + maskOffset_[slot]; }
  const std::uint32_t* Masks(int slot) const { return state.masks.data() + maskOffset_[slot]; }
  int Size(int slot) const { return state.sizes[slot]; }
  // The learned conflict weight of a slot's square (a crossing is weighed on
  // both of its slots' sides).
  int Weight(int slot, int position) const { return weights_[maskOffset_[slot] + position]; }

  void Push(int slot);
  // Arc consistency over the crossings, and no word in two slots; false when
  // some slot is left without a word (it is `failedSlot`).
  bool Propagate();

  DomainState state;
  int failedSlot = -1;
  // How often each slot was left without a word, since last cleared.
  std::vector<int> failures;

 private:
  std::uint32_t Recompute(int slot);
  bool Restrict(int slot, int position, std::uint32_t allowed);
  void Fail(int slot);

  const FillProblem& problem_;
  const WordIndex& index_;
  std::vector<std::size_t> maskOffset_;
  std::vector<std::vector<int>> sameLength_;
  std::vector<int> queue_;
  std::vector<bool> queued_;
  std::vector<int> weights_;
};

}  // namespace kven::fill
