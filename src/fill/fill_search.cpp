#include "fill/fill_search.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <set>

#include "fill/fill_polish.h"
#include "fill/fill_problem.h"
#include "fill/propagation.h"

namespace kven::fill {

namespace {

using Clock = std::chrono::steady_clock;

// Failures before the first restart; later cutoffs follow the Luby sequence.
// Shorter runs restart before the conflict weights have learnt where a dense
// grid is hard, and its fill times grow a long tail (bench/fill).
constexpr long long RestartBase = 256;
// Values are drawn at random from this many of the best words left: with
// fewer, the commonest words of one score are tried in the same order after
// every restart.
constexpr int ValueChoices = 8;
// The best words of a slot weighed against their crossings before one is
// chosen.
constexpr int LookAhead = 32;
// The levels an entry is let down through: words scoring at least the
// options' weak score, then this much less, then every word of the minimum.
constexpr int LevelStep = 10;
// At a restart, this share of the entries that failed, the ones that failed
// most, are let down a level.
constexpr int RelaxShare = 4;
// Failures per slot after which every slot is let down a level: a grid
// whose fill needs rarer words in many places gets them all at once.
constexpr long long LevelFailures = 20;
// The clock and the stop flag are looked at once per this many choices.
constexpr long long PollEvery = 64;
// The score levels of a fill, best first, ending with the minimum score;
// a level that adds no word for the slots' lengths is left out.
std::vector<int> ScoreLevels(const FillProblem& problem, const WordIndex& index, const FillOptions& options) {
  const auto words = [&](int score) {
    long long n = 0;
    for (const Slot& s : problem.slots) n += index.CountAtLeast(s.length, score);
    return n;
  };
  std::vector<int> levels;
  for (const int score : {options.weakBelow, options.weakBelow - LevelStep})
    if (score > options.minScore && (levels.empty() || words(score) > words(levels.back()))) levels.push_back(score);
  if (levels.empty() || words(options.minScore) > words(levels.back())) levels.push_back(options.minScore);
  else levels.back() = options.minScore;
  return levels;
}

// The i-th term (from 1) of the Luby sequence: 1 1 2 1 1 2 4 1 1 2 ...
long long Luby(long long i) {
  for (;;) {
    long long k = 1;
    while ((1LL << k) - 1 < i) ++k;
    if ((1LL << k) - 1 == i) return 1LL << (k - 1);
    i -= (1LL << (k - 1)) - 1;
  }
}

class Search {
 public:
  Search(FillProblem& problem, const WordIndex& index, const FillOptions& options, long long choiceBudget)
      : problem_(problem), index_(index), options_(options), random_(options.seed), propagation_(problem, index),
        choiceBudget_(choiceBudget) {
    levels_ = ScoreLevels(problem, index, options);
    level_.assign(problem.slots.size(), 0);
  }

  FillResult Run();

