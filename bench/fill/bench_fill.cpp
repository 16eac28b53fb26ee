// Loading and indexing word lists, filling the benchmark grids and
// suggesting words, each after the list is loaded.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "fill/fill_problem.h"
#include "fill/fill_search.h"
#include "fill/suggest.h"
#include "fill/word_index.h"
#include "fill/default_list.h"
#include "fill/word_list.h"
#include "support/test_puzzles.h"
#include "text/text_lines.h"

namespace {

using namespace kven;

const fill::WordIndex& DefaultIndex() {
  static const fill::WordIndex index = [] {
    fill::WordList list;
    fill::LoadDefaultWordList(list);
    return fill::WordIndex(list);
  }();
  return index;
}

Puzzle Grid(const std::string& name) {
  std::ifstream in(std::string(KVEN_FILL_GRIDS) + "/" + name + ".txt", std::ios::binary);
  TextLineList lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return test::Decoded(lines);
}

void BM_LoadDefaultList(benchmark::State& state) {
  for (auto _ : state) {
    fill::WordList list;
    fill::LoadDefaultWordList(list);
    const fill::WordIndex index(list);
    benchmark::DoNotOptimize(index.Count(5));
    state.counters["words"] = static_cast<double>(list.Size());
  }
}
BENCHMARK(BM_LoadDefaultList)->Unit(benchmark::kMillisecond);

void BM_LoadList(benchmark::State& state, const char* path) {
  for (auto _ : state) {
    fill::WordList list;
    fill::LoadWordList(path, io::Accept::RegularFiles, list);
    const fill::WordIndex index(list);
    benchmark::DoNotOptimize(index.Count(5));
    state.counters["words"] = static_cast<double>(list.Size());
  }
}
BENCHMARK_CAPTURE(BM_LoadList, american_large, "/usr/share/dict/american-english-large")->Unit(benchmark::kMillisecond);

// Half a million words: every SCOWL words file of every size, as one list.
void BM_LoadHalfMillion(benchmark::State& state) {
  std::string text;
  for (const char* kind : {"english", "british", "american", "canadian", "australian", "british_z"})
    for (const int level : {10, 20, 35, 40, 50, 55, 60, 70, 80, 95}) {
      std::ifstream in(std::string("/usr/share/dict/scowl/") + kind + "-words." + std::to_string(level));
      std::stringstream s;
      s << in.rdbuf();
      text += s.str();
    }
  for (auto _ : state) {
    fill::WordList list;
    list.AddText(text);
    const fill::WordIndex index(list);
    benchmark::DoNotOptimize(index.Count(5));
    state.counters["words"] = static_cast<double>(list.Size());
  }
}
BENCHMARK(BM_LoadHalfMillion)->Unit(benchmark::kMillisecond);

void BM_Fill(benchmark::State& state, const char* grid) {
  const fill::WordIndex& index = DefaultIndex();
  const Puzzle p = Grid(grid);
  std::uint64_t seed = 1;
  int filled = 0;
  for (auto _ : state) {
    fill::FillOptions options;
    options.seed = seed++;
    options.timeLimitSeconds = 10;
    filled += fill::FillGrid(p, index, options).status == fill::FillStatus::Filled;
  }
  state.counters["filled"] = benchmark::Counter(filled, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_Fill, american_15x15, "american-15x15")->Unit(benchmark::kMillisecond)->Iterations(21);
BENCHMARK_CAPTURE(BM_Fill, american_15x15_theme, "american-15x15-theme")->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(BM_Fill, british_15x15, "british-15x15")->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(BM_Fill, american_21x21, "american-21x21")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_Fill, barred_12x12, "barred-12x12")->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(BM_Fill, barred_13x13, "barred-13x13")->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(BM_Fill, open_5x5, "open-5x5")->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(BM_Fill, open_5x5_impossible, "open-5x5-impossible")->Unit(benchmark::kMillisecond)->Iterations(11);

// The 30 x 30 puzzle of the benchmarks with its letters taken out.
void BM_Suggest30x30(benchmark::State& state) {
  const fill::WordIndex& index = DefaultIndex();
  Puzzle p = test::LargeBlockPuzzle();
  for (int col = 1; col <= p.HSquares; ++col)
    for (int row = 1; row <= p.VSquares; ++row)
      if (p.Blocks(col, row) == 0 && (col + row) % 3 != 0) p.Letters(col, row) = ' ';
  const std::vector<DiagramEntry> entries = DiagramEntries(p);
  std::size_t i = 0;
  for (auto _ : state) {
    const fill::Suggestions s = fill::SuggestWords(p, entries[i++ % entries.size()], index, 0, 50);
    benchmark::DoNotOptimize(s.count);
  }
}
BENCHMARK(BM_Suggest30x30)->Unit(benchmark::kMillisecond);

}  // namespace
