// Circled and shaded squares on the printed pages: every grid of them (the
// puzzle, the solution page, the submission copy) at any size shows them,
// and nothing else on the page changes.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>

#include "editing/numbering.h"
#include "render/canvas.h"
#include "render/pdf_pages.h"
#include "render/pixels.h"
#include "render/puzzle_page.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::Px;

constexpr double Dpi = 300;
constexpr QRgb Gold = qRgb(0xFF, 0xD9, 0x66);
constexpr QRgb Blue = qRgb(0xC0, 0xE0, 0xFF);
constexpr QRgb Grey = qRgb(0xD9, 0xD9, 0xD9);  // a shade without a colour of its own

struct Styled {
  int col, row;
  bool circled;
  QRgb shade;  // white for none
};

// Square [1,1] is numbered 1; [2,3], [3,3] and [5,3] have no number; [4,3]
// is left plain to compare with.
constexpr Styled StyledSquares[] = {
    {1, 1, true, rgb::White}, {3, 3, false, Gold}, {2, 3, false, Grey}, {5, 3, true, Blue}};
constexpr int PlainCol = 4, PlainRow = 3;

SquareStyles StylesWith(test::Square block) {
  SquareStyles styles;
  for (const Styled& s : StyledSquares) {
    SquareStyle& style = styles(s.col, s.row);
    style.circled = s.circled;
    style.shaded = s.shade != rgb::White;
    style.hasColour = s.shade != rgb::White && s.shade != Grey;
    style.colour = s.shade & 0xFFFFFFu;
  }
  // A style on a block never shows: the block stays black.
  styles(block.first, block.second) = {true, true, true, 0xFFD966};
  return styles;
}

Puzzle SolvedFive() {
  Puzzle p = test::ExampleBlocks(Twofold);
  NullGridView view;
  AutoNumber(p, view);
  test::SetLetters(p, {"STEM.", "E.N.A", "TOTAL", "S.E.S", ".TRIO"});
  return p;
}

// The pixel at (x, y) in shares of the square.
QRgb At(const QImage& page, const QRectF& square, double x, double y) {
  return Px(page, static_cast<int>(square.left() + x * square.width()),
            static_cast<int>(square.top() + y * square.height()));
}

int CountIn(const QImage& page, const QRectF& r, const std::function<bool(QRgb)>& test) {
  int n = 0;
  for (int y = static_cast<int>(std::ceil(r.top())); y < static_cast<int>(r.bottom()); ++y)
    for (int x = static_cast<int>(std::ceil(r.left())); x < static_cast<int>(r.right()); ++x) n += test(Px(page, x, y));
  return n;
}

// The part of a square between its shares `from` and `to`, both ways.
QRectF Part(const QRectF& square, double fromX, double fromY, double toX, double toY) {
  return QRectF(square.left() + fromX * square.width(), square.top() + fromY * square.height(),
                (toX - fromX) * square.width(), (toY - fromY) * square.height());
}

// Dark pixels near where an inscribed circle passes at 45 degrees below and
// right of the centre: clear of the number and the letter.
int RingInk(const QImage& page, const QRectF& square) {
  const double along = (square.width() / 2 - 0.5 * Dpi / 72) / std::sqrt(2.0);
  const QPointF at = square.center() + QPointF(along, along);
  return CountIn(page, QRectF(at - QPointF(3, 3), QSizeF(6, 6)), [](QRgb c) { return c == rgb::Black; });
}

struct PageCase {
  const char* name;
  PrintedPages pages;
  bool lastPage;  // the grid looked at is on the last page, else on the first
  bool letters;
};

