#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/puzzle_printer.h"
#include "editing/numbering.h"
#include "support/test_puzzles.h"

using kven::Puzzle;

namespace {

// Darker than this is ink of a line; the grey of blocks and bars is lighter.
constexpr int InkLevel = 100;
// What a black line leaves on at least one pixel across it at 300 dpi.
constexpr int SolidLevel = 64;

// Letters in the open squares of the first rows, one string per row.
void PutLetters(Puzzle& p, const std::vector<std::string>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      if (p.Blocks(static_cast<int>(c) + 1, static_cast<int>(r) + 1) == 0)
        p.Letters(static_cast<int>(c) + 1, static_cast<int>(r) + 1) = rows[r][c];
  p.HasSolution = true;
}

// A 15 x 15 twofold block diagram, numbered, with a title and letters.
Puzzle NumberedBlocks() {
  Puzzle p = kven::test::FreshPuzzle(15, 15);
  p.BlockDiagram = true;
  kven::NullGridView view;
  for (auto [c, r] : {std::pair{4, 1}, {11, 1}, {8, 2}, {1, 4}, {5, 4}, {12, 5}, {7, 6}, {3, 7}, {15, 7}})
    kven::ToggleBlock(p, view, c, r);
  kven::AutoNumber(p, view);
  p.Title = "Printed blocks";
  PutLetters(p, {"ABC.EFGHIJ.LMNO", "PQRSTUV.WXYZABC"});
  return p;
}

// A 12 x 12 bar diagram, numbered, with letters beside the bars.
Puzzle NumberedBars() {
  Puzzle p = kven::test::FreshPuzzle(12, 12, kven::NoSymmetry);
  p.BarDiagram = true;
  for (auto [c, r] : {std::pair{1, 2}, {4, 3}, {7, 1}, {12, 6}, {6, 12}}) kven::ToggleHBar(p, c, r);
  for (auto [c, r] : {std::pair{2, 1}, {3, 3}, {11, 11}, {1, 7}, {6, 6}}) kven::ToggleVBar(p, c, r);
  kven::NullGridView view;
  kven::AutoNumber(p, view);
  p.Title = "Printed bars";
  PutLetters(p, {"BARSANDLINES", "ARETHICKHERE"});
  return p;
}

int Grey(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)); }

// The rows (or columns, with `across` false) whose longest run of ink spans
// a quarter of the page: the horizontal (vertical) grid lines, edge to edge.
std::vector<int> LongInkRuns(const QImage& page, bool across) {
  const int length = across ? page.width() : page.height();
  const int count = across ? page.height() : page.width();
  std::vector<int> found;
  for (int i = 0; i < count; ++i) {
    int run = 0;
    int longest = 0;
    for (int j = 0; j < length; ++j) {
      const bool ink = (across ? Grey(page, j, i) : Grey(page, i, j)) < InkLevel;
      run = ink ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    if (longest * 4 >= length) found.push_back(i);
  }
  return found;
}

// Checks every grid line of a page that shows a grid of cols x rows squares:
// along its whole length each line keeps at least the width of ink it has at
// most places (nothing whitens part of it) and has a solid black pixel (it is
// no hairline that paper loses). Returns what is wrong, or nothing.
QString BrokenLines(const QImage& page, int cols, int rows) {
  const std::vector<int> ys = LongInkRuns(page, true);
  const std::vector<int> xs = LongInkRuns(page, false);
  if (ys.empty() || xs.empty()) return QStringLiteral("no grid line is long and dark enough to be found");
  const int top = ys.front();
  const int bottom = ys.back();
  const int left = xs.front();
  const int right = xs.back();
  constexpr int Band = 4;  // pixels either side of where a line must lie
  for (bool vertical : {true, false}) {
    const int n = vertical ? cols : rows;
    for (int i = 0; i <= n; ++i) {
      const int at = vertical ? left + (right - left) * i / n : top + (bottom - top) * i / n;
      const int from = vertical ? top : left;
      const int to = vertical ? bottom : right;
      std::vector<int> widths;
      std::vector<int> darkest;
      for (int along = from; along <= to; ++along) {
        int width = 0;
        int dark = 255;
        for (int across = at - Band; across <= at + Band; ++across) {
          const int g = vertical ? Grey(page, across, along) : Grey(page, along, across);
          width += g < InkLevel;
          dark = std::min(dark, g);
        }
        widths.push_back(width);
        darkest.push_back(dark);
      }
      std::vector<int> sorted = widths;
      std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
      const int usual = sorted[sorted.size() / 2];
      for (std::size_t k = 0; k < widths.size(); ++k) {
        if (widths[k] < std::max(usual, 1) || darkest[k] > SolidLevel)
          return QStringLiteral("%1 line %2 at %3 is %4 pixels of ink there, %5 elsewhere, its darkest grey %6")
              .arg(vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal"))
              .arg(i)
              .arg(from + static_cast<int>(k))
              .arg(widths[k])
              .arg(usual)
              .arg(darkest[k]);
      }
    }
  }
  return QString();
}

}  // namespace

class PrintedGridTest : public QObject {
  Q_OBJECT

 private slots:
  void everyGridLineIsWhole_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("barWidth");
    QTest::newRow("numbered 15 x 15 blocks") << 0 << 2;
    QTest::newRow("numbered 12 x 12 bars") << 1 << 6;
  }

  // Printed to PDF and rendered at 300 dpi, as a printer would put it on paper.
  void everyGridLineIsWhole() {
    QFETCH(int, which);
    QFETCH(int, barWidth);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) QSKIP("pdftoppm is missing");
    const Puzzle p = which == 0 ? NumberedBlocks() : NumberedBars();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QCOMPARE(kven::PrintPuzzle(printer, p, barWidth, false), QString());

    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                                              QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                                              dir.filePath(QStringLiteral("page"))});
    QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    const QString broken = BrokenLines(page, p.HSquares, p.VSquares);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
  }
};

QTEST_MAIN(PrintedGridTest)
#include "printed_grid_test.moc"
