#include "render/puzzle_page.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <tuple>

#include "editing/numbering.h"
#include "render/puzzle_picture.h"
#include "render/text_flow.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

// What a PDF reader finds on a page: words with their boxes, in points.
struct Word {
  int page = 0;
  QRectF box;
  QString text;
};

struct Rendered {
  QSizeF paper;  // points
  std::vector<Word> words;
  QString text;  // in reading order, pages separated by form feeds
};

QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return QByteArray();
  return process.readAllStandardOutput();
}

// Writes the document into a folder of its own and reads it back as a
// reader does: its words, their boxes and its text.
class Document {
 public:
  explicit Document(const std::string& pdf) : path_(dir_.filePath(QStringLiteral("p.pdf"))) {
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly)) file.write(pdf.data(), static_cast<qint64>(pdf.size()));
  }

  Rendered Read() const {
    Rendered out;
    out.text = QString::fromUtf8(Run(QStringLiteral("pdftotext"), {path_, QStringLiteral("-")}));
    const QString html = QString::fromUtf8(Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path_, QStringLiteral("-")}));
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    int page = -1;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
      if (!m.captured(1).isEmpty()) {
        ++page;
        out.paper = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        continue;
      }
      out.words.push_back({page, QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                                        QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())),
                           m.captured(7)});
    }
    return out;
  }

  // Page `page` (from 1) at `dpi`, without antialiasing: edges are either
  // in or out, as the bitmap's are.
  QImage Page(int page, double dpi) const {
    const QString stem = dir_.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi, 'f', 6), QStringLiteral("-f"),
                                     QString::number(page), QStringLiteral("-l"), QString::number(page),
                                     QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                     QStringLiteral("no"), QStringLiteral("-singlefile"), QStringLiteral("-png"),
                                     path_, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  }

 private:
  QTemporaryDir dir_;
  QString path_;
};

// A clue text of some words, now and then long enough to wrap, with markup
// and letters beyond Latin-1 here and there.
std::string ClueText(int i) {
  static const char* const Words[] = {"setter", "grid", "answer", "letter", "crossing", "pattern",
                                      "Über", "naïve", "café", "light", "across", "fresh"};
  std::string text = i % 17 == 0 ? "<i>Cryptic</i> &amp; " : "";
  const int length = 2 + (i * 7) % (i % 9 == 0 ? 24 : 7);
  for (int w = 0; w < length; ++w) text += std::string(w ? " " : "") + Words[(i + w * 5) % 12];
  return text + " q" + std::to_string(i);
}

// The thirty-by-thirty puzzle with a hundred across and a hundred down clues.
PrintedPuzzle LargePrinted() {
  PrintedPuzzle printed;
  printed.puzzle = test::LargeBlockPuzzle();
  printed.title = "Thirty by thirty — a Prize Puzzle";
  printed.author = "Anne Setter";
  printed.copyright = "© 2026 The Daily Grid";
  printed.notes = "Entries in italics are themed.\nThe answers will be published next week with the winners.";
  for (int i = 1; i <= 200; ++i)
    (i <= 100 ? printed.across : printed.down)
        .push_back({std::to_string(i), ClueText(i), "(" + std::to_string(3 + i % 9) + ")"});
  return printed;
}

// The five-by-five blocked puzzle, numbered: across 1 (4), 4 (5), 5 (4);
// down 1 (4), 2 (5), 3 (4).
Puzzle NumberedBlocks() {
  Puzzle p = test::ExampleBlocks(Twofold);
  NullGridView view;
  AutoNumber(p, view);
  return p;
}

QString Simplified(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char('\f'), QLatin1Char(' '));
  return out.simplified();
}

// The words of the clues as a reader reads them: the text in order,
// wherever the lines break and the columns and pages turn.
TEST(PuzzlePageTest, EveryClueIsThereInOrderOnBothPapers) {
  const PrintedPuzzle printed = LargePrinted();
  for (const Paper paper : {Paper::A4, Paper::Letter}) {
    const QString text = Simplified(Document(PuzzlePdf(printed, paper, {})).Read().text);
    qsizetype at = 0;
    for (const auto* list : {&printed.across, &printed.down}) {
      for (const PrintedClue& clue : *list) {
        const QString expected = QString::fromStdString(clue.number) + QLatin1Char(' ') + PlainText(clue.text) +
                                 QLatin1Char(' ') + QString::fromStdString(clue.enumeration);
        const qsizetype found = text.indexOf(expected, at);
        ASSERT_GE(found, 0) << expected.toStdString() << " after " << text.mid(at, 200).toStdString();
        at = found + expected.size();
      }
    }
    EXPECT_GE(text.indexOf(QStringLiteral("The answers will be published next week with the winners."), at), 0);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Thirty by thirty — a Prize Puzzle Anne Setter © 2026 The Daily Grid")))
        << text.left(100).toStdString();
    EXPECT_EQ(text.indexOf(QStringLiteral("<i>")), -1);
    EXPECT_EQ(text.indexOf(QStringLiteral("&amp;")), -1);
  }
}

