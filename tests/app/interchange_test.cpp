// The window's ways to other programs and to the setter's check: ipuz
// documents opened and pasted, ipuz, SVG and PDF exports, the submission
// copy and the web page with the choices asked before them, and the diagram
// check marking its findings on the grid.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/check_window.h"
#include "test_window.h"
#include "formats/ipuz_reader.h"
#include "render/canvas.h"
#include "scripted_dialogs.h"
#include "test_files.h"

using kven::KvenForm;

namespace {

using kven::test::Window;

// A barred 6 x 6 crossword as a web editor writes it: bars after the square
// ("B", "R"), lower-case letters, one rebus square.
QString Barred() {
  return QStringLiteral(
      "ipuz({\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword#1\"],"
      " \"dimensions\": {\"width\": 6, \"height\": 6}, \"title\": \"Caf\u00e9 bars\","
      " \"puzzle\": [[1, {\"cell\": 2, \"style\": {\"barred\": \"R\"}}, 3, 4, 5, 6],"
      "  [7, 0, 0, {\"cell\": 0, \"style\": {\"barred\": \"B\"}}, 0, 0],"
      "  [8, 0, 0, 0, 0, 0], [9, 0, 0, 0, 0, 0], [10, 0, 0, 0, 0, 0], [11, 0, 0, 0, 0, 0]],"
      " \"solution\": [[\"a\", \"b\", \"c\", \"d\", \"e\", \"f\"], [\"g\", \"h\", \"i\", \"j\", \"k\", \"l\"],"
      "  [\"m\", \"n\", \"o\", \"p\", \"q\", \"r\"], [\"s\", \"t\", \"u\", \"v\", \"w\", \"x\"],"
      "  [\"y\", \"z\", \"a\", \"b\", \"c\", \"d\"], [\"e\", \"f\", \"g\", \"h\", \"i\", \"THE\"]]})");
}

QString PdfText(const QString& file) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
  return process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

int Pages(const QString& file) { return static_cast<int>(PdfText(file).count(QLatin1Char('\f'))); }

// The item chosen, the question before it answered with `choice`, its file `path`.
void Export(Window& w, const char* item, bool choice, const QString& path) {
  w.AnswerChoices(choice);
  w.dialogs.saveAnswers = {path};
  w.Trigger(item);
}

// A bar diagram without a solution.
const char* const Unsolved = "KVEN 4 6 6\r\nHBR 1 15 Z\r\nVBR 2 Z\r\nTTL Turnabout\r\n";

// The pixels of the marks' colour in each square of the grid as shown.
std::vector<QPoint> MarkedSquares(kven::KvenGrid& grid, int h, int v) {
  const QImage shown = grid.grab().toImage();
  std::vector<QPoint> marked;
  for (int row = 1; row <= v; ++row) {
    for (int col = 1; col <= h; ++col) {
      const QRect cell = grid.CellRect(col, row);
      // A frame runs along every edge of the square.
      if (shown.pixel(cell.left(), cell.center().y()) == kven::rgb::Mark &&
          shown.pixel(cell.right(), cell.center().y()) == kven::rgb::Mark &&
          shown.pixel(cell.center().x(), cell.top()) == kven::rgb::Mark &&
          shown.pixel(cell.center().x(), cell.bottom()) == kven::rgb::Mark)
        marked.emplace_back(col, row);
    }
  }
  return marked;
}

}  // namespace

class InterchangeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The choices asked before an export are remembered here.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }
  void init() { QGuiApplication::clipboard()->clear(); }

  // Pasted like a KVEN text: the reset's steps, the title field, Grid chosen;
  // a square whose solution is no single letter is left empty and counted.
  void pastingAnIpuzCrosswordImportsIt() {
    Window w;
    w.Paste(Barred());
    const kven::Puzzle& p = w.puzzle();
    QCOMPARE(std::tuple(p.HSquares, p.VSquares, p.BarDiagram, p.BlockDiagram), std::tuple(6, 6, true, false));
    QCOMPARE(std::tuple(p.VBars(2, 1), p.HBars(4, 2)), std::tuple(1, 1));
    QCOMPARE(p.Title, std::string("Caf\xe9 bars"));
    QCOMPARE(kven::test::Find<QLineEdit>(w.form, "edTitle").text(), QStringLiteral("Caf\u00e9 bars"));
    QCOMPARE(std::tuple(p.Letters(1, 1), p.Letters(5, 6), p.Letters(6, 6)), std::tuple('A', 'I', '.'));
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::Grid);
    QCOMPARE(w.dialogs.information,
             QStringList{QStringLiteral(
                 "Squares left without a letter because their solution was not a single letter: 1")});
    QVERIFY(w.dialogs.invalidData.isEmpty() && w.dialogs.errors.isEmpty());
    // Undo takes the whole import back.
    w.Trigger("miUndo");
    QCOMPARE(std::tuple(w.puzzle().HSquares, w.puzzle().BarDiagram), std::tuple(12, false));
  }

  // An ipuz document that cannot be imported is refused with its reason,
  // before Open's New: the puzzle on screen stays.
  void aRefusedDocumentLeavesThePuzzle() {
    Window w;
    w.Trigger("miBlock");
    w.Click(2, 3);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ipuz"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],)"
               R"( "dimensions": {"width": 40, "height": 40}, "puzzle": []})");
    file.close();
    w.dialogs.openAnswers = {path};
    w.dialogs.unsavedAnswers = {kven::UnsavedChoice::Discard};
    w.Trigger("miOpen");
    QCOMPARE(w.dialogs.errors,
             QStringList{QStringLiteral("Cannot import this ipuz puzzle: it is 40 x 40 squares; sizes must be 5 to 30.")});
    QCOMPARE(std::tuple(w.puzzle().HSquares, w.puzzle().Blocks(2, 3)), std::tuple(12, 1));
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::KvenText);
    // A letter with no KVEN text and no ipuz document is invalid data, as ever.
    w.Paste(QStringLiteral("{\"greeting\": \"hello\"}"));
    QCOMPARE(w.dialogs.invalidData, QStringList{QStringLiteral("Oops - We hit Invalid Data")});
  }

  void exportsWriteWhereTheUserSays() {
    Window w;
    w.Paste(Barred());
    QTemporaryDir dir;
    const QString ipuz = dir.filePath(QStringLiteral("bars.ipuz"));
    const QString svg = dir.filePath(QStringLiteral("bars.svg"));
    w.dialogs.saveAnswers = {ipuz, svg};
    w.Trigger("miExportIpuz");
    w.Trigger("miExportSvg");
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.at(0).proposed).fileName(), QStringLiteral("Xword.ipuz"));
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.at(1).proposed).fileName(), QStringLiteral("Xword.svg"));
    QFile exported(ipuz);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const kven::Import back = kven::ReadIpuz(exported.readAll().toStdString());
    QCOMPARE(back.outcome, kven::ImportOutcome::Imported);
    QCOMPARE(back.puzzle.VBars(2, 1), 1);
    QFile picture(svg);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray text = picture.readAll();
    QVERIFY(text.contains("<svg") && text.contains(">Caf\xc3\xa9 bars</text>") && !text.contains("<image"));
    // Cancelled: nothing written.
    w.Trigger("miExportIpuz");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
  }

  // The finished puzzle, without a solution page nobody asked for; printing
  // it without clue texts is still the picture alone.
  void pdfExportAndPrintout() {
    Window w;
    w.Paste(Barred());
    w.AnswerChoices(false);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bars.pdf"));
    w.dialogs.saveAnswers = {pdf};
    w.Trigger("miExportPdf");
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.at(0).proposed).fileName(), QStringLiteral("Xword.pdf"));
    QCOMPARE(w.dialogs.saveRequests.at(0).filterIndex, 1);
    const QString text = PdfText(pdf);
    for (const char* words : {"Caf\u00e9 bars", "Across", "Down", "1 ("})
      QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    // The puzzle's page alone: a solution page comes only when asked for.
    QCOMPARE(text.count(QLatin1Char('\f')), 1);
    QVERIFY(!text.contains(QStringLiteral("Solution")));
    w.Trigger("miExportPdf");  // cancelled
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    w.dialogs.printConfirmed = true;
    w.dialogs.printToFile = dir.filePath(QStringLiteral("printed.pdf"));
    w.Trigger("miPrint");
    const QString printed = PdfText(w.dialogs.printToFile);
    QVERIFY(printed.contains(QString::fromUtf8("Caf\u00e9 bars")));
    QVERIFY(!printed.contains(QStringLiteral("Across")));
    QVERIFY(w.dialogs.errors.isEmpty());
  }

  // Unchecked at first, then as last answered, for the PDF and the print
  // alike, in the next window too; a cancel ends the command, and a puzzle
  // without a solution asks nothing.
  void theSolutionPageChoiceIsRemembered() {
    QTemporaryDir dir;
    const auto pdf = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    {
      Window w;
      w.Paste(kven::test::CluedDocument());
      Export(w, "miExportPdf", true, pdf("with.pdf"));
      Export(w, "miExportPdf", false, pdf("without.pdf"));
      w.dialogs.printConfirmed = true;
      w.dialogs.printToFile = pdf("printed.pdf");
      w.AnswerChoices(true);
      w.Trigger("miPrint");
      QCOMPARE(w.choicesAsked, (QList<bool>{false, true, false}));
      QCOMPARE(std::tuple(Pages(pdf("with.pdf")), Pages(pdf("without.pdf")), Pages(pdf("printed.pdf"))),
               std::tuple(2, 1, 2));
      w.dialogs.whileShown = [](QDialog& dialog) { dialog.reject(); };
      w.Trigger("miExportPdf");
      w.Trigger("miPrint");
      QCOMPARE(std::tuple(w.dialogs.saveRequests.size(), w.dialogs.printDialogs), std::tuple(std::size_t{2}, 1));
    }
    Window w;
    w.Paste(kven::test::CluedDocument());
    Export(w, "miExportPdf", false, pdf("again.pdf"));
    w.Paste(QLatin1String(Unsolved));
    Export(w, "miExportPdf", true, pdf("unsolved.pdf"));
    QCOMPARE(w.choicesAsked, QList<bool>{true});
    QCOMPARE(Pages(pdf("unsolved.pdf")), 1);
  }

  void theSubmissionCopyIsWrittenOrRefused_data() {
    QTest::addColumn<QString>("solution");  // pasted over the clued puzzle's, its diagram the same
    QTest::addColumn<QString>("refusal");
    QTest::newRow("the whole solution") << "STEMS\r\nE.N.A\r\nTOTAL\r\nS.E.S\r\nTRIOS\r\n" << "";
    QTest::newRow("a square without its letter") << "STEMS\r\nE.N.A\r\nTOTAL\r\nS.E.S\r\nTRIO.\r\n"
                                                 << "The submission copy needs the whole solution; "
                                                    "squares without a letter: 1";
  }
  void theSubmissionCopyIsWrittenOrRefused() {
    QFETCH(QString, solution);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("editor.pdf"));
    Window w;
    w.Paste(kven::test::CluedDocument());
    w.Paste(QStringLiteral("KVEN 2 5 5\r\nBLK 7 9 Z\r\nANS\r\n") + solution);
    w.dialogs.saveAnswers = {path};
    w.Trigger("miExportSubmission");
    if (!refusal.isEmpty()) {
      QCOMPARE(w.dialogs.errors, QStringList{refusal});
      QVERIFY(w.dialogs.saveRequests.empty() && !QFile::exists(path));
      return;
    }
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.front().proposed).fileName(), QStringLiteral("Xword-submission.pdf"));
    const QString text = PdfText(path);
    for (const char* words : {"A. Setter", "1 Across", "STEMS", "Setter's first clue"})
      QVERIFY2(text.contains(QLatin1String(words)), words);
  }

  // With the answers at first; without them the page holds only the digest.
  // A puzzle without a whole solution asks nothing and is told what its
  // page cannot do.
  void theWebPageCarriesTheAnswersWhenAsked() {
    QTemporaryDir dir;
    const auto page = [&](const char* name) { return kven::test::FileBytes(dir.filePath(QLatin1String(name))); };
    Window w;
    w.Paste(kven::test::CluedDocument());
    Export(w, "miExportWebPage", false, dir.filePath(QStringLiteral("without.html")));
    Export(w, "miExportWebPage", true, dir.filePath(QStringLiteral("with.html")));
    QVERIFY(w.dialogs.information.isEmpty());
    w.Paste(QLatin1String(Unsolved));
    Export(w, "miExportWebPage", true, dir.filePath(QStringLiteral("unsolved.html")));
    QCOMPARE(w.choicesAsked, (QList<bool>{true, false}));
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.front().proposed).fileName(), QStringLiteral("Xword.html"));
    QVERIFY(page("without.html").contains("\"digest\":") && !page("without.html").contains("\"solution\":"));
    QVERIFY(page("with.html").contains("\"solution\":") && page("with.html").contains("Setter's first clue"));
    QVERIFY(page("unsolved.html").contains("Turnabout") && !page("unsolved.html").contains("\"solution\":"));
    QCOMPARE(w.dialogs.information, QStringList{QStringLiteral("The solution is not complete: the page has no Check "
                                                               "or Reveal and cannot tell a finished grid.")});
  }

  // Choosing a finding frames exactly its squares; an edit takes the frames
  // away, and so does closing the report.
  void checkFindingsMarkTheirSquaresUntilAnEdit() {
    Window w;
    w.Paste(QStringLiteral("KVEN 0 5 5\nBLK 3 Z\nNN\n"));  // two short entries across the top
    w.Trigger("miCheck");
    auto& check = kven::test::Find<kven::CheckWindow>(w.form, "CheckWindow");
    QVERIFY(check.isVisible() && !check.isModal());
    kven::KvenGrid& grid = kven::test::Grid(w.form);
    QVERIFY(MarkedSquares(grid, 5, 5).empty());
    check.findingList()->setCurrentRow(1);
    QCOMPARE(MarkedSquares(grid, 5, 5), (std::vector<QPoint>{{4, 1}, {5, 1}}));
    // The drawing itself is untouched by the marks.
    QCOMPARE(grid.Snapshot().pixel(grid.CellRect(4, 1).topLeft()), kven::rgb::White);
    w.Trigger("miBlock");
    w.Click(1, 5);
    QVERIFY(MarkedSquares(grid, 5, 5).empty());
    check.checkAgain();
    check.findingList()->setCurrentRow(0);
    QVERIFY(!MarkedSquares(grid, 5, 5).empty());
    check.close();
    QVERIFY(MarkedSquares(grid, 5, 5).empty());
  }

  // Undo and Redo change the puzzle as any edit does: the frames of a
  // finding go. The window keeps the size the user gave it over steps that
  // change no size, and takes back its own over a step that does.
  void undoAndRedoTakeTheFramesAwayAndResizeOnlyWithThePuzzle() {
    Window w;
    w.Paste(QStringLiteral("KVEN 0 5 5\nBLK 3 Z\nNN\n"));
    w.Trigger("miCheck");
    auto& check = kven::test::Find<kven::CheckWindow>(w.form, "CheckWindow");
    kven::KvenGrid& grid = kven::test::Grid(w.form);
    w.Trigger("miBlock");
    w.Click(1, 5);
    const QSize byHand = w.form.size() + QSize(90, 70);
    for (const char* step : {"miUndo", "miRedo"}) {
      check.checkAgain();
      check.findingList()->setCurrentRow(0);
      QVERIFY(!MarkedSquares(grid, 5, 5).empty());
      w.form.resize(byHand);
      w.Trigger(step);
      QVERIFY2(MarkedSquares(grid, 5, 5).empty(), step);
      QCOMPARE(w.form.size(), byHand);
    }
    w.Spin("SpinV", true);
    const QSize fittedAgain = w.form.size();
    QVERIFY(fittedAgain != byHand);
    w.Trigger("miUndo");
    QCOMPARE(w.form.size(), byHand);
    w.Trigger("miRedo");
    QCOMPARE(w.form.size(), fittedAgain);
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(InterchangeTest)
#include "interchange_test.moc"
