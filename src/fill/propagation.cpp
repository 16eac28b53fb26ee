#include "fill/propagation.h"

#include <string_view>

namespace kven::fill {

int FirstBit(const std::uint64_t* bits, int blocks) {
  for (int b = 0; b < blocks; ++b)
    if (bits[b] != 0) return b * 64 + __builtin_ctzll(bits[b]);
  return -1;
}

Propagation::Propagation(const FillProblem& problem, const WordIndex& index) : problem_(problem), index_(index) {
  const std::size_t n = problem.slots.size();
  std::size_t masks = 0;
  for (const Slot& s : problem.slots) {
    maskOffset_.push_back(masks);
    masks += static_cast<std::size_t>(s.length);
  }
  queued_.assign(n, false);
  weights_.assign(masks, 1);
  failures.assign(n, 0);
  sameLength_.resize(n);
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      if (a != b && problem.slots[a].length == problem.slots[b].length) sameLength_[a].push_back(static_cast<int>(b));
  Reset(problem.domains);
}

void Propagation::Reset(const std::vector<std::uint64_t>& domains) {
  state.bits = domains;
  state.masks.assign(weights_.size(), AllLetters);
  state.sizes.assign(problem_.slots.size(), 0);
  for (const int slot : queue_) queued_[slot] = false;
  queue_.clear();
  for (int slot = 0; slot < static_cast<int>(problem_.slots.size()); ++slot) Push(slot);
}

void Propagation::Push(int slot) {
  if (queued_[slot]) return;
  queued_[slot] = true;
  queue_.push_back(slot);
}

void Propagation::Fail(int slot) {
  failedSlot = slot;
  ++failures[slot];
}

// Brings the slot's square masks in line with its words; the positions
// whose mask narrowed, as bits.
std::uint32_t Propagation::Recompute(int slot) {
  const Slot& s = problem_.slots[slot];
  const std::uint64_t* d = Bits(slot);
  std::uint32_t* masks = Masks(slot);
  const int size = CountBits(d, s.blocks);
  state.sizes[slot] = size;
  std::uint32_t changed = 0;
  if (size * 2 < s.blocks * Letters) {
    // Few words: read their letters.
    std::uint32_t fresh[MaxWordLength] = {};
    for (int b = 0; b < s.blocks; ++b) {
      for (std::uint64_t word = d[b]; word != 0; word &= word - 1) {
        const std::string_view letters = index_.Word(s.length, b * 64 + __builtin_ctzll(word));
        for (int i = 0; i < s.length; ++i) fresh[i] |= 1u << (letters[i] - 'A');
      }
    }
    for (int i = 0; i < s.length; ++i) {
      if (fresh[i] != masks[i]) changed |= 1u << i;
      masks[i] = fresh[i];
    }
    return changed;
  }
  for (int i = 0; i < s.length; ++i) {
    std::uint32_t kept = 0;
    for (std::uint32_t m = masks[i]; m != 0; m &= m - 1) {
      const int letter = __builtin_ctz(m);
      if (Intersects(d, index_.With(s.length, i, letter), s.blocks)) kept |= 1u << letter;
    }
    if (kept != masks[i]) changed |= 1u << i;
    masks[i] = kept;
  }
  return changed;
}

// Takes from the slot every word whose letter at `position` is not allowed.
// False when no word is left.
bool Propagation::Restrict(int slot, int position, std::uint32_t allowed) {
  std::uint32_t* mask = Masks(slot) + position;
  const std::uint32_t removed = *mask & ~allowed;
  if (removed == 0) return true;
  *mask &= allowed;
  const Slot& s = problem_.slots[slot];
  std::uint64_t* d = Bits(slot);
  std::uint64_t any = 0;
  if (__builtin_popcount(removed) <= __builtin_popcount(*mask)) {
    for (std::uint32_t m = removed; m != 0; m &= m - 1) {
      const std::uint64_t* with = index_.With(s.length, position, __builtin_ctz(m));
      for (int b = 0; b < s.blocks; ++b) d[b] &= ~with[b];
    }
    for (int b = 0; b < s.blocks; ++b) any |= d[b];
  } else {
    for (int b = 0; b < s.blocks; ++b) {
      std::uint64_t keep = 0;
      for (std::uint32_t m = *mask; m != 0; m &= m - 1) keep |= index_.With(s.length, position, __builtin_ctz(m))[b];
      d[b] &= keep;
      any |= d[b];
    }
  }
  Push(slot);
  return any != 0;
}

bool Propagation::Propagate() {
  bool ok = true;
  while (ok && !queue_.empty()) {
    const int slot = queue_.back();
    queue_.pop_back();
    queued_[slot] = false;
    const std::uint32_t changed = Recompute(slot);
    if (state.sizes[slot] == 0) {
      Fail(slot);
      ok = false;
      break;
    }
    if (state.sizes[slot] == 1) {
      const int w = FirstBit(Bits(slot), problem_.slots[slot].blocks);
      const std::uint64_t bit = std::uint64_t{1} << (w % 64);
      for (const int other : sameLength_[slot]) {
        std::uint64_t& block = Bits(other)[w / 64];
        if ((block & bit) == 0) continue;
        block &= ~bit;
        if (state.sizes[other] == 1) {
          Fail(other);
          ok = false;
          break;
        }
        Push(other);
      }
      if (!ok) break;
    }
    const Slot& s = problem_.slots[slot];
    for (std::uint32_t m = changed; m != 0; m &= m - 1) {
      const int i = __builtin_ctz(m);
      const Crossing& c = s.crossings[i];
      if (c.slot < 0) continue;
      if (!Restrict(c.slot, c.position, Masks(slot)[i])) {
        ++weights_[maskOffset_[slot] + i];
        ++weights_[maskOffset_[c.slot] + c.position];
        Fail(c.slot);
        ok = false;
        break;
      }
    }
  }
  if (!ok) {
    for (const int slot : queue_) queued_[slot] = false;
    queue_.clear();
  }
  return ok;
}

}  // namespace kven::fill