// Every word inside the margins of its page, none on another, none on the
// grid but its numbers; the clues need a second page and get it.
TEST(PuzzlePageTest, LargePuzzleFlowsOntoASecondPageWithNothingOverlappingOrOffThePage) {
  const PrintedPuzzle printed = LargePrinted();
  for (const auto& [paper, size] : {std::pair{Paper::A4, QSizeF(595.3, 841.9)}, {Paper::Letter, QSizeF(612, 792)}}) {
    PageGeometry geometry;
    const Rendered doc = Document(PuzzlePdf(printed, paper, {true, 2}, &geometry)).Read();
    EXPECT_NEAR(doc.paper.width(), size.width(), 0.5);
    EXPECT_NEAR(doc.paper.height(), size.height(), 0.5);
    EXPECT_GE(geometry.cluePages, 2);
    EXPECT_EQ(geometry.pages, geometry.cluePages + 1);
    // 15 mm margins; a word's box is its font's full height, a little
    // above and below the line it sits on.
    const double margin = 15 / 25.4 * 72 - 2;
    const QRectF inside(margin, margin, doc.paper.width() - 2 * margin, doc.paper.height() - 2 * margin);
    std::vector<int> cluesOnPage(static_cast<std::size_t>(geometry.pages));
    for (std::size_t i = 0; i < doc.words.size(); ++i) {
      const Word& word = doc.words[i];
      ASSERT_LT(word.page, geometry.pages);
      EXPECT_TRUE(inside.contains(word.box)) << word.text.toStdString() << " on page " << word.page;
      const QRectF& grid = word.page == 0 ? geometry.grid : geometry.solutionGrid;
      const bool onGridPage = word.page == 0 || word.page == geometry.pages - 1;
      if (onGridPage && !grid.contains(word.box)) {
        EXPECT_FALSE(grid.intersects(word.box)) << word.text.toStdString() << " on the grid of page " << word.page;
      }
      if (word.text.startsWith(QLatin1Char('q'))) ++cluesOnPage[static_cast<std::size_t>(word.page)];
      for (std::size_t j = i + 1; j < doc.words.size(); ++j) {
        if (doc.words[j].page != word.page) continue;
        const QRectF both = word.box.intersected(doc.words[j].box);
        EXPECT_FALSE(both.width() > 0.2 && both.height() > 0.2)
            << word.text.toStdString() << " and " << doc.words[j].text.toStdString() << " on page " << word.page;
      }
    }
    EXPECT_GE(cluesOnPage[0], 10);
    EXPECT_GE(cluesOnPage[1], 10);
    EXPECT_EQ(cluesOnPage.back(), 0);  // the solution page has the grid alone
  }
}

TEST(PuzzlePageTest, SmallPuzzleFitsOnePage) {
  PrintedPuzzle printed = PrintedSkeleton(NumberedBlocks());
  printed.across[0].text = "A first clue";
  for (const Paper paper : {Paper::A4, Paper::Letter}) {
    PageGeometry geometry;
    const Rendered doc = Document(PuzzlePdf(printed, paper, {}, &geometry)).Read();
    EXPECT_EQ(geometry.pages, 1);
    EXPECT_FALSE(doc.words.empty());
    for (const Word& word : doc.words) EXPECT_EQ(word.page, 0);
  }
}

// The pixels of the bitmap picture in a square of `image` from `origin`:
// all but those of numbers and letters must be equal. Glyphs are drawn by
// two rasterisers (FreeType's hinting for the bitmap, the PDF renderer's
// own outlines), so inside a text box each must show ink, and the ink must
// lie within two pixels of the bitmap's.
void ExpectGridAsBitmap(const QImage& page, QPoint origin, const QImage& bitmap, const Puzzle& p, bool letters) {
  const QRgb black = rgb::Black;
  const auto textBox = [&](int x, int y) {
    const int col = x / 32 + 1, row = (y - 32) / 32 + 1;
    const int dx = x % 32, dy = (y - 32) % 32;
    if (IsNumbered(p) && p.Numbers(col, row) > 0 && dx >= 1 && dx < 17 && dy >= 1 && dy < 17) return true;
    return letters && dx >= 14 && dx < 30 && dy >= 11 && dy < 27;
  };
  int differing = 0;
  for (int y = 32; y <= 32 + 32 * p.VSquares; ++y)
    for (int x = 0; x <= 32 * p.HSquares; ++x) {
      if (x < 32 * p.HSquares && y < 32 + 32 * p.VSquares && textBox(x, y)) continue;
      if ((page.pixel(origin.x() + x, origin.y() + y - 32) | 0xFF000000u) != (bitmap.pixel(x, y) | 0xFF000000u))
        ++differing;
    }
  EXPECT_EQ(differing, 0);
  for (int col = 1; col <= p.HSquares; ++col)
    for (int row = 1; row <= p.VSquares; ++row) {
      if (!IsNumbered(p) || p.Numbers(col, row) <= 0) continue;
      const int x = (col - 1) * 32 + 1, y = 32 + (row - 1) * 32 + 1;
      int inkBitmap = 0, inkPage = 0;
      QRect boundsBitmap, boundsPage;
      for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 16; ++dx) {
          if ((bitmap.pixel(x + dx, y + dy) | 0xFF000000u) == black) {
            ++inkBitmap;
            boundsBitmap |= QRect(dx, dy, 1, 1);
          }
          if ((page.pixel(origin.x() + x + dx, origin.y() + y - 32 + dy) | 0xFF000000u) == black) {
            ++inkPage;
            boundsPage |= QRect(dx, dy, 1, 1);
          }
        }
      ASSERT_GT(inkBitmap, 0);
      EXPECT_GT(inkPage, 0) << col << "," << row;
      for (const auto& [a, b] : {std::pair{boundsBitmap.left(), boundsPage.left()}, {boundsBitmap.top(), boundsPage.top()},
                                 {boundsBitmap.right(), boundsPage.right()}, {boundsBitmap.bottom(), boundsPage.bottom()}})
        EXPECT_LE(std::abs(a - b), 2) << col << "," << row;
    }
}

