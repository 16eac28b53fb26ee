#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/published_puzzle.h"
#include "app/puzzle_printer.h"

using kven::Puzzle;

namespace {

Puzzle FivePuzzle() {
  Puzzle p;
  kven::NullView view;
  p.HSquares = p.VSquares = 5;
  kven::ResetPuzzle(p, view);
  return p;
}

}  // namespace

class PuzzlePrinterTest : public QObject {
  Q_OBJECT

 private slots:
  // The window's pages come as asked; a solution page only with letters to show.
  void pagesAsAsked() {
    using kven::PrintedPages;
    Puzzle solved = FivePuzzle();
    solved.Letters(1, 1) = 'A';
    solved.HasSolution = true;
    Puzzle blanks = FivePuzzle();
    blanks.Letters(1, 1) = ' ';
    blanks.HasSolution = true;
    kven::EditorState editor;
    editor.BarWidth = 5;
    const struct {
      const Puzzle* puzzle;
      PrintedPages asked;
      PrintedPages made;
    } cases[] = {{&solved, PrintedPages::Puzzle, PrintedPages::Puzzle},
                 {&solved, PrintedPages::PuzzleAndSolution, PrintedPages::PuzzleAndSolution},
                 {&blanks, PrintedPages::PuzzleAndSolution, PrintedPages::Puzzle},
                 {&solved, PrintedPages::Submission, PrintedPages::Submission}};
    for (const auto& c : cases) {
      const kven::PageOptions options = kven::PublishingOptions(*c.puzzle, editor, c.asked);
      QCOMPARE(options.pages, c.made);
      QCOMPARE(options.barWidth, 5);
    }
    QCOMPARE(kven::PublishingOptions(solved, editor).pages, PrintedPages::Puzzle);
  }

  void numbersFileName() {
    for (const auto& [name, numbers] : {std::pair{"/tmp/out/puzzle.pdf", "/tmp/out/puzzle-numbers.pdf"},
                                        {"a/x.tar.pdf", "a/x.tar-numbers.pdf"},
                                        {"/tmp/v1.2/puzzle", "/tmp/v1.2/puzzle-numbers"},
                                        {"print.ps", "print-numbers.ps"}})
      QCOMPARE(kven::NumbersFileName(QString::fromLatin1(name)), QString::fromLatin1(numbers));
  }

  void numberListStopsAtTheFirstEmptyEntry() {
    Puzzle p = FivePuzzle();
    p.AcrossNumbers[1] = 1;
    p.AcrossNumbers[2] = 4;
    p.AcrossNumbers[4] = 9;  // left from an earlier numbering, not printed
    p.DownNumbers[1] = -2;
    p.DownNumbers[2] = 3;
    QCOMPARE(kven::NumberListLines(p), (QStringList{QString(), QStringLiteral("ACROSS"), QStringLiteral("1"),
                                                    QStringLiteral("4"), QStringLiteral("DOWN")}));
  }

  // Lists of 100 entries each: entry 0 is no part of them and the first 0
  // ends them; 203 lines of 10 points take several pages.
  void fullListsGoOnNewPages() {
    Puzzle p = FivePuzzle();
    for (std::size_t i = 0; i <= 100; ++i) {
      p.AcrossNumbers[i] = static_cast<std::int32_t>(i);
      p.DownNumbers[i] = static_cast<std::int32_t>(200 + i);
    }
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
    QCOMPARE(kven::PrintPuzzle(printer, p, 2, true), QString());
    QCOMPARE(printer.outputFileName(), dir.filePath(QStringLiteral("p.pdf")));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is missing");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("p-numbers.pdf")), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromLatin1(process.readAllStandardOutput());
    QVERIFY(text.count(QLatin1Char('\f')) >= 3);
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
      if (!line.trimmed().isEmpty()) lines << line.trimmed();
    QCOMPARE(lines.size(), 202);
    QCOMPARE(lines.mid(99, 4), (QStringList{QStringLiteral("99"), QStringLiteral("100"), QStringLiteral("DOWN"),
                                            QStringLiteral("201")}));
    QCOMPARE(lines.last(), QStringLiteral("300"));
  }

  // With clue texts the finished puzzle's pages go to the printer, on its
  // paper; a target that cannot be written is reported.
  void finishedPuzzlePrintsItsPages() {
    Puzzle p = FivePuzzle();
    p.Blocks(3, 3) = 1;
    kven::PrintedPuzzle printed = kven::PrintedSkeleton(p);
    printed.title = "Centre";
    printed.lists.at(0).lines.at(0).text = "First across";
    printed.lists.at(1).lines.at(0).text = "First down";
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(dir.filePath(QStringLiteral("pages.pdf")));
    QCOMPARE(kven::PrintPuzzlePages(printer, printed, {}), QString());
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("pages.pdf")), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    QVERIFY2(text.contains(QStringLiteral("Centre")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("First across (5)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("First down (5)")), qPrintable(text));
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing/p.pdf")));
    QCOMPARE(kven::PrintPuzzlePages(printer, printed, {}),
             QStringLiteral("Cannot create file ") + dir.filePath(QStringLiteral("missing/p.pdf")));
  }

  void unwritableTargetIsReported() {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("missing/folder/p.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(name);
    QCOMPARE(kven::PrintPuzzle(printer, FivePuzzle(), 2, false), QStringLiteral("Cannot create file ") + name);
  }
};

QTEST_MAIN(PuzzlePrinterTest)
#include "puzzle_printer_test.moc"
