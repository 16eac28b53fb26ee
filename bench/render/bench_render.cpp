// Rendering benchmarks on the offscreen platform: a full repaint of the
// largest grid with everything shown, and its bitmap picture.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "model/puzzle.h"
#include "render/kven_grid.h"
#include "render/puzzle_picture.h"
#include "support/test_puzzles.h"

namespace {

// A 30 x 30 bar diagram with every square numbered and lettered, the most
// drawing a grid can ask for.
kven::Puzzle BusyPuzzle() {
  kven::Puzzle p = kven::test::FreshPuzzle(30, 30);
  p.BarDiagram = true;
  p.AutoNumbered = true;
  p.HasSolution = true;
  p.Title = "Benchmark with a title of some length";
  int n = 0;
  for (int col = 1; col <= 30; ++col) {
    for (int row = 1; row <= 30; ++row) {
      if (col < 30 && (col + row) % 3 == 0) p.VBars(col, row) = 1;
      if (row < 30 && (col * row) % 4 == 1) p.HBars(col, row) = 1;
      p.Numbers(col, row) = (col + row) % 2 == 0 ? ++n : 0;
      p.Letters(col, row) = static_cast<char>('A' + (col * 7 + row) % 26);
    }
  }
  return p;
}

void BM_GridFullRepaint30x30(benchmark::State& state) {
  const kven::Puzzle p = BusyPuzzle();
  kven::EditorState e;
  e.EntryMode = kven::EntryMode::Solution;
  kven::KvenGrid grid(p, e);
  grid.SetSquareCount(30, 30);
  grid.RepaintGrid();
  for (auto _ : state) grid.RepaintGrid();
}
BENCHMARK(BM_GridFullRepaint30x30)->Unit(benchmark::kMillisecond);

void BM_PuzzlePicture30x30(benchmark::State& state) {
  const kven::Puzzle p = BusyPuzzle();
  QImage image(kven::PuzzleBitmapSize(p), QImage::Format_RGB32);
  kven::Canvas canvas;
  canvas.Begin(&image);
  for (auto _ : state) kven::DrawPuzzlePicture(canvas, p, 2, kven::PictureTarget::Bitmap);
  canvas.End();
}
BENCHMARK(BM_PuzzlePicture30x30)->Unit(benchmark::kMillisecond);

void BM_MakePuzzleBitmap30x30(benchmark::State& state) {
  const kven::Puzzle p = BusyPuzzle();
  for (auto _ : state) benchmark::DoNotOptimize(kven::MakePuzzleBitmap(p, 2));
}
BENCHMARK(BM_MakePuzzleBitmap30x30)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
