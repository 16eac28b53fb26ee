// ipuz export and import of 30 x 30 puzzles numbered automatically with a
// full solution: one of blocks, one of fourfold bars.
#include <benchmark/benchmark.h>

#include "editing/numbering.h"
#include "editing/symmetry.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "support/test_puzzles.h"

namespace {

using namespace kven;

void FillSolution(Puzzle& p) {
  NullView view;
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c <= 30; ++c)
      if (p.Blocks(c, r) == 0) PaintLetter(p, view, c, r, static_cast<char>('A' + (c * 7 + r) % 26));
}

// Blocks down columns 10 and 20: 90 across and 28 down entries.
Puzzle BlockPuzzle() {
  Puzzle p = testing::FreshPuzzle(30, 30, 2);
  NullView view;
  for (int r = 1; r <= 30; ++r) {
    ToggleBlock(p, view, 10, r);
    ToggleBlock(p, view, 20, r);
  }
  AutoNumber(p, view);
  p.Title = "Benchmark blocks, thirty by thirty";
  FillSolution(p);
  return p;
}

// Ten fourfold orbits of bars.
Puzzle BarPuzzle() {
  Puzzle p = testing::FreshPuzzle(30, 30, 4);
  NullView view;
  for (int k = 0; k < 10; ++k) ToggleHBarSymmetric(p, 2 + k, 3 + k);
  AutoNumber(p, view);
  p.Title = "Benchmark bars";
  FillSolution(p);
  return p;
}

void WriteBench(benchmark::State& state, const Puzzle& p) {
  for (auto _ : state) {
    std::string document = WriteIpuz(p);
    benchmark::DoNotOptimize(document.data());
  }
}

void ReadBench(benchmark::State& state, const Puzzle& p) {
  const std::string document = WriteIpuz(p);
  for (auto _ : state) {
    IpuzImport got = ReadIpuz(document);
    if (got.outcome != IpuzOutcome::Imported) state.SkipWithError("the document did not import");
    benchmark::DoNotOptimize(got.puzzle.Numbers(1, 1));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}

void BM_WriteIpuzBlocks(benchmark::State& state) { WriteBench(state, BlockPuzzle()); }
void BM_WriteIpuzBars(benchmark::State& state) { WriteBench(state, BarPuzzle()); }
void BM_ReadIpuzBlocks(benchmark::State& state) { ReadBench(state, BlockPuzzle()); }
void BM_ReadIpuzBars(benchmark::State& state) { ReadBench(state, BarPuzzle()); }

}  // namespace

BENCHMARK(BM_WriteIpuzBlocks);
BENCHMARK(BM_WriteIpuzBars);
BENCHMARK(BM_ReadIpuzBlocks);
BENCHMARK(BM_ReadIpuzBars);
