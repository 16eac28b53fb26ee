// The main window on the offscreen platform: what a click on the largest
// fourfold block grid costs, the whole grid being repainted at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>

#include "app/dialogs.h"
#include "app/kven_form.h"
#include "app/spin_button.h"
#include "form_driver.h"
#include "render/kven_grid.h"

namespace {

// Nothing modal is expected here; every question is cancelled.
class NullDialogs : public kven::Dialogs {
 public:
  QString getOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString getSaveFileName(QWidget*, const QString&, const QStringList&, int) override { return {}; }
  void showError(QWidget*, const QString&) override {}
  void showInvalidData(QWidget*, const QString&) override {}
  void showInformation(QWidget*, const QString&) override {}
  bool runPrintDialog(QWidget*, QPrinter&) override { return false; }
  void execDialog(QDialog&) override {}
  kven::UnsavedChoice askUnsavedChanges(QWidget*, const QString&) override { return kven::UnsavedChoice::Cancel; }
};

// A shown window at 30 x 30 squares in Block mode with fourfold symmetry,
// set up as a user would: the spinner, then the menus.
struct FourfoldWindow {
  NullDialogs dialogs;
  kven::KvenForm form{dialogs};

  FourfoldWindow() {
    form.show();
    auto& spinH = kven::test::Find<kven::SpinButton>(form, "SpinH");
    while (form.puzzle().HSquares < kven::MaxSide) spinH.upButton()->click();
    kven::test::Trigger(form, "miBlock");
    kven::test::Trigger(form, "miFour");
    QApplication::processEvents();
  }
  // The set-up took, and a click on (5, 7) blocks its three mirror squares
  // too (the click is undone again).
  bool Ready() {
    const kven::Puzzle& p = form.puzzle();
    kven::KvenGrid& grid = kven::test::Grid(form);
    if (p.HSquares != 30 || p.VSquares != 30 || grid.ColumnCount() != 31 || grid.RowCount() != 31) return false;
    grid.onSquarePressed(5, 7);
    const bool fourfold = p.Blocks(5, 7) && p.Blocks(26, 7) && p.Blocks(5, 24) && p.Blocks(26, 24);
    grid.onSquarePressed(5, 7);
    return fourfold && !p.Blocks(5, 7);
  }
};

// The target is a median, over repetitions.
void Configure(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
}

// The click alone: the four blocks toggle and every cell of the grid is
// redrawn into the control's image.
void BM_FourfoldClick30x30(benchmark::State& state) {
  FourfoldWindow w;
  if (!w.Ready()) return state.SkipWithError("the window did not reach a 30 x 30 fourfold block grid");
  kven::KvenGrid& grid = kven::test::Grid(w.form);
  for (auto _ : state) grid.onSquarePressed(5, 7);
}
BENCHMARK(BM_FourfoldClick30x30)->Apply(Configure);

// The click and the paint event that puts the new image on the screen.
void BM_FourfoldClickOnScreen30x30(benchmark::State& state) {
  FourfoldWindow w;
  if (!w.Ready()) return state.SkipWithError("the window did not reach a 30 x 30 fourfold block grid");
  kven::KvenGrid& grid = kven::test::Grid(w.form);
  for (auto _ : state) {
    grid.onSquarePressed(5, 7);
    grid.repaint();
  }
}
BENCHMARK(BM_FourfoldClickOnScreen30x30)->Apply(Configure);

// One undo step as the window records it, with nothing to draw: choosing
// a symmetry changes the puzzle, so the whole window state is taken before
// and after and the step kept in the history.
void BM_UndoStepInTheWindow30x30(benchmark::State& state) {
  FourfoldWindow w;
  if (!w.Ready()) return state.SkipWithError("the window did not reach a 30 x 30 fourfold block grid");
  QAction& twofold = kven::test::Find<QAction>(w.form, "miTwo");
  QAction& fourfold = kven::test::Find<QAction>(w.form, "miFour");
  bool two = true;
  for (auto _ : state) {
    (two ? twofold : fourfold).trigger();
    two = !two;
  }
}
BENCHMARK(BM_UndoStepInTheWindow30x30)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform warns at every window resize; the results are what matter here.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
