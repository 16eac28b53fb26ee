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

void WriteBench(benchmark::State& state, const Puzzle& p) {
  for (auto _ : state) {
    std::string document = WriteIpuz(p);
    benchmark::DoNotOptimize(document.data());
  }
}

void ReadBench(benchmark::State& state, const Puzzle& p) {
  const std::string document = WriteIpuz(p);
  for (auto _ : state) {
    Import got = ReadIpuz(document);
    if (got.outcome != ImportOutcome::Imported) state.SkipWithError("the document did not import");
    benchmark::DoNotOptimize(got.puzzle.Numbers(1, 1));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}

void BM_WriteIpuzBlocks(benchmark::State& state) { WriteBench(state, test::LargeBlockPuzzle()); }
void BM_WriteIpuzBars(benchmark::State& state) { WriteBench(state, test::LargeBarPuzzle()); }
void BM_ReadIpuzBlocks(benchmark::State& state) { ReadBench(state, test::LargeBlockPuzzle()); }
void BM_ReadIpuzBars(benchmark::State& state) { ReadBench(state, test::LargeBarPuzzle()); }

}  // namespace

BENCHMARK(BM_WriteIpuzBlocks);
BENCHMARK(BM_WriteIpuzBars);
BENCHMARK(BM_ReadIpuzBlocks);
BENCHMARK(BM_ReadIpuzBars);