TEST(StyledPages, CirclesAndShadesShowOnEveryGridAndNothingElseChanges) {
  const PageCase pages[] = {{"puzzle", PrintedPages::Puzzle, false, false},
                            {"solution page", PrintedPages::PuzzleAndSolution, true, true},
                            {"solution alone", PrintedPages::SolutionOnly, false, true},
                            {"submission", PrintedPages::Submission, false, true}};
  const struct {
    const char* name;
    Puzzle puzzle;
    test::Square block;
  } puzzles[] = {{"5 x 5", SolvedFive(), {2, 4}}, {"30 x 30", test::LargeBlockPuzzle(), {10, 4}}};
  for (const auto& puzzle : puzzles)
    for (const PageCase& c : pages) {
      SCOPED_TRACE(std::string(puzzle.name) + ", " + c.name);
      PrintedPuzzle plain = PrintedSkeleton(puzzle.puzzle);
      PrintedPuzzle styled = plain;
      styled.styles = StylesWith(puzzle.block);
      PageGeometry geometry;
      const test::Document withStyles(PuzzlePdf(styled, Paper::A4, {c.pages, 2}, &geometry));
      const test::Document without(PuzzlePdf(plain, Paper::A4, {c.pages, 2}));
      const int pageNumber = c.lastPage ? geometry.pages : 1;
      const QImage page = withStyles.Page(pageNumber, Dpi);
      const QImage before = without.Page(pageNumber, Dpi);
      ASSERT_FALSE(page.isNull());
      ASSERT_EQ(page.size(), before.size());
      const QRectF grid = c.pages == PrintedPages::PuzzleAndSolution || c.pages == PrintedPages::SolutionOnly
                              ? geometry.solutionGrid
                              : geometry.grid;
      const auto square = [&](int col, int row) {
        return test::SquareOnPage(grid, geometry.squarePoints, Dpi, col, row);
      };

      for (const Styled& s : StyledSquares) {
        SCOPED_TRACE("square " + std::to_string(s.col) + "," + std::to_string(s.row));
        const QRectF sq = square(s.col, s.row);
        // Inside the circle, clear of number and letter: the square's colour.
        EXPECT_EQ(At(page, sq, 0.75, 0.25), s.shade);
        if (s.circled) {
          EXPECT_GT(RingInk(page, sq), 0);
        } else {
          EXPECT_EQ(RingInk(page, sq), 0);
          // Everything but the ink of the letter takes the shade.
          const QRectF inside = Part(sq, 0.1, 0.1, 0.9, 0.9);
          const int shade = CountIn(page, inside, [&](QRgb px) { return px == s.shade; });
          EXPECT_GT(shade, CountIn(page, inside, [](QRgb) { return true; }) / 2);
          EXPECT_EQ(shade + CountIn(page, inside, [](QRgb px) { return px == rgb::Black; }),
                    CountIn(page, inside, [](QRgb) { return true; }));
        }
      }
      EXPECT_EQ(RingInk(page, square(PlainCol, PlainRow)), 0);
      if (!c.letters) {
        EXPECT_EQ(At(page, square(1, 1), 0.5, 0.5), rgb::White);
      }
      // The circle stops short of the number 1: its corner of the square
      // holds the same ink as without the circle.
      const QRectF number = Part(square(1, 1), 0.06, 0.07, 0.2, 0.3);
      const auto black = [](QRgb px) { return px == rgb::Black; };
      EXPECT_EQ(CountIn(page, number, black), CountIn(before, number, black));

      // Every pixel outside the styled open squares is as it was.
      int changedElsewhere = 0;
      for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
          if (Px(page, x, y) == Px(before, x, y)) continue;
          bool inStyled = false;
          for (const Styled& s : StyledSquares)
            inStyled = inStyled || square(s.col, s.row).adjusted(-1, -1, 1, 1).contains(QPointF(x, y));
          changedElsewhere += inStyled ? 0 : 1;
        }
      EXPECT_EQ(changedElsewhere, 0);
      EXPECT_EQ(At(page, square(puzzle.block.first, puzzle.block.second), 0.5, 0.5), rgb::Black);
    }
}

}  // namespace
}  // namespace kven