 private:
  int Slots() const { return static_cast<int>(problem_.slots.size()); }
  std::vector<int> AllSlots() const {
    std::vector<int> all(problem_.slots.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
  }
  bool Lowest(int slot) const { return level_[slot] + 1 >= static_cast<int>(levels_.size()); }
  bool StartFromTop();
  bool LetDown(const std::vector<int>& slots);
  bool LetDownFailures();
  int ChooseSlot();
  int BestCrossing(const Crossing& c, char letter) const;
  int ChooseWord(int slot);
  int SquaresFilled();
  bool ShouldEnd(FillStatus& why);
  FillResult Solution();
  FillResult End(FillStatus status, long long restart);

  FillProblem& problem_;
  const WordIndex& index_;
  const FillOptions& options_;
  std::mt19937_64 random_;
  Propagation propagation_;
  std::vector<int> levels_;  // the scores entries are let down through
  std::vector<int> level_;   // per slot: the level of its lowest word allowed
  long long choiceBudget_;  // 0: none
  int restarts_ = 0;
  long long levelFailures_ = 0;  // since every slot was last let down
  long long choices_ = 0;
  Clock::time_point deadline_;
};

// Makes the state every attempt starts from: each slot with the words of
// its level, consistent. Where that leaves a slot no word, the slot (or, at
// its lowest level, its crossings) is let down and the state made again;
// false when every slot is at its lowest and some slot has no word.
bool Search::StartFromTop() {
  for (;;) {
    std::vector<std::uint64_t> domains = problem_.domains;
    for (int slot = 0; slot < Slots(); ++slot) {
      const Slot& s = problem_.slots[slot];
      const int allowed = index_.CountAtLeast(s.length, levels_[level_[slot]]);
      std::uint64_t* d = domains.data() + s.bitOffset;
      for (int b = 0; b < s.blocks; ++b) {
        const int from = b * 64;
        if (allowed <= from) d[b] = 0;
        else if (allowed < from + 64) d[b] &= (std::uint64_t{1} << (allowed - from)) - 1;
      }
    }
    propagation_.Reset(domains);
    if (propagation_.Propagate()) return true;
    const int failed = propagation_.failedSlot;
    std::vector<int> around{failed};
    for (const Crossing& c : problem_.slots[failed].crossings)
      if (c.slot >= 0) around.push_back(c.slot);
    if (!Lowest(failed)) around.resize(1);
    if (!LetDown(around) && !LetDown(AllSlots())) return false;
  }
}

// Lets each of the slots that is not at its lowest level down one; false
// when none could be.
bool Search::LetDown(const std::vector<int>& slots) {
  bool any = false;
  for (const int slot : slots) {
    if (Lowest(slot)) continue;
    ++level_[slot];
    any = true;
  }
  return any;
}

// After an attempt without a fill: the slots that failed most and may still
// go down, a share of them; else every slot that may.
bool Search::LetDownFailures() {
  std::vector<int> failing;
  for (int slot = 0; slot < Slots(); ++slot)
    if (propagation_.failures[slot] > 0 && !Lowest(slot)) failing.push_back(slot);
  std::sort(failing.begin(), failing.end(),
            [&](int a, int b) { return propagation_.failures[a] > propagation_.failures[b]; });
  std::fill(propagation_.failures.begin(), propagation_.failures.end(), 0);
  if (failing.empty()) return LetDown(AllSlots());
  failing.resize(std::max<std::size_t>(1, failing.size() / RelaxShare));
  return LetDown(failing);
}

// The open slot with the fewest words for its weight (dom/wdeg); -1 when
// every slot holds one word. Ties are broken at random.
int Search::ChooseSlot() {
  int best = -1;
  double bestRatio = 0;
  int ties = 0;
  for (int slot = 0; slot < Slots(); ++slot) {
    const int size = propagation_.Size(slot);
    if (size <= 1) continue;
    const Slot& s = problem_.slots[slot];
    long long weight = 1;
    for (int i = 0; i < s.length; ++i) {
      const Crossing& c = s.crossings[i];
      if (c.slot >= 0 && propagation_.Size(c.slot) > 1) weight += propagation_.Weight(slot, i);
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

// The best score a crossing can still take once `letter` stands in its
// square; -1 when none of its words has it there.
int Search::BestCrossing(const Crossing& c, char letter) const {
  const int l = letter - 'A';
  if ((propagation_.Masks(c.slot)[c.position] & (1u << l)) == 0) return -1;
  const Slot& s = problem_.slots[c.slot];
  const std::uint64_t* d = propagation_.Bits(c.slot);
  const std::uint64_t* with = index_.With(s.length, c.position, l);
  for (int b = 0; b < s.blocks; ++b)
    if (const std::uint64_t both = d[b] & with[b]; both != 0) return index_.Score(s.length, b * 64 + __builtin_ctzll(both));
  return -1;
}

// One of the best words left, judged by the weakest of the word itself and
// the best word each open crossing can still take beside it: a common word
// that leaves a crossing only rare ones is worth no more than they are.
int Search::ChooseWord(int slot) {
  const Slot& s = problem_.slots[slot];
  const std::uint64_t* d = propagation_.Bits(slot);
  struct Candidate {
    int word;
    int value;
  };
  Candidate candidates[LookAhead];
  int n = 0;
  for (int b = 0; b < s.blocks && n < LookAhead; ++b)
    for (std::uint64_t bits = d[b]; bits != 0 && n < LookAhead; bits &= bits - 1)
      candidates[n++] = {b * 64 + __builtin_ctzll(bits), 0};
  int kept = 0;
  for (int k = 0; k < n; ++k) {
    const std::string_view word = index_.Word(s.length, candidates[k].word);
    int value = index_.Score(s.length, candidates[k].word);
    for (int i = 0; i < s.length && value >= 0; ++i) {
      const Crossing& c = s.crossings[i];
      if (c.slot >= 0 && propagation_.Size(c.slot) > 1) value = std::min(value, BestCrossing(c, word[i]));
    }
    if (value >= 0) candidates[kept++] = {candidates[k].word, value};
  }
  // None fits its crossings: the first fails and is taken away.
  if (kept == 0) return candidates[0].word;
  std::stable_sort(candidates, candidates + kept, [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
  n = std::min(kept, ValueChoices);
  // Better words are likelier: the first of n is drawn with weight n, the last with 1.
  const int total = n * (n + 1) / 2;
  int draw = std::uniform_int_distribution<int>(0, total - 1)(random_);
  for (int k = 0; k < n; ++k) {
    draw -= n - k;
    if (draw < 0) return candidates[k].word;
  }
  return candidates[n - 1].word;
}

int Search::SquaresFilled() {
  int filled = 0;
  for (int slot = 0; slot < Slots(); ++slot) {
    const Slot& s = problem_.slots[slot];
    const std::uint32_t* masks = propagation_.Masks(slot);
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
  if (choiceBudget_ > 0 && choices_ >= choiceBudget_) {
    why = FillStatus::TimedOut;
    return true;
  }
  if (++choices_ % PollEvery != 0) return false;
  if (options_.progress) options_.progress({SquaresFilled(), restarts_});
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
  for (int slot = 0; slot < Slots(); ++slot) {
    const Slot& s = problem_.slots[slot];
    const int w = FirstBit(propagation_.Bits(slot), s.blocks);
    const std::string_view word = index_.Word(s.length, w);
    result.entries.push_back({s.entry, std::string(word), index_.Score(s.length, w)});
    for (int i = 0; i < s.length; ++i)
      if (s.fixed[i] == 0 && placed.insert(s.squares[i]).second)
        result.letters.push_back({EntrySquare(s.entry, i).col, EntrySquare(s.entry, i).row, word[i]});
  }
  return result;
}

FillResult Search::End(FillStatus status, long long restart) {
  FillResult result = status == FillStatus::Filled ? Solution() : FillResult{};
  result.status = status;
  result.restarts = static_cast<int>(restart - 1);
  result.choices = choices_;
  return result;
}

FillResult Search::Run() {
  deadline_ = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(options_.timeLimitSeconds));
  if (!StartFromTop()) {
    FillResult end;
    end.unfillable.push_back(problem_.slots[propagation_.failedSlot].entry);
    return end;
  }
  DomainState root = propagation_.state;
  std::vector<DomainState> saved;
  std::vector<std::pair<int, int>> decisions;  // slot, word
  for (long long restart = 1;; ++restart) {
    propagation_.state = root;
    std::size_t depth = 0;
    long long failures = 0;
    const long long cutoff = Luby(restart) * RestartBase;
    bool refuted = false;
    while (failures <= cutoff && !refuted) {
      FillStatus why;
      if (ShouldEnd(why)) return End(why, restart);
      const int slot = ChooseSlot();
      if (slot < 0) return End(FillStatus::Filled, restart);
      const int word = ChooseWord(slot);
      if (saved.size() <= depth) saved.emplace_back();
      if (decisions.size() <= depth) decisions.emplace_back();
      saved[depth] = propagation_.state;
      decisions[depth] = {slot, word};
      ++depth;
      std::uint64_t* d = propagation_.Bits(slot);
      std::fill(d, d + problem_.slots[slot].blocks, 0);
      d[word / 64] = std::uint64_t{1} << (word % 64);
      propagation_.Push(slot);
      bool ok = propagation_.Propagate();
      while (!ok) {
        ++failures;
        if (depth == 0) {
          refuted = true;  // the refutations at the top have ruled out every word left
          break;
        }
        --depth;
        propagation_.state = saved[depth];
        const auto [s, w] = decisions[depth];
        propagation_.Bits(s)[w / 64] &= ~(std::uint64_t{1} << (w % 64));
        propagation_.Push(s);
        ok = propagation_.Propagate();
        // What fails with nothing chosen fails after every restart too.
        if (ok && depth == 0) root = propagation_.state;
      }
    }
    restarts_ = static_cast<int>(restart);
    // Rarer words where the best ones gave no fill; at the lowest levels
    // everywhere, a refutation is a proof.
    levelFailures_ += failures;
    bool down = false;
    if (levelFailures_ > LevelFailures * Slots()) {
      levelFailures_ = 0;
      down = LetDown(AllSlots());
    }
    if (down || LetDownFailures()) {
      if (!StartFromTop()) return End(FillStatus::NoFillExists, restart);
      root = propagation_.state;
    } else if (refuted) {
      return End(FillStatus::NoFillExists, restart);
    }
  }
}

}  // namespace

FillResult SearchFill(const Puzzle& p, const WordIndex& index, const FillOptions& options, long long choiceBudget,
                      const EntryFloor& floor) {
  const std::vector<DiagramEntry> chosen = options.only.empty() ? DiagramEntries(p) : options.only;
  FillProblem problem = BuildProblem(p, chosen, index, options.minScore, floor);
  if (!problem.unfillable.empty()) {
    FillResult result;
    result.unfillable = problem.unfillable;
    return result;
  }
  return Search(problem, index, options, choiceBudget).Run();
}

FillResult FillGrid(const Puzzle& p, const WordIndex& index, const FillOptions& options) {
  FillResult result = SearchFill(p, index, options, 0);
  if (result.status == FillStatus::Filled) PolishFill(p, index, options, result);
  return result;
}

void PlaceLetters(Puzzle& p, GridView& view, const std::vector<PlacedLetter>& letters) {
  for (const PlacedLetter& l : letters) PaintLetter(p, view, l.col, l.row, l.letter);
}

}  // namespace kven::fill
