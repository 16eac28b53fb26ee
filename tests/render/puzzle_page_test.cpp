#include "render/puzzle_page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <cmath>
#include <tuple>

#include "clues/puzzle_clues.h"
#include "editing/numbering.h"
#include "render/canvas.h"
#include "render/pdf_pages.h"
#include "render/pixels.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::Document;
using test::Rendered;
using test::Word;

// A clue text of some words, now and then long enough to wrap, with markup
// and letters beyond Latin-1 here and there.
std::string ClueText(int i) {
  static const char* const Words[] = {"setter", "grid", "answer", "letter", "crossing", "pattern",
                                      "Über", "naïve", "café", "light", "across", "fresh"};
  std::string text = i % 17 == 0 ? "Cryptic & " : "";
  const int length = 2 + (i * 7) % (i % 9 == 0 ? 24 : 7);
  for (int w = 0; w < length; ++w) text += std::string(w ? " " : "") + Words[(i + w * 5) % 12];
  return text + " q" + std::to_string(i);
}

ClueSection Section(const char* name, int first, int count) {
  ClueSection section{name, name, {}};
  for (int i = first; i < first + count; ++i)
    section.lines.push_back({std::to_string(i), ClueText(i), "(" + std::to_string(3 + i % 9) + ")", ""});
  return section;
}

