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

// Blocks down columns 10 and 20 (90 across, 28 down entries), numbered by
// hand from the automatic numbers, with a title and a full solution.
Puzzle BlockPuzzle() {
  Puzzle p = FreshPuzzle(30, 30, 2);
  NullGridView view;
  for (int r = 1; r <= 30; ++r) {
    ToggleBlock(p, view, 10, r);
    ToggleBlock(p, view, 20, r);
  }
  AutoNumber(p, view);
  p.ManualNumbered = true;
  p.Title = "Benchmark blocks, thirty by thirty";
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c <= 30; ++c)
      if (p.Blocks(c, r) == 0) PaintLetter(p, view, c, r, static_cast<char>('A' + (c + r) % 26));
  return p;
}

// Ten fourfold orbits of bars on a square grid.
Puzzle BarPuzzle() {
  Puzzle p = FreshPuzzle(30, 30, 4);
  NullGridView view;
  for (int k = 0; k < 10; ++k) ToggleMarkSymmetric(p, view, {Mark::HBar, 2 + k, 3 + k});
  AutoNumber(p, view);
  p.Title = "Benchmark bars";
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
