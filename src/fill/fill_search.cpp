#include "fill/fill_search.h"

#include <chrono>
#include <random>
#include <set>

#include "fill/fill_problem.h"

namespace kven::fill {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t AllLetters = (1u << Letters) - 1;
// Failures before the first restart; later cutoffs follow the Luby sequence.
// Shorter runs restart before the conflict weights have learnt where a dense
// grid is hard, and its fill times grow a long tail (bench/fill).
constexpr long long RestartBase = 256;
// Values are drawn at random from this many of the best words left: with
// fewer, the commonest words of one score are tried in the same order after
// every restart.
constexpr int ValueChoices = 8;
// The clock and the stop flag are looked at once per this many choices.
constexpr long long PollEvery = 64;

// The i-th term (from 1) of the Luby sequence: 1 1 2 1 1 2 4 1 1 2 ...
long long Luby(long long i) {
  for (;;) {
    long long k = 1;
    while ((1LL << k) - 1 < i) ++k;
    if ((1LL << k) - 1 == i) return 1LL << (k - 1);
    i -= (1LL << (k - 1)) - 1;
  }
}

int FirstBit(const std::uint64_t* bits, int blocks) {
  for (int b = 0; b < blocks; ++b)
    if (bits[b] != 0) return b * 64 + __builtin_ctzll(bits[b]);
  return -1;
}

// The words each slot may still take and the letters each of its squares may
// still hold; copied whole at every choice, which is cheaper than undoing.
struct State {
  std::vector<std::uint64_t> bits;
  std::vector<std::uint32_t> masks;  // per slot square: the letters its words leave
  std::vector<int> sizes;
};

class Search {
 public:
  Search(FillProblem& problem, const WordIndex& index, const FillOptions& options)
      : problem_(problem), index_(index), options_(options), random_(options.seed) {
    const std::size_t n = problem.slots.size();
    std::size_t masks = 0;
    for (const Slot& s : problem.slots) {
      maskOffset_.push_back(masks);
      masks += static_cast<std::size_t>(s.length);
    }
    current_.bits = problem.domains;
    current_.masks.assign(masks, AllLetters);
    current_.sizes.assign(n, 0);
    queued_.assign(n, false);
    weights_.assign(masks, 1);
    sameLength_.resize(n);
    for (std::size_t a = 0; a < n; ++a)
      for (std::size_t b = 0; b < n; ++b)
        if (a != b && problem.slots[a].length == problem.slots[b].length) sameLength_[a].push_back(static_cast<int>(b));
  }

  FillResult Run();

 private:
  std::uint64_t* Bits(int slot) { return current_.bits.data() + problem_.slots[slot].bitOffset; }
  std::uint32_t* Masks(int slot) { return current_.masks.data() + maskOffset_[slot]; }
  void Push(int slot) {
    if (queued_[slot]) return;
    queued_[slot] = true;
    queue_.push_back(slot);
  }
  std::uint32_t Recompute(int slot);
  bool Restrict(int slot, int position, std::uint32_t allowed);
  bool Propagate();
  int ChooseSlot();
  int ChooseWord(int slot);
  int SquaresFilled();
  bool ShouldEnd(FillStatus& why);
  FillResult Solution();