// The thirty-by-thirty puzzle with a hundred across and a hundred down
// clues and a list of another direction.
PrintedPuzzle LargePrinted() {
  PrintedPuzzle printed;
  printed.puzzle = test::LargeBlockPuzzle();
  printed.title = "Thirty by thirty — a <i>Prize</i> Puzzle";
  printed.author = "Anne Setter";
  printed.copyright = "© 2026 The Daily Grid";
  printed.notes = "Entries in italics are themed.\nThe answers will be published next week with the winners.";
  printed.lists = {Section("Across", 1, 100), Section("Down", 101, 100), Section("Inward", 201, 6)};
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

Puzzle SolvedBlocks() {
  Puzzle p = NumberedBlocks();
  test::SetLetters(p, {"STEM.", "E.N.A", "TOTAL", "S.E.S", ".TRIO"});
  return p;
}

QString Simplified(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char('\f'), QLatin1Char(' '));
  return out.simplified();
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The clues as a reader reads them, wherever the lines break and the
// columns and pages turn: every clue in order, each list's heading before
// its first clue, and "(continued)" before the first clue of a column a
// list goes on in, naming that list.
TEST(PuzzlePageTest, EveryClueIsThereInReadingOrderOnBothPapers) {
  const PrintedPuzzle printed = LargePrinted();
  for (const Paper paper : {Paper::A4, Paper::Letter}) {
    const QString text = Simplified(Document(PuzzlePdf(printed, paper, {})).Read().text);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Thirty by thirty — a Prize Puzzle Anne Setter © 2026 The Daily Grid")))
        << text.left(100).toStdString();
    qsizetype at = 0;
    int continued = 0;
    for (const ClueSection& section : printed.lists) {
      const QString heading = Utf8(section.heading);
      const qsizetype headingAt = text.indexOf(heading + QLatin1Char(' ') + Utf8(section.lines[0].number), at);
      ASSERT_GE(headingAt, at) << section.heading;
      at = headingAt;
      for (const ClueLine& clue : section.lines) {
        const QString expected = Utf8(clue.number + " " + clue.text + " " + clue.enumeration);
        const qsizetype found = text.indexOf(expected, at);
        ASSERT_GE(found, 0) << expected.toStdString() << " after " << text.mid(at, 200).toStdString();
        const QString between = text.mid(at, found - at);
        if (between.contains(QStringLiteral("(continued)"))) {
          EXPECT_TRUE(between.contains(heading + QStringLiteral(" (continued)"))) << between.toStdString();
          ++continued;
        }
        at = found + expected.size();
      }
    }
    EXPECT_GE(continued, 2);
    EXPECT_GE(text.indexOf(QStringLiteral("The answers will be published next week with the winners."), at), 0);
  }
}

// Every word inside the margins of its page, none on another, none on the
// grid but its numbers and letters; the clues need a second page and get it.
TEST(PuzzlePageTest, LargePuzzleFlowsOntoASecondPageWithNothingOverlappingOrOffThePage) {
  const PrintedPuzzle printed = LargePrinted();
  for (const auto& [paper, size] : {std::pair{Paper::A4, QSizeF(595.3, 841.9)}, {Paper::Letter, QSizeF(612, 792)}}) {
    PageGeometry geometry;
    const Rendered doc =
        Document(PuzzlePdf(printed, paper, {PrintedPages::PuzzleAndSolution, 2}, &geometry)).Read();
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
        // A square's number and letter share the margins of their boxes, not ink.
        if (doc.words[j].page != word.page || (grid.contains(word.box) && grid.contains(doc.words[j].box))) continue;
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

// The words of a page inside a box, in points.
QStringList WordsIn(const Rendered& doc, int page, const QRectF& box) {
  QStringList words;
  for (const Word& word : doc.words)
    if (word.page == page && box.contains(word.box)) words << word.text;
  return words;
}

// A solution page comes only when asked for; alone, it is the only page.
TEST(PuzzlePageTest, TheSolutionIsPrintedOnlyWhenAskedFor) {
  PrintedPuzzle printed = PrintedSkeleton(SolvedBlocks());
  printed.lists[0].lines[0].text = "Plant part";
  const QStringList letters{QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("E"), QStringLiteral("M")};
  const struct {
    PrintedPages pages;
    int count;
    bool clues;
  } cases[] = {{PrintedPages::Puzzle, 1, true}, {PrintedPages::PuzzleAndSolution, 2, true},
               {PrintedPages::SolutionOnly, 1, false}};
  for (const auto& c : cases) {
    PageGeometry geometry;
    const Rendered doc = Document(PuzzlePdf(printed, Paper::A4, {c.pages, 2}, &geometry)).Read();
    EXPECT_EQ(geometry.pages, c.count);
    EXPECT_EQ(Simplified(doc.text).contains(QStringLiteral("Plant part (4)")), c.clues);
    const bool solution = c.pages != PrintedPages::Puzzle;
    EXPECT_EQ(geometry.solutionGrid.isEmpty(), !solution);
    if (c.clues) {
      const QStringList onGrid = WordsIn(doc, 0, geometry.grid);
      EXPECT_TRUE(onGrid.filter(QRegularExpression(QStringLiteral("^[A-Z]$"))).isEmpty());
    }
    if (solution) {
      const QStringList words = WordsIn(doc, geometry.pages - 1, geometry.solutionGrid);
      for (const QString& letter : letters) EXPECT_TRUE(words.contains(letter)) << letter.toStdString();
      EXPECT_TRUE(Simplified(doc.text).contains(QStringLiteral("Solution")));
    }
  }
}

// Black blocks, a frame heavier than the lines inside, bars heavier than
// those lines, and clue numbers of about 6 points on 7 mm squares.
TEST(PuzzlePageTest, TheGridPrintsAsPublishedPuzzlesDo) {
  for (const Paper paper : {Paper::A4, Paper::Letter}) {
    PageGeometry geometry;
    const Document doc(PuzzlePdf(PrintedSkeleton(NumberedBlocks()), paper, {}, &geometry));
    EXPECT_NEAR(geometry.squarePoints, 7 / 25.4 * 72, 0.01);
    constexpr double Dpi = 300;
    const QImage page = doc.Page(1, Dpi);
    const double pixels = Dpi / 72;
    const double square = geometry.squarePoints * pixels;
    const double frameOut = 0.75 * pixels;  // the frame stands half its width beyond the lines
    const QPointF corner = geometry.grid.topLeft() * pixels + QPointF(frameOut, frameOut);
    const auto centre = [&](int col, int row) {
      return (corner + QPointF((col - 0.5) * square, (row - 0.5) * square)).toPoint();
    };
    EXPECT_EQ(test::Px(page, centre(5, 1).x(), centre(5, 1).y()), rgb::Black);
    EXPECT_EQ(test::Px(page, centre(2, 2).x(), centre(2, 2).y()), rgb::Black);
    EXPECT_EQ(test::Px(page, centre(3, 3).x(), centre(3, 3).y()), rgb::White);
    // Black runs across the left frame and across the line between the
    // first two columns, on the middle of row 3.
    const auto run = [&](int from, int to, int y) {
      int longest = 0, current = 0;
      for (int x = from; x < to; ++x) {
        current = test::Px(page, x, y) == rgb::Black ? current + 1 : 0;
        longest = std::max(longest, current);
      }
      return longest;
    };
    const int y = centre(3, 3).y();
    const int frame = run(static_cast<int>(corner.x() - 10), static_cast<int>(corner.x() + square / 2), y);
    const int inner = run(static_cast<int>(corner.x() + square / 2), static_cast<int>(corner.x() + 1.5 * square), y);
    EXPECT_GE(inner, 1);
    EXPECT_GE(frame, 2 * inner + 1);
    const Rendered words = doc.Read();
    const QStringList numbers = WordsIn(words, 0, geometry.grid);
    EXPECT_EQ(numbers, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                    QStringLiteral("5")}));
    for (const Word& word : words.words)
      if (word.page == 0 && geometry.grid.contains(word.box)) {
        EXPECT_GE(word.box.height(), 5.5) << word.text.toStdString();
        EXPECT_LE(word.box.height(), 8) << word.text.toStdString();
      }
  }
  // A bar: black from its square's bottom line upward, heavier than a line.
  PageGeometry geometry;
  const Document doc(PuzzlePdf(PrintedSkeleton(test::ExampleBars()), Paper::A4, {PrintedPages::Puzzle, 4}, &geometry));
  constexpr double Dpi = 300;
  const QImage page = doc.Page(1, Dpi);
  const double pixels = Dpi / 72;
  const double square = geometry.squarePoints * pixels;
  const QPointF corner = geometry.grid.topLeft() * pixels + QPointF(0.75 * pixels, 0.75 * pixels);
  const auto column = [&](double x, double from, double to) {
    int black = 0;
    for (int y = static_cast<int>(from); y < static_cast<int>(to); ++y)
      black += test::Px(page, static_cast<int>(x), y) == rgb::Black ? 1 : 0;
    return black;
  };
  // Below [1,2] there is a bar; below [1,3] only the line.
  const double x = corner.x() + 0.7 * square;
  const int bar = column(x, corner.y() + 1.5 * square, corner.y() + 2.5 * square);
  const int line = column(x, corner.y() + 2.5 * square, corner.y() + 3.5 * square);
  EXPECT_GE(line, 1);
  EXPECT_GE(bar, line + static_cast<int>(4 * square / 32) - 1);
}

// A diagram keeps the marks of the kind it no longer has (a block left in
// a bar diagram), which no drawing of it shows: the pages neither print
// such a block nor take its square for a block.
TEST(PuzzlePageTest, MarksOfTheOtherKindAreNotPrinted) {
  Puzzle bars = test::ExampleBars();
  ASSERT_FALSE(bars.BlockDiagram);
  bars.Blocks(3, 2) = 1;
  PrintedPuzzle printed = PrintedSkeleton(bars);
  PageGeometry geometry;
  const Document doc(PuzzlePdf(printed, Paper::A4, {PrintedPages::Puzzle, 2}, &geometry));
  constexpr double Dpi = 150;
  const QImage page = doc.Page(1, Dpi);
  const QPointF centre = test::SquareOnPage(geometry.grid, geometry.squarePoints, Dpi, 3, 2).center();
  EXPECT_EQ(test::Px(page, static_cast<int>(centre.x()), static_cast<int>(centre.y())), rgb::White);
  // Every open square of the drawn diagram needs its letter, that one too.
  test::SetLetters(printed.puzzle, {"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY"});
  printed.puzzle.Letters(3, 2) = '.';
  EXPECT_EQ(SubmissionRefusal(printed.puzzle),
            "The submission copy needs the whole solution; squares without a letter: 1");
}

// The copy for an editor: each clue's row names its entry and gives the
// answer before the clue, the author and the page on every page.
TEST(PuzzlePageTest, TheSubmissionGivesEveryAnswerBesideItsClue) {
  PrintedPuzzle small = PrintedSkeleton(SolvedBlocks());
  small.author = "Anne Setter";
  small.title = "Stems";
  small.lists[0].lines[0].text = "Plant part";
  small.lists[1].lines[1].text = "Go in";
  PageGeometry geometry;
  const QString text = Simplified(Document(PuzzlePdf(small, Paper::Letter, {PrintedPages::Submission, 2}, &geometry)).Read().text);
  EXPECT_EQ(geometry.pages, 1);
  for (const char* row : {"1 Across STEM Plant part (4)", "4 Across TOTAL (5)", "5 Across TRIO (4)", "1 Down SETS (4)",
                          "2 Down ENTER Go in (5)", "3 Down ALSO (4)", "page 1 of 1", "Anne Setter",
                          "Stems · 5 × 5 · 6 clues"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(row))) << row << " in " << text.toStdString();

  PrintedPuzzle large = LargePrinted();
  for (ClueSection& section : large.lists)
    for (ClueLine& line : section.lines) line.answer = "ANSWER" + line.number;
  const QString pages = Simplified(Document(PuzzlePdf(large, Paper::A4, {PrintedPages::Submission, 2}, &geometry)).Read().text);
  ASSERT_GE(geometry.pages, 2);
  for (const ClueSection& section : large.lists)
    for (const ClueLine& line : section.lines) {
      const QString row = Utf8(line.number + " " + section.name + " " + line.answer + " " + line.text);
      EXPECT_TRUE(pages.contains(row)) << row.toStdString();
    }
  for (int page = 1; page <= geometry.pages; ++page)
    EXPECT_EQ(pages.count(QStringLiteral("page %1 of %2").arg(page).arg(geometry.pages)), 1) << page;
  EXPECT_EQ(pages.count(QStringLiteral("Anne Setter")), geometry.pages);

  // Without its whole solution the copy is refused, with the reason.
  PrintedPuzzle unsolved = PrintedSkeleton(NumberedBlocks());
  unsolved.puzzle.Letters(1, 1) = 'S';
  EXPECT_TRUE(PuzzlePdf(unsolved, Paper::A4, {PrintedPages::Submission, 2}, &geometry).empty());
  EXPECT_EQ(geometry.refusal, "The submission copy needs the whole solution; squares without a letter: 18");
}

TEST(PuzzlePageTest, PaperFollowsTheLocale) {
  for (const auto& [name, paper] : {std::pair{"en_US", Paper::Letter}, {"en_CA", Paper::Letter}, {"fr_CA", Paper::Letter},
                                    {"es_MX", Paper::Letter}, {"en_GB", Paper::A4}, {"de_DE", Paper::A4},
                                    {"fr_FR", Paper::A4}, {"ja_JP", Paper::A4}, {"C", Paper::A4}})
    EXPECT_EQ(PaperForLocale(QLocale(QString::fromLatin1(name))), paper) << name;
}

TEST(PuzzlePageTest, SkeletonHasAnEmptyClueForEveryEntry) {
  const PrintedPuzzle printed = PrintedSkeleton(NumberedBlocks());
  ASSERT_EQ(printed.lists.size(), 2u);
  EXPECT_EQ(printed.lists[0].heading, "Across");
  EXPECT_EQ(printed.lists[1].heading, "Down");
  EXPECT_FALSE(HasClueTexts(printed));
  const std::vector<ClueLine> expected[] = {{{"1", "", "(4)", ""}, {"4", "", "(5)", ""}, {"5", "", "(4)", ""}},
                                            {{"1", "", "(4)", ""}, {"2", "", "(5)", ""}, {"3", "", "(4)", ""}}};
  EXPECT_EQ(printed.lists[0].lines, expected[0]);
  EXPECT_EQ(printed.lists[1].lines, expected[1]);
  // An unnumbered diagram has its entries, without numbers.
  const PrintedPuzzle unnumbered = PrintedSkeleton(test::ExampleBlocks(Twofold));
  for (const ClueLine& clue : unnumbered.lists[0].lines) EXPECT_TRUE(clue.number.empty());
  PrintedPuzzle withText = printed;
  withText.lists[1].lines.back().text = "Last";
  EXPECT_TRUE(HasClueTexts(withText));
}

// Markup is read once: text that only looks like markup after its
// entities are read prints as it reads.
TEST(PuzzlePageTest, MarkupIsPrintedOnceAsPlainText) {
  PuzzleClues clues;
  SetClueText(clues, ClueFor(clues, {EntryDirection::Across, 1, 1}), "Cousin of &lt;div&gt;");
  SetClueText(clues, ClueFor(clues, {EntryDirection::Across, 1, 3}), "&lt;b&gt;bold&lt;/b&gt; <i>sum</i>");
  SetClueText(clues, ClueFor(clues, {EntryDirection::Down, 1, 1}), "Goddess (4) ");
  clues.facts.notes = "Notes in <b>bold</b> &amp; plain";
  const QString text =
      Simplified(Document(PuzzlePdf(PrintedWithClues(NumberedBlocks(), clues), Paper::A4, {})).Read().text);
  for (const char* printed : {"1 Cousin of <div> (4)", "4 <b>bold</b> sum (5)", "1 Goddess (4) 2",
                              "Notes in bold & plain"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(printed))) << printed << " in " << text.toStdString();
}

}  // namespace
}  // namespace kven