TEST(PuzzlePageTest, GridMatchesTheBitmapPictureAtTheSameScale) {
  Puzzle bars = test::ExampleBars();
  bars.VBars(4, 4) = 1;
  for (const auto& [puzzle, barWidth, paper] : {std::tuple{test::LargeBlockPuzzle(), 2, Paper::A4},
                                                {bars, 5, Paper::Letter}, {NumberedBlocks(), 1, Paper::A4}}) {
    PageGeometry geometry;
    const Document doc(PuzzlePdf(PrintedSkeleton(puzzle), paper, {true, barWidth}, &geometry));
    // The page at the resolution at which a square is the bitmap's 32 pixels.
    const double dpi = 72 * 32 / geometry.squarePoints;
    const auto pixel = [dpi](double points) { return static_cast<int>(std::lround(points * dpi / 72)); };
    Puzzle empty = puzzle;
    empty.Title.clear();
    const Puzzle solved = empty;
    empty.Letters.Fill('.');
    ExpectGridAsBitmap(doc.Page(1, dpi), {pixel(geometry.grid.left()), pixel(geometry.grid.top())},
                       MakePuzzleBitmap(empty, barWidth), empty, false);
    ExpectGridAsBitmap(doc.Page(geometry.pages, dpi),
                       {pixel(geometry.solutionGrid.left()), pixel(geometry.solutionGrid.top())},
                       MakePuzzleBitmap(solved, barWidth), solved, true);
  }
}

TEST(PuzzlePageTest, PaperFollowsTheLocale) {
  for (const auto& [name, paper] : {std::pair{"en_US", Paper::Letter}, {"en_CA", Paper::Letter}, {"fr_CA", Paper::Letter},
                                    {"es_MX", Paper::Letter}, {"en_GB", Paper::A4}, {"de_DE", Paper::A4},
                                    {"fr_FR", Paper::A4}, {"ja_JP", Paper::A4}, {"C", Paper::A4}})
    EXPECT_EQ(PaperForLocale(QLocale(QString::fromLatin1(name))), paper) << name;
}

TEST(PuzzlePageTest, MarkupIsPrintedAsPlainText) {
  for (const auto& [in, out] : {std::pair{"<i>Flower</i> of <b>Paris</b>", "Flower of Paris"},
                                {"Salt &amp; pepper &lt;2&gt;", "Salt & pepper <2>"},
                                {"Caf&eacute; &#233;clair &#x41;", "Café éclair A"},
                                {"Two<br/>lines", "Two lines"},
                                {"Plain  text,\n spaced", "Plain text, spaced"},
                                {"Über 3 < 4", "Über 3 < 4"}})
    EXPECT_EQ(PlainText(in), QString::fromUtf8(out)) << in;
}

TEST(PuzzlePageTest, SkeletonHasAnEmptyClueForEveryEntry) {
  const PrintedPuzzle printed = PrintedSkeleton(NumberedBlocks());
  ASSERT_EQ(printed.across.size(), 3u);
  ASSERT_EQ(printed.down.size(), 3u);
  EXPECT_FALSE(HasClueTexts(printed));
  const char* const expected[][2] = {{"1", "(4)"}, {"4", "(5)"}, {"5", "(4)"}, {"1", "(4)"}, {"2", "(5)"}, {"3", "(4)"}};
  for (std::size_t i = 0; i < 6; ++i) {
    const PrintedClue& clue = i < 3 ? printed.across[i] : printed.down[i - 3];
    EXPECT_EQ(clue.number, expected[i][0]) << i;
    EXPECT_EQ(clue.enumeration, expected[i][1]) << i;
    EXPECT_TRUE(clue.text.empty());
  }
  // An unnumbered diagram has its entries, without numbers.
  for (const PrintedClue& clue : PrintedSkeleton(test::ExampleBlocks(Twofold)).across) EXPECT_TRUE(clue.number.empty());
  PrintedPuzzle withText = printed;
  withText.down.back().text = "Last";
  EXPECT_TRUE(HasClueTexts(withText));
}

}  // namespace
}  // namespace kven
