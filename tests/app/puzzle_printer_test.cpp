#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/puzzle_printer.h"

using kven::Puzzle;

namespace {

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!process.waitForFinished(30000)) return QString();
  return QString::fromLatin1(process.readAllStandardOutput());
}

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
  void numbersFileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("numbers");
    QTest::newRow("extension") << QStringLiteral("/tmp/out/puzzle.pdf") << QStringLiteral("/tmp/out/puzzle-numbers.pdf");
    QTest::newRow("last dot only") << QStringLiteral("a/x.tar.pdf") << QStringLiteral("a/x.tar-numbers.pdf");
    QTest::newRow("no extension") << QStringLiteral("/tmp/v1.2/puzzle") << QStringLiteral("/tmp/v1.2/puzzle-numbers");
    QTest::newRow("bare name") << QStringLiteral("print.ps") << QStringLiteral("print-numbers.ps");
  }

  void numbersFileName() {
    QFETCH(QString, name);
    QFETCH(QString, numbers);
    QCOMPARE(kven::NumbersFileName(name), numbers);
  }

  void numberListStopsAtTheFirstEmptyEntry() {
    Puzzle p = FivePuzzle();
    p.AcrossNumbers[1] = 1;
    p.AcrossNumbers[2] = 4;
    p.AcrossNumbers[3] = 0;
    p.AcrossNumbers[4] = 9;  // left from an earlier numbering, not printed
    p.DownNumbers[1] = -2;
    p.DownNumbers[2] = 3;
    QCOMPARE(kven::NumberListLines(p), (QStringList{QString(), QStringLiteral("ACROSS"), QStringLiteral("1"),
                                                    QStringLiteral("4"), QStringLiteral("DOWN")}));
  }

  void numberListHoldsAtMostAHundredEntries() {
    Puzzle p = FivePuzzle();
    for (std::size_t i = 0; i < p.AcrossNumbers.size(); ++i) {
      p.AcrossNumbers[i] = static_cast<std::int32_t>(i + 1);
      p.DownNumbers[i] = static_cast<std::int32_t>(i + 1);
    }
    const QStringList lines = kven::NumberListLines(p);
    QCOMPARE(lines.size(), 2 + 100 + 1 + 100);
    QCOMPARE(lines[2], QStringLiteral("2"));  // entry 1; entry 0 is not part of the list
    QCOMPARE(lines[101], QStringLiteral("101"));
    QCOMPARE(lines[102], QStringLiteral("DOWN"));
  }

  void longNumberListsGoOnNewPages() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is missing");
    Puzzle p = FivePuzzle();
    for (int i = 1; i <= kven::MaxEntries; ++i) {
      p.AcrossNumbers[static_cast<std::size_t>(i)] = i;
      p.DownNumbers[static_cast<std::size_t>(i)] = 200 + i;
    }
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
    QCOMPARE(kven::PrintPuzzle(printer, p, 2, true), QString());
    QCOMPARE(printer.outputFileName(), dir.filePath(QStringLiteral("p.pdf")));
    const QString text = PdfText(dir.filePath(QStringLiteral("p-numbers.pdf")));
    QVERIFY(text.count(QLatin1Char('\f')) >= 3);  // 203 lines of 10 points
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
      if (!line.trimmed().isEmpty()) lines << line.trimmed();
    QCOMPARE(lines.size(), 202);
    QCOMPARE(lines.first(), QStringLiteral("ACROSS"));
    QCOMPARE(lines[100], QStringLiteral("100"));
    QCOMPARE(lines[101], QStringLiteral("DOWN"));
    QCOMPARE(lines.last(), QStringLiteral("300"));
  }

  void unwritableTargetIsReported() {
    Puzzle p = FivePuzzle();
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("missing/folder/p.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(name);
    QCOMPARE(kven::PrintPuzzle(printer, p, 2, false), QStringLiteral("Cannot create file ") + name);
  }
};

QTEST_MAIN(PuzzlePrinterTest)
#include "puzzle_printer_test.moc"
