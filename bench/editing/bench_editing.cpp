#include <benchmark/benchmark.h>

#include "editing/solution_entry.h"
#include "editing/symmetry.h"
#include "editing/undo_history.h"
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

// One undo step as the window makes it of every change of a 30 x 30 puzzle
// with everything set: the state before, the comparison after the command,
// and the step recorded in a full history.
void BM_UndoStep30x30(benchmark::State& state) {
  Puzzle p = test::LargeBlockPuzzle();
  p.ManualNumbered = true;
  UndoHistory<Puzzle> history;
  for (std::size_t i = 0; i < UndoHistory<Puzzle>::DefaultCapacity; ++i) history.Record("Block", p, p);
  NullGridView view;
  for (auto _ : state) {
    const Puzzle before = p;
    ToggleBlock(p, view, 7, 11);
    if (!(p == before)) history.Record("Block", before, p);
    benchmark::DoNotOptimize(history.Size());
  }
}
BENCHMARK(BM_UndoStep30x30);

}  // namespace
}  // namespace kven
