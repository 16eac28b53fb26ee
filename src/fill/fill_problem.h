#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fill/word_index.h"
#include "model/entries.h"
#include "model/puzzle.h"

// A diagram seen as a fill sees it: its entries as slots over squares, each
// with the words it may still take as a set of bits over the words of its
// length. Shared by the search and the suggestions.
namespace kven::fill {

// Where a slot's square is crossed: the other slot and the square's place
// in it; slot -1 when the square is in no other slot.
struct Crossing {
  int slot = -1;
  int position = 0;
};

struct Slot {
  DiagramEntry entry;
  int length = 0;
  int blocks = 0;            // 64-bit blocks of its word sets
  std::size_t bitOffset = 0; // where its set starts in a state's bits
  std::vector<int> squares;  // square numbers of its letters, in order
  std::vector<char> fixed;   // the letter already there, or 0
  std::vector<Crossing> crossings;
};

// The entries to fill, the words they may take, and the words no entry may
// take because a complete entry of the grid already holds them.
struct FillProblem {
  std::vector<Slot> slots;
  std::vector<std::uint64_t> domains;  // every slot's set, one after another
  // Entries that may take no word at all, before any search.
  std::vector<DiagramEntry> unfillable;

  std::uint64_t* Domain(int slot) { return domains.data() + slots[slot].bitOffset; }
  const std::uint64_t* Domain(int slot) const { return domains.data() + slots[slot].bitOffset; }
};

// True when every square of the entry holds a letter A..Z.
bool IsComplete(const Puzzle& p, const DiagramEntry& e);
// The entry's letters as they stand, "." for a square without one.
std::string EntryLetters(const Puzzle& p, const DiagramEntry& e);

// The lowest score an entry's word may have, entry by entry.
using EntryFloor = std::function<int(const DiagramEntry&)>;

// The slots of `chosen` (entries of DiagramEntries(p)) that are not yet
// complete, each with the words of at least `minScore` (or what `floor`
// says for its entry, when given) that fit its letters and that no complete
// entry of the grid holds.
FillProblem BuildProblem(const Puzzle& p, const std::vector<DiagramEntry>& chosen, const WordIndex& index,
                         int minScore, const EntryFloor& floor = {});


// Counting the words of a set.
int CountBits(const std::uint64_t* bits, int blocks);
// Whether a and b have a word in common.
bool Intersects(const std::uint64_t* a, const std::uint64_t* b, int blocks);

}  // namespace kven::fill
