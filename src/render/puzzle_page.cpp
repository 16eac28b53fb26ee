#include "render/puzzle_page.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <span>

#include "render/canvas.h"
#include "render/puzzle_page_grid.h"
#include "render/puzzle_page_sheet.h"
#include "render/puzzle_page_submission.h"
#include "render/puzzle_page_texts.h"

namespace kven {

namespace {

using namespace sheet;

constexpr double MinColumnMm = 50;
constexpr int MaxColumns = 3;
constexpr double TitlePoints = 16;
constexpr double AuthorPoints = 11;
constexpr double CopyrightPoints = 9;

// From the most generous to the tightest: the first that takes the fewest
// pages is taken.
struct Style {
  double maxSquareMm;
  double textPoints;
};
constexpr Style Styles[] = {{7.0, 10}, {6.5, 9.5}, {6.0, 9}, {5.5, 8.5}, {5.0, 8}};

// Where every piece of the puzzle's pages goes, in device pixels.
struct Layout {
  std::vector<PlacedLine> lines;  // heading, clues and notes
  int pages = 1;
  PageGridScale scale;
  QPointF grid;  // the grid's top-left corner on the first page
};

// Title, author and copyright; a solution page says so under the title.
std::vector<FlowItem> HeadingItems(const PrintedPuzzle& printed, bool solution) {
  std::vector<FlowItem> items;
  const auto add = [&items](const QString& text, double points, bool bold) {
    if (text.isEmpty()) return;
    FlowItem item;
    item.text = text;
    item.textFont = PageFont(points, bold);
    items.push_back(std::move(item));
  };
  add(Plain(printed.title), TitlePoints, true);
  if (solution) {
    add(page_text::Solution, AuthorPoints, true);
  } else {
    add(Plain(printed.author), AuthorPoints, false);
    add(Plain(printed.copyright), CopyrightPoints, false);
  }
  return items;
}

// Each clue with its number hanging left of it, right-aligned a little way
// before the text, so that a reader (and a text extractor) takes each
// number with its clue.
std::vector<FlowItem> ClueItems(const PrintedPuzzle& printed, double points, QPaintDevice* device) {
  const QFont text = PageFont(points);
  const QFont bold = PageFont(points, true);
  const QFontMetricsF numberMetrics(bold, device);
  double indent = 0;
  for (const ClueSection& section : printed.lists)
    for (const ClueLine& line : section.lines)
      indent = std::max(indent, numberMetrics.horizontalAdvance(Utf8(line.number)));
  const double numberGap = numberMetrics.horizontalAdvance(QLatin1Char(' ')) * 1.5;
  if (indent > 0) indent += numberGap;
  return ListItems(printed, points, device, [&](const ClueSection&, const ClueLine& line) {
    FlowItem item;
    if (!line.number.empty()) item.labels.push_back({Utf8(line.number), bold, indent - numberGap, true});
    item.text = ClueText(line);
    item.textFont = text;
    item.indent = indent;
    return item;
  });
}

// Below the lines, or at the top of the content when there are none.
double Below(const std::vector<PlacedLine>& lines, const Sheet& sheet) {
  return lines.empty() ? sheet.content.top() : Bottom(lines, sheet.content.top()) + sheet.Mm(GapMm);
}

Layout LayOutPuzzle(const PrintedPuzzle& printed, const Style& style, const Sheet& sheet, QPaintDevice* device) {
  Layout layout;
  const QRectF content = sheet.content;
  const ColumnsOfPage whole = [content](int) { return std::vector<QRectF>{content}; };
  layout.lines = FlowInColumns(HeadingItems(printed, false), whole, device);
  const QRectF room(QPointF(content.left(), Below(layout.lines, sheet)), content.bottomRight());
  const PlacedPageGrid placed = FitPageGrid(printed.puzzle, sheet.Mm(style.maxSquareMm), room, sheet.Point());
  layout.grid = placed.corner;
  layout.scale = placed.scale;
  const QRectF grid = PageGridBounds(printed.puzzle, layout.grid, layout.scale);

  const double line = QFontMetricsF(PageFont(style.textPoints), device).lineSpacing();
  const std::vector<QRectF> full = Columns(content, sheet.Mm(MinColumnMm), MaxColumns, sheet);
  const std::vector<QRectF> first = ColumnsAroundGrid(full, grid, line, sheet);
  const ColumnsOfPage pages = [&](int page) { return page == 0 ? first : full; };
  for (PlacedLine& placed : FlowInColumns(ClueItems(printed, style.textPoints, device), pages, device)) {
    layout.pages = std::max(layout.pages, placed.page + 1);
    layout.lines.push_back(std::move(placed));
  }
  return layout;
}

void DrawLines(QPainter& painter, const std::vector<PlacedLine>& lines, int page) {
  painter.setPen(QColor(rgb::Black));
  DrawPlacedLines(painter, lines, page);
}

}  // namespace

Paper PaperForLocale(const QLocale& locale) {
  if (locale.measurementSystem() == QLocale::ImperialUSSystem) return Paper::Letter;
  static constexpr QLocale::Territory LetterTerritories[] = {
      QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,     QLocale::Chile,
      QLocale::Colombia,     QLocale::Venezuela, QLocale::PuertoRico, QLocale::Philippines,
      QLocale::CostaRica,    QLocale::Guatemala, QLocale::Panama,     QLocale::DominicanRepublic,
      QLocale::ElSalvador,   QLocale::Nicaragua, QLocale::Honduras,   QLocale::Belize,
  };
  const QLocale::Territory territory = locale.territory();
  return std::find(std::begin(LetterTerritories), std::end(LetterTerritories), territory) != std::end(LetterTerritories)
             ? Paper::Letter
             : Paper::A4;
}

PageGeometry DrawPuzzlePages(QPagedPaintDevice& device, const PrintedPuzzle& printed, const PageOptions& options) {
  if (options.pages == PrintedPages::Submission) {
    PageGeometry refused;
    refused.refusal = SubmissionRefusal(printed.puzzle);
    return refused.refusal.empty() ? DrawSubmission(device, printed, options.barWidth) : refused;
  }
  const Sheet sheet = SheetOf(device);
  Layout layout = LayOutPuzzle(printed, Styles[0], sheet, &device);
  // The solution alone has the page to itself.
  for (const Style& style : std::span(Styles).subspan(1)) {
    if (layout.pages == 1 || options.pages == PrintedPages::SolutionOnly) break;
    Layout smaller = LayOutPuzzle(printed, style, sheet, &device);
    if (smaller.pages < layout.pages) layout = std::move(smaller);
  }

  QPainter painter;
  if (!painter.begin(&device)) return {};
  PageGeometry geometry;
  geometry.squarePoints = layout.scale.square / sheet.Point();
  int drawn = 0;
  const auto next = [&] {
    if (drawn++ > 0) device.newPage();
  };
  if (options.pages != PrintedPages::SolutionOnly) {
    for (int page = 0; page < layout.pages; ++page) {
      next();
      if (page == 0) DrawPageGrid(painter, printed, layout.grid, layout.scale, options.barWidth, false);
      DrawLines(painter, layout.lines, page);
    }
    geometry.cluePages = layout.pages;
    geometry.grid = InPoints(PageGridBounds(printed.puzzle, layout.grid, layout.scale), sheet);
  }
  if (options.pages != PrintedPages::Puzzle) {
    next();
    const ColumnsOfPage whole = [&sheet](int) { return std::vector<QRectF>{sheet.content}; };
    const std::vector<PlacedLine> lines = FlowInColumns(HeadingItems(printed, true), whole, &device);
    const QPointF corner(layout.grid.x(), Below(lines, sheet) + PageGridOverhang(layout.scale));
    DrawPageGrid(painter, printed, corner, layout.scale, options.barWidth, true);
    DrawLines(painter, lines, 0);
    geometry.solutionGrid = InPoints(PageGridBounds(printed.puzzle, corner, layout.scale), sheet);
  }
  painter.end();
  geometry.pages = drawn;
  return geometry;
}

std::string PuzzlePdf(const PrintedPuzzle& printed, Paper paper, const PageOptions& options, PageGeometry* geometry) {
  // Fine enough for hairlines and small numbers at any size.
  constexpr int PdfDpi = 1200;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::string();
  PageGeometry drawn;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(PdfDpi);
    writer.setPageSize(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setTitle(Plain(printed.title));
    writer.setCreator(QStringLiteral("KVEN3"));
    drawn = DrawPuzzlePages(writer, printed, options);
  }
  if (geometry != nullptr) *geometry = drawn;
  if (drawn.pages == 0) return std::string();
  return bytes.toStdString();
}

}  // namespace kven
