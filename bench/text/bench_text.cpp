// Reader, writer, numbering and clue list on 30 x 30 puzzles that stay within
// 100 across and 100 down entries, so no range error is timed.
#include <benchmark/benchmark.h>

#include "editing/numbering.h"
#include "editing/symmetry.h"
#include "support/test_puzzles.h"
#include "text/clue_list.h"
#include "text/decoder.h"
#include "text/encoder.h"

namespace {

using namespace kven;

using test::FreshPuzzle;

// The large block puzzle numbered by hand (with its automatic numbers), so
// that its text carries an MN section.
Puzzle BlockPuzzle() {
  Puzzle p = test::LargeBlockPuzzle();
  p.ManualNumbered = true;
  return p;
}

// The large bar puzzle without its solution.
Puzzle BarPuzzle() {
  Puzzle p = test::LargeBarPuzzle();
  p.HasSolution = false;
  return p;
}

void DecodeBench(benchmark::State& state, const Puzzle& source) {
  const TextLines text = TextLines::FromLines(EncodeText(source));
  Puzzle p = FreshPuzzle();
  NullView view;
  for (auto _ : state) {
    DecodeText(text, p, view);
    benchmark::DoNotOptimize(p.Numbers(1, 1));
  }
}

void BM_DecodeBlockText(benchmark::State& state) { DecodeBench(state, BlockPuzzle()); }
void BM_DecodeFourfoldBarText(benchmark::State& state) { DecodeBench(state, BarPuzzle()); }

void EncodeBench(benchmark::State& state, const Puzzle& p) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeText(p));
}

void BM_EncodeBlockText(benchmark::State& state) { EncodeBench(state, BlockPuzzle()); }
void BM_EncodeFourfoldBarText(benchmark::State& state) { EncodeBench(state, BarPuzzle()); }

void BM_AutoNumber(benchmark::State& state) {
  Puzzle p = BlockPuzzle();
  NullGridView view;
  for (auto _ : state) {
    AutoNumber(p, view);
    benchmark::DoNotOptimize(p.AcrossCount);
  }
}

void BM_BuildClueList(benchmark::State& state) {
  const Puzzle p = BlockPuzzle();
  for (auto _ : state) benchmark::DoNotOptimize(BuildClueList(p));
}

BENCHMARK(BM_DecodeBlockText);
BENCHMARK(BM_DecodeFourfoldBarText);
BENCHMARK(BM_EncodeBlockText);
BENCHMARK(BM_EncodeFourfoldBarText);
BENCHMARK(BM_AutoNumber);
BENCHMARK(BM_BuildClueList);

}  // namespace
