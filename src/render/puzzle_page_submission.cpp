#include "render/puzzle_page_submission.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextCharFormat>
#include <algorithm>

#include "render/canvas.h"
#include "render/puzzle_page_grid.h"
#include "render/puzzle_page_sheet.h"
#include "render/puzzle_page_texts.h"

namespace kven {

namespace {

using namespace sheet;

constexpr double TextPoints = 9.5;
constexpr double AuthorPoints = 10;
constexpr double FactPoints = 9;
constexpr double MaxSquareMm = 7;
constexpr double RulePoints = 0.5;
// The grid leaves the first page room for clues.
constexpr double MaxGridShare = 0.55;
constexpr int FieldGap = 2;  // blanks between a row's name, answer and clue
constexpr double HangMm = 6;
// Wide enough for most rows on one line.
constexpr double MinColumnMm = 80;
constexpr int MaxColumns = 2;

int ClueCount(const PrintedPuzzle& printed) {
  int count = 0;
  for (const ClueSection& section : printed.lists) count += static_cast<int>(section.lines.size());
  return count;
}

// The author (or, without one, the title) on the first line of every
// page's header, the other facts on the second.
std::vector<FlowItem> HeaderItems(const PrintedPuzzle& printed) {
  QStringList facts;
  for (const std::string* fact : {&printed.author, &printed.title, &printed.copyright})
    if (const QString text = Plain(*fact); !text.isEmpty()) facts << text;
  const Puzzle& p = printed.puzzle;
  facts << QString(page_text::GridSize).arg(p.HSquares).arg(p.VSquares)
        << QString(page_text::ClueCount).arg(ClueCount(printed));
  FlowItem first;
  first.text = facts.takeFirst();
  first.textFont = PageFont(AuthorPoints, true);
  FlowItem rest;
  rest.text = facts.join(page_text::FactSeparator);
  rest.textFont = PageFont(FactPoints);
  return {first, rest};
}

std::vector<PlacedLine> PageNumber(int page, int pages, const QRectF& band, QPaintDevice* device) {
  FlowItem item;
  item.text = QString(page_text::PageOf).arg(page + 1).arg(pages);
  item.textFont = PageFont(FactPoints);
  const double width = QFontMetricsF(item.textFont, device).horizontalAdvance(item.text);
  const QRectF at(band.right() - width - 1, band.top(), width + 1, band.height());
  return FlowInColumns({item}, [at](int) { return std::vector<QRectF>{at}; }, device);
}

// Each clue a line of its own, "1 Across  CLASP  Hold tight (5)", the
// answer in bold, what wraps indented under the entry's name. One run of
// text, so that a reader copying it takes the row as it reads.
std::vector<FlowItem> RowItems(const PrintedPuzzle& printed, const Sheet& sheet, QPaintDevice* device) {
  const QString fieldGap(FieldGap, QLatin1Char(' '));
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  return ListItems(printed, TextPoints, device, [&](const ClueSection& section, const ClueLine& line) {
    FlowItem item;
    item.text = Utf8(line.Label().empty() ? section.name : line.Label() + " " + section.name) + fieldGap;
    if (!line.answer.empty()) {
      const QString answer = Utf8(line.answer);
      item.formats.push_back({static_cast<int>(item.text.size()), static_cast<int>(answer.size()), bold});
      item.text += answer + fieldGap;
    }
    item.text += ClueText(line);
    item.textFont = PageFont(TextPoints);
    item.indent = sheet.Mm(HangMm);
    item.hang = item.indent;
    return item;
  });
}

}  // namespace

PageGeometry DrawSubmission(QPagedPaintDevice& device, const PrintedPuzzle& printed, int barWidth) {
  const Sheet sheet = SheetOf(device);
  const QRectF content = sheet.content;
  const std::vector<FlowItem> header = HeaderItems(printed);
  // The header leaves room for the widest page number beside it.
  const QString widest = QString(page_text::PageOf).arg(999).arg(999);
  const double numberWidth = QFontMetricsF(PageFont(FactPoints), &device).horizontalAdvance(widest);
  const QRectF headerBand(content.topLeft(), QSizeF(content.width() - numberWidth - sheet.Mm(GapMm), content.height()));
  const std::vector<PlacedLine> headerLines =
      FlowInColumns(header, [headerBand](int) { return std::vector<QRectF>{headerBand}; }, &device);
  const double rule = Bottom(headerLines, content.top()) + sheet.Mm(GapMm) / 2;
  const QRectF body(QPointF(content.left(), rule + sheet.Mm(GapMm)), content.bottomRight());

  const auto [corner, scale] = FitPageGrid(printed.puzzle, sheet.Mm(MaxSquareMm),
                                           QRectF(body.topLeft(), QSizeF(body.width(), MaxGridShare * body.height())),
                                           sheet.Point());
  const QRectF grid = PageGridBounds(printed.puzzle, corner, scale);

  const double line = QFontMetricsF(PageFont(TextPoints), &device).lineSpacing();
  const std::vector<QRectF> full = Columns(body, sheet.Mm(MinColumnMm), MaxColumns, sheet);
  const std::vector<QRectF> first = ColumnsAroundGrid(full, grid, line, sheet);
  const std::vector<PlacedLine> clueLines = FlowInColumns(
      RowItems(printed, sheet, &device), [&](int page) { return page == 0 ? first : full; }, &device);
  int pages = 1;
  for (const PlacedLine& line : clueLines) pages = std::max(pages, line.page + 1);

  QPainter painter;
  if (!painter.begin(&device)) return {};
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    painter.setPen(QColor(rgb::Black));
    DrawPlacedLines(painter, headerLines, 0);
    DrawPlacedLines(painter, PageNumber(page, pages, content, &device), 0);
    painter.setPen(QPen(QColor(rgb::Black), RulePoints * sheet.Point()));
    painter.drawLine(QPointF(content.left(), rule), QPointF(content.right(), rule));
    if (page == 0) DrawPageGrid(painter, printed, corner, scale, barWidth, true);
    painter.setPen(QColor(rgb::Black));
    DrawPlacedLines(painter, clueLines, page);
  }
  painter.end();
  PageGeometry geometry;
  geometry.pages = pages;
  geometry.cluePages = pages;
  geometry.squarePoints = scale.square / sheet.Point();
  geometry.grid = InPoints(grid, sheet);
  return geometry;
}

}  // namespace kven
