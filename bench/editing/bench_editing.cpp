#include <benchmark/benchmark.h>

#include "editing/solution_entry.h"
#include "editing/symmetry.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::FreshPuzzle;

// One click under fourfold symmetry on the largest grid; each click undoes
// the previous one, so every iteration does the same work.
void FourfoldClick(benchmark::State& state, EntryMode mode) {
  Puzzle p = FreshPuzzle(30, 30, 4);
  EditorState e;
  e.EntryMode = mode;
  NullView view;
  for (auto _ : state) {
    KvenGridMouseDown(p, e, view, 7, 11);
    benchmark::DoNotOptimize(p.Blocks(7, 11));
    benchmark::DoNotOptimize(p.HBars(7, 11));
  }
}

void BM_FourfoldBlockClick(benchmark::State& state) { FourfoldClick(state, EntryMode::Block); }
void BM_FourfoldBarClick(benchmark::State& state) { FourfoldClick(state, EntryMode::Hbar); }
BENCHMARK(BM_FourfoldBlockClick);
BENCHMARK(BM_FourfoldBarClick);

// A letter key released in Solution mode: the letter is stored and the cursor
// moves on. With range(0) = 1 the rest of row 1 is already filled, so the
// cursor passes 29 squares before it stops.
void BM_SolutionKeyUp(benchmark::State& state) {
  Puzzle p = FreshPuzzle(30, 30, 2);
  if (state.range(0) != 0)
    for (int col = 2; col <= 30; ++col) p.Letters(col, 1) = 'E';
  EditorState e;
  e.EntryMode = EntryMode::Solution;
  NullGridView view;
  KeyEvent key;
  key.key = Key::Letter;
  key.letter = 'K';
  for (auto _ : state) {
    e.CursorCol = 1;
    e.CursorRow = 1;
    KvenGridKeyUp(p, e, view, key);
    benchmark::DoNotOptimize(e.CursorCol);
  }
}
BENCHMARK(BM_SolutionKeyUp)->Arg(0)->Arg(1);

}  // namespace
}  // namespace kven
