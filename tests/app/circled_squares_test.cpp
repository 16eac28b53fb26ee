// Circled and shaded squares set in the window: Entry > Circle and Shade
// toggle the square clicked, Toggle Circle and Toggle Shade the cursor's,
// each one step for Undo; the grid, the picture, the SVG, the web page and
// the documents show them; a KVEN text says once a run what it leaves out.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "formats/ipuz_reader.h"
#include "formats/puz_reader.h"
#include "test_window.h"

using kven::SquareStyle;
using kven::test::Window;

namespace {

QString CluedDocument() {
  QFile file(QStringLiteral(KVEN_EXAMPLES "/clued.ipuz"));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no clued example");
  return QString::fromUtf8(file.readAll());
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The five-by-five clued puzzle, its window active for the shortcuts.
void StartClued(Window& w) {
  w.form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w.form));
  w.Paste(CluedDocument());
}

const SquareStyle& At(const Window& w, int col, int row) { return w.form.doc().styles()(col, row); }

void Key(Window& w, Qt::Key key) { QTest::keyClick(&w.Grid(), key, Qt::ControlModifier | Qt::ShiftModifier); }

}  // namespace

class CircledSquaresTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }

  // Each click or key is one step, which Undo takes back alone; a block
  // takes no mark, and no mark has a symmetric partner.
  void clicksAndKeysToggleTheMarksOneStepEach() {
    Window w;
    StartClued(w);
    const kven::Puzzle diagram = w.puzzle();
    struct Step {
      const char* what;
      std::function<void()> act;
      int col, row;
      bool circled, shaded;
      const char* undo;  // the Undo item after it
    };
    const std::vector<Step> steps{
        {"a click in Circle mode", [&] { w.Trigger("miCircle"); w.Click(1, 1); }, 1, 1, true, false, "Undo Circle"},
        {"a second click", [&] { w.Click(1, 1); }, 1, 1, false, false, "Undo Circle"},
        {"a third click", [&] { w.Click(1, 1); }, 1, 1, true, false, "Undo Circle"},
        {"a click in Shade mode", [&] { w.Trigger("miShade"); w.Click(3, 3); }, 3, 3, false, true, "Undo Shade"},
        {"Ctrl+Shift+O on the cursor", [&] {
           w.Trigger("miLetter");
           w.Click(5, 5);
           Key(w, Qt::Key_O);
         }, 5, 5, true, false, "Undo Circle"},
        {"Ctrl+Shift+H on the cursor", [&] { Key(w, Qt::Key_H); }, 5, 5, true, true, "Undo Shade"},
    };
    std::vector<kven::SquareStyles> before;
    for (const Step& step : steps) {
      before.push_back(w.form.doc().styles());
      step.act();
      QVERIFY2(At(w, step.col, step.row).circled == step.circled && At(w, step.col, step.row).shaded == step.shaded,
               step.what);
      QCOMPARE(w.Item("miUndo").text(), QLatin1String(step.undo));
    }
    QCOMPARE(At(w, 5, 5), (SquareStyle{.circled = true, .shaded = true}));
    QVERIFY(At(w, 5, 1).Plain() && At(w, 1, 5).Plain());  // partners of (1, 1) under either symmetry
    QVERIFY(w.puzzle() == diagram);  // letters too: the shortcuts' keys typed none
    // On a block nothing happens, not even a step.
    w.Trigger("miCircle");
    w.Click(2, 2);
    QVERIFY(At(w, 2, 2).Plain());
    QCOMPARE(w.Item("miUndo").text(), QLatin1String("Undo Shade"));
    for (auto styles = before.rbegin(); styles != before.rend(); ++styles) {
      w.Trigger("miUndo");
      QVERIFY(w.form.doc().styles() == *styles);
    }
    QCOMPARE(w.Item("miUndo").text(), QLatin1String("Undo Paste"));
  }

  // The grid, the picture Copy makes, the SVG and the web page draw the
  // marks; ipuz keeps both, Across Lite its circles and tells the shading
  // is left out.
  void theMarksAreDrawnAndWritten() {
    Window w;
    StartClued(w);
    kven::KvenGrid& grid = w.Grid();
    const QRect shadedCell = grid.CellRect(3, 3);
    const QRect circledCell = grid.CellRect(1, 1);
    const QImage plain = grid.grab().toImage();
    w.Trigger("miShade");
    w.Click(3, 3);
    w.Trigger("miCircle");
    w.Click(1, 1);
    const QImage marked = grid.grab().toImage();
    QVERIFY(marked.copy(shadedCell) != plain.copy(shadedCell));
    QVERIFY(marked.copy(circledCell) != plain.copy(circledCell));
    QCOMPARE(marked.copy(grid.CellRect(5, 3)), plain.copy(grid.CellRect(5, 3)));

    w.form.SetCopySaveChoice(kven::CopySaveAs::Grid);
    w.Trigger("miCopy");
    // A corner of square (3, 3) of the picture, clear of its number and letter.
    QCOMPARE(w.form.image().pixel(2 * 32 + 28, 32 + 2 * 32 + 28), 0xFF000000 | kven::DefaultShade);
    QCOMPARE(w.form.image().pixel(4 * 32 + 28, 32 + 2 * 32 + 28), 0xFFFFFFFFu);

    QTemporaryDir dir;
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    w.AnswerChoices(true);
    w.dialogs.saveAnswers = {file("x.svg"), file("x.html"), file("x.ipuz"), file("x.puz")};
    for (const char* item : {"miExportSvg", "miExportWebPage", "miExportIpuz", "miExportPuz"}) w.Trigger(item);
    QVERIFY(Bytes(file("x.svg")).contains("<circle"));
    QVERIFY(Bytes(file("x.html")).contains(R"("circled":[[1,1]])"));
    const kven::Import ipuz = kven::ReadIpuz(Bytes(file("x.ipuz")).toStdString());
    QVERIFY(ipuz.styles(1, 1).circled && ipuz.styles(3, 3).shaded && ipuz.styles(5, 5).Plain());
    const kven::Import puz = kven::ReadPuz(Bytes(file("x.puz")).toStdString());
    QVERIFY(puz.styles(1, 1).circled && puz.styles(3, 3).Plain());
    QCOMPARE(w.dialogs.information, QStringList{QStringLiteral("The Across Lite puzzle has no place for shaded squares: "
                                                               "left out.\nMarkup in the clues (italics, bold) was left out.")});
  }

  // Told once for each part the KVEN text leaves out, whether copied or
  // saved; the puzzle stays unsaved, and the question names ipuz.
  void aKvenTextTellsOnceWhatItLeavesOut() {
    Window w;
    QStatusBar& bar = *w.form.statusBar();
    QTemporaryDir dir;
    const auto copied = [&] {
      bar.clearMessage();
      w.Trigger("miCopy");
      return bar.currentMessage();
    };
    w.Trigger("miBlock");
    w.Click(2, 2);
    QCOMPARE(copied(), QString());
    w.Trigger("miCircle");
    w.Click(1, 1);
    QCOMPARE(copied(), QStringLiteral("KVEN text leaves out circled squares: copy or save as ipuz to keep them"));
    QCOMPARE(copied(), QString());
    w.Trigger("miShade");
    w.Click(3, 1);
    bar.clearMessage();
    w.dialogs.saveAnswers = {dir.filePath(QStringLiteral("kept.txt"))};
    w.Trigger("miSave");
    QCOMPARE(bar.currentMessage(),
             QStringLiteral("KVEN text leaves out circled squares, shaded squares: copy or save as ipuz to keep them"));
    QVERIFY(Bytes(dir.filePath(QStringLiteral("kept.txt"))).startsWith("KVEN"));
    QCOMPARE(copied(), QString());
    w.Trigger("miNew");  // the question, cancelled
    QCOMPARE(w.dialogs.questions.size(), 1);
    QVERIFY(w.dialogs.questions.front().endsWith(QStringLiteral("Save it as an ipuz document before closing?")));
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(CircledSquaresTest)
#include "circled_squares_test.moc"
