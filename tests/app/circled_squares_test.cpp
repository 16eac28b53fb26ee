// Circled and shaded squares set in the window: Entry > Circle and Shade
// toggle the square clicked, Toggle Circle and Toggle Shade the cursor's,
// each one step for Undo; the grid, the picture, the SVG, the web page and
// the documents show them; a KVEN text says once a run what it leaves out.
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "formats/ipuz_reader.h"
#include "formats/puz_reader.h"
#include "test_files.h"
#include "test_window.h"

using kven::SquareStyle;
using kven::test::FileBytes;
using kven::test::Window;

namespace {

// The five-by-five clued puzzle, its window active for the shortcuts.
void StartClued(Window& w) {
  w.form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w.form));
  w.Paste(kven::test::CluedDocument());
}

SquareStyle At(const Window& w, int col, int row) { return w.form.doc().styles()(col, row); }

void Key(Window& w, Qt::Key key) { QTest::keyClick(&w.Grid(), key, Qt::ControlModifier | Qt::ShiftModifier); }

}  // namespace

class CircledSquaresTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }

  // A block takes no mark, no mark has a symmetric partner, and the
  // shortcuts' keys type no letter; Undo takes the steps back one by one.
  void clicksAndKeysToggleTheMarksOneStepEach() {
    Window w;
    StartClued(w);
    const kven::Puzzle diagram = w.puzzle();
    w.Trigger("miCircle");
    for (int i = 0; i < 3; ++i) w.Click(1, 1);  // on, off, on
    w.Click(2, 2);
    w.Trigger("miShade");
    w.Click(3, 3);
    w.Trigger("miLetter");
    w.Click(5, 5);
    Key(w, Qt::Key_O);
    Key(w, Qt::Key_H);
    QCOMPARE(At(w, 1, 1), SquareStyle{.circled = true});
    QCOMPARE(At(w, 3, 3), SquareStyle{.shaded = true});
    QCOMPARE(At(w, 5, 5), (SquareStyle{.circled = true, .shaded = true}));
    QVERIFY(At(w, 2, 2).Plain() && At(w, 5, 1).Plain() && At(w, 1, 5).Plain());
    QVERIFY(w.puzzle() == diagram);
    const std::vector<std::tuple<int, int, SquareStyle, const char*>> undone{
        {5, 5, {.circled = true}, "Undo Circle"}, {5, 5, {}, "Undo Shade"}, {3, 3, {}, "Undo Circle"},
        {1, 1, {}, "Undo Circle"}, {1, 1, {.circled = true}, "Undo Circle"}, {1, 1, {}, "Undo Paste"}};
    for (const auto& [col, row, style, next] : undone) {
      w.Trigger("miUndo");
      QCOMPARE(At(w, col, row), style);
      QCOMPARE(w.Item("miUndo").text(), QLatin1String(next));
    }
  }

  // ipuz keeps both marks; Across Lite its circles, telling the shading
  // is left out.
  void theMarksAreDrawnAndWritten() {
    Window w;
    StartClued(w);
    kven::KvenGrid& grid = w.Grid();
    const QImage plain = grid.grab().toImage();
    w.Trigger("miShade");
    w.Click(3, 3);
    w.Trigger("miCircle");
    w.Click(1, 1);
    const QImage marked = grid.grab().toImage();
    for (auto [col, row, changed] : {std::tuple{3, 3, true}, {1, 1, true}, {5, 3, false}})
      QCOMPARE(marked.copy(grid.CellRect(col, row)) != plain.copy(grid.CellRect(col, row)), changed);
    w.form.SetCopySaveChoice(kven::CopySaveAs::Grid);
    w.Trigger("miCopy");
    // Corners of squares (3, 3) and (5, 3) of the picture, clear of numbers and letters.
    QCOMPARE(w.form.image().pixel(2 * 32 + 28, 3 * 32 + 28), 0xFF000000 | kven::DefaultShade);
    QCOMPARE(w.form.image().pixel(4 * 32 + 28, 3 * 32 + 28), 0xFFFFFFFFu);

    QTemporaryDir dir;
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    w.AnswerChoices(true);
    w.dialogs.saveAnswers = {file("x.svg"), file("x.html"), file("x.ipuz"), file("x.puz")};
    for (const char* item : {"miExportSvg", "miExportWebPage", "miExportIpuz", "miExportPuz"}) w.Trigger(item);
    QVERIFY(FileBytes(file("x.svg")).contains("<circle"));
    QVERIFY(FileBytes(file("x.html")).contains(R"("circled":[[1,1]])"));
    const kven::Import ipuz = kven::ReadIpuz(FileBytes(file("x.ipuz")).toStdString());
    QVERIFY(ipuz.styles(1, 1).circled && ipuz.styles(3, 3).shaded && ipuz.styles(5, 5).Plain());
    const kven::Import puz = kven::ReadPuz(FileBytes(file("x.puz")).toStdString());
    QVERIFY(puz.styles(1, 1).circled && puz.styles(3, 3).Plain());
    QVERIFY(w.dialogs.information.front().startsWith(
        QStringLiteral("The Across Lite puzzle has no place for shaded squares: left out.")));
  }

  // Once for each part left out, copied or saved; the question then names ipuz.
  void aKvenTextTellsOnceWhatItLeavesOut() {
    Window w;
    QStatusBar& bar = *w.form.statusBar();
    const auto told = [&](const char* command) {
      bar.clearMessage();
      w.Trigger(command);
      return bar.currentMessage();
    };
    w.Trigger("miCircle");
    QCOMPARE(told("miCopy"), QString());
    w.Click(1, 1);
    QCOMPARE(told("miCopy"), QStringLiteral("KVEN text leaves out circled squares: copy or save as ipuz to keep them"));
    QCOMPARE(told("miCopy"), QString());
    w.Trigger("miShade");
    w.Click(3, 1);
    QTemporaryDir dir;
    w.dialogs.saveAnswers = {dir.filePath(QStringLiteral("kept.txt"))};
    QCOMPARE(told("miSave"), QStringLiteral("KVEN text leaves out circled squares, shaded squares: "
                                            "copy or save as ipuz to keep them"));
    QCOMPARE(told("miCopy"), QString());
    w.Trigger("miNew");  // the question, cancelled
    QVERIFY(w.dialogs.questions.front().endsWith(QStringLiteral("Save it as an ipuz document before closing?")));
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(CircledSquaresTest)
#include "circled_squares_test.moc"