  FillProblem& problem_;
  const WordIndex& index_;
  const FillOptions& options_;
  std::mt19937_64 random_;
  std::vector<std::size_t> maskOffset_;
  std::vector<std::vector<int>> sameLength_;
  State current_;
  std::vector<int> queue_;
  std::vector<bool> queued_;
  // Learned conflict weights, one per slot square (a crossing is weighed on
  // both of its slots' sides).
  std::vector<int> weights_;
  int failedSlot_ = -1;
  long long choices_ = 0;
  Clock::time_point deadline_;
};

// Brings the slot's square masks in line with its words; the positions
// whose mask narrowed, as bits.
std::uint32_t Search::Recompute(int slot) {
  const Slot& s = problem_.slots[slot];
  const std::uint64_t* d = Bits(slot);
  std::uint32_t* masks = Masks(slot);
  const int size = CountBits(d, s.blocks);
  current_.sizes[slot] = size;
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
bool Search::Restrict(int slot, int position, std::uint32_t allowed) {
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

// Arc consistency over the crossings, and no word in two slots.
bool Search::Propagate() {
  bool ok = true;
  while (ok && !queue_.empty()) {
    const int slot = queue_.back();
    queue_.pop_back();
    queued_[slot] = false;
    const std::uint32_t changed = Recompute(slot);
    if (current_.sizes[slot] == 0) {
      failedSlot_ = slot;
      ok = false;
      break;
    }
    if (current_.sizes[slot] == 1) {
      const int w = FirstBit(Bits(slot), problem_.slots[slot].blocks);
      const std::uint64_t bit = std::uint64_t{1} << (w % 64);
      for (const int other : sameLength_[slot]) {
        std::uint64_t& block = Bits(other)[w / 64];
        if ((block & bit) == 0) continue;
        block &= ~bit;
        if (current_.sizes[other] == 1) {
          failedSlot_ = other;
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
        failedSlot_ = c.slot;
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

// The open slot with the fewest words for its weight (dom/wdeg); -1 when
// every slot holds one word. Ties are broken at random.
int Search::ChooseSlot() {
  int best = -1;
  double bestRatio = 0;
  int ties = 0;
  for (int slot = 0; slot < static_cast<int>(problem_.slots.size()); ++slot) {
    const int size = current_.sizes[slot];
    if (size <= 1) continue;
    const Slot& s = problem_.slots[slot];
    long long weight = 1;
    for (int i = 0; i < s.length; ++i) {
      const Crossing& c = s.crossings[i];
      if (c.slot >= 0 && current_.sizes[c.slot] > 1) weight += weights_[maskOffset_[slot] + i];
    }
    const double ratio = static_cast<double>(size) / static_cast<double>(weight);
    if (best < 0 || ratio < bestRatio) {
      best = slot, bestRatio = ratio, ties = 1;
    } else if (ratio == bestRatio && std::uniform_int_distribution<int>(0, ties++)(random_) == 0) {
      best = slot;
    }
  }
  return best;
}

// One of the best-scoring words left: the words are held best first.
int Search::ChooseWord(int slot) {
  const Slot& s = problem_.slots[slot];
  const std::uint64_t* d = Bits(slot);
  int candidates[ValueChoices];
  int n = 0;
  for (int b = 0; b < s.blocks && n < ValueChoices; ++b)
    for (std::uint64_t word = d[b]; word != 0 && n < ValueChoices; word &= word - 1)
      candidates[n++] = b * 64 + __builtin_ctzll(word);
  // Better words are likelier: the first of n is drawn with weight n, the last with 1.
  int total = n * (n + 1) / 2;
  int draw = std::uniform_int_distribution<int>(0, total - 1)(random_);
  for (int k = 0; k < n; ++k) {
    draw -= n - k;
    if (draw < 0) return candidates[k];
  }
  return candidates[n - 1];
}

int Search::SquaresFilled() {
  int filled = 0;
  for (int slot = 0; slot < static_cast<int>(problem_.slots.size()); ++slot) {
    const Slot& s = problem_.slots[slot];
    const std::uint32_t* masks = Masks(slot);
    for (int i = 0; i < s.length; ++i) {
      // A crossed square is counted on its across side only.
      const bool counted = s.entry.direction == EntryDirection::Across || s.crossings[i].slot < 0;
      if (counted && s.fixed[i] == 0 && __builtin_popcount(masks[i]) == 1) ++filled;
    }
  }
  return filled;
}

bool Search::ShouldEnd(FillStatus& why) {
  if (options_.stop != nullptr && options_.stop->load(std::memory_order_relaxed)) {
    why = FillStatus::Stopped;
    return true;
  }
  if (++choices_ % PollEvery != 0) return false;
  if (options_.progress != nullptr) options_.progress->squaresFilled.store(SquaresFilled(), std::memory_order_relaxed);
  if (Clock::now() > deadline_) {
    why = FillStatus::TimedOut;
    return true;
  }
  return false;
}

FillResult Search::Solution() {
  FillResult result;
  result.status = FillStatus::Filled;
  std::set<int> placed;
  for (int slot = 0; slot < static_cast<int>(problem_.slots.size()); ++slot) {
    const Slot& s = problem_.slots[slot];
    const std::string_view word = index_.Word(s.length, FirstBit(Bits(slot), s.blocks));
    for (int i = 0; i < s.length; ++i)
      if (s.fixed[i] == 0 && placed.insert(s.squares[i]).second)
        result.letters.push_back({EntrySquare(s.entry, i).col, EntrySquare(s.entry, i).row, word[i]});
  }
  return result;
}

FillResult Search::Run() {
  deadline_ = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(options_.timeLimitSeconds));
  FillResult end;
  end.status = FillStatus::NoFillExists;
  for (int slot = 0; slot < static_cast<int>(problem_.slots.size()); ++slot) Push(slot);
  if (!Propagate()) {
    end.unfillable.push_back(problem_.slots[failedSlot_].entry);
    return end;
  }
  State root = current_;
  std::vector<State> saved;
  std::vector<std::pair<int, int>> decisions;  // slot, word
  for (long long restart = 1;; ++restart) {
    current_ = root;
    std::size_t depth = 0;
    long long failures = 0;
    const long long cutoff = Luby(restart) * RestartBase;
    while (failures <= cutoff) {
      FillStatus why;
      if (ShouldEnd(why)) {
        end.status = why;
        end.restarts = static_cast<int>(restart - 1);
        end.choices = choices_;
        return end;
      }
      const int slot = ChooseSlot();
      if (slot < 0) {
        FillResult result = Solution();
        result.restarts = static_cast<int>(restart - 1);
        result.choices = choices_;
        return result;
      }
      const int word = ChooseWord(slot);
      if (saved.size() <= depth) saved.emplace_back();
      if (decisions.size() <= depth) decisions.emplace_back();
      saved[depth] = current_;
      decisions[depth] = {slot, word};
      ++depth;
      std::uint64_t* d = Bits(slot);
      std::fill(d, d + problem_.slots[slot].blocks, 0);
      d[word / 64] = std::uint64_t{1} << (word % 64);
      Push(slot);
      bool ok = Propagate();
      while (!ok) {
        ++failures;
        if (depth == 0) {
          end.restarts = static_cast<int>(restart - 1);
          end.choices = choices_;
          return end;  // the refutations at the top have ruled out everything
        }
        --depth;
        current_ = saved[depth];
        const auto [s, w] = decisions[depth];
        Bits(s)[w / 64] &= ~(std::uint64_t{1} << (w % 64));
        Push(s);
        ok = Propagate();
        // What fails with nothing chosen fails after every restart too.
        if (ok && depth == 0) root = current_;
      }
    }
    if (options_.progress != nullptr) options_.progress->restarts.store(static_cast<int>(restart), std::memory_order_relaxed);
  }
}

}  // namespace

FillResult FillGrid(const Puzzle& p, const WordIndex& index, const FillOptions& options) {
  const std::vector<DiagramEntry> chosen = options.only.empty() ? DiagramEntries(p) : options.only;
  FillProblem problem = BuildProblem(p, chosen, index, options.minScore);
  if (!problem.unfillable.empty()) {
    FillResult result;
    result.unfillable = problem.unfillable;
    return result;
  }
  return Search(problem, index, options).Run();
}

void PlaceLetters(Puzzle& p, GridView& view, const std::vector<PlacedLetter>& letters) {
  for (const PlacedLetter& l : letters) PaintLetter(p, view, l.col, l.row, l.letter);
}

}  // namespace kven::fill
