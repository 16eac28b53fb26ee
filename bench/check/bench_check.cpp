#include <benchmark/benchmark.h>

#include <random>

#include "check/check_diagram.h"
#include "check/check_json.h"
#include "check/check_text.h"
#include "editing/numbering.h"
#include "editing/symmetry.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

// A 30 x 30 twofold diagram with about a sixth of its squares blocked (or a
// bar on about a sixth of the edges), numbered automatically, with a full
// solution: the largest puzzle the program holds, with every rule to look at.
Puzzle LargePuzzle(bool bars) {
  Puzzle p = test::FreshPuzzle(30, 30, 2);
  std::mt19937 rng(30);
  std::uniform_int_distribution<int> percent(0, 99);
  NullGridView view;
  for (int row = 1; row <= 15; ++row) {
    for (int col = 1; col <= 30; ++col) {
      if (bars) {
        if (percent(rng) < 16 && row < 30) ToggleMarkSymmetric(p, view, {Mark::HBar, col, row});
        if (percent(rng) < 16 && col < 30) ToggleMarkSymmetric(p, view, {Mark::VBar, col, row});
      } else if (percent(rng) < 16) {
        ToggleMarkSymmetric(p, view, {Mark::Block, col, row});
      }
    }
  }
  p.BlockDiagram = !bars;
  p.BarDiagram = bars;
  try {
    AutoNumber(p, view);
  } catch (const RangeError&) {
    // A diagram this broken may have more than 100 entries one way.
  }
  for (int row = 1; row <= 30; ++row)
    for (int col = 1; col <= 30; ++col)
      if (p.Blocks(col, row) == 0) PaintLetter(p, view, col, row, 'E');
  return p;
}

void BM_CheckBlocks30(benchmark::State& state) {
  const Puzzle p = LargePuzzle(false);
  for (auto _ : state) benchmark::DoNotOptimize(CheckDiagram(p));
}
BENCHMARK(BM_CheckBlocks30);

void BM_CheckBars30(benchmark::State& state) {
  const Puzzle p = LargePuzzle(true);
  for (auto _ : state) benchmark::DoNotOptimize(CheckDiagram(p));
}
BENCHMARK(BM_CheckBars30);

// The two forms of the report of the block diagram (250 entries, 50 findings).
void BM_TextReportBlocks30(benchmark::State& state) {
  const CheckReport r = CheckDiagram(LargePuzzle(false));
  for (auto _ : state) benchmark::DoNotOptimize(CheckReportLines(r));
}
BENCHMARK(BM_TextReportBlocks30);

void BM_JsonReportBlocks30(benchmark::State& state) {
  const CheckReport r = CheckDiagram(LargePuzzle(false));
  for (auto _ : state) benchmark::DoNotOptimize(CheckReportJson(r).dump());
}
BENCHMARK(BM_JsonReportBlocks30);

}  // namespace
}  // namespace kven
