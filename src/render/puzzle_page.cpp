#include "render/puzzle_page.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "render/canvas.h"
#include "render/puzzle_picture.h"
#include "render/text_flow.h"

namespace kven {

namespace {

constexpr QLatin1String AcrossHeading{"Across"};
constexpr QLatin1String DownHeading{"Down"};
constexpr QLatin1String SolutionHeading{"Solution"};
constexpr QLatin1String PageFamily{"Liberation Sans"};

// Sizes on paper, in millimetres and points.
constexpr double MarginMm = 15;
constexpr double HeadingGapMm = 4;  // between the heading and the grid, and below the grid
constexpr double ColumnGapMm = 6;
constexpr double MinColumnMm = 50;
constexpr int MaxColumns = 3;
constexpr double TitlePoints = 16;
constexpr double AuthorPoints = 11;
constexpr double CopyrightPoints = 9;
constexpr int BitmapSquarePixels = 32;  // a square of the bitmap picture
constexpr char NoLetter = '.';  // in Letters

// From the most generous to the tightest: the first whose clues fit beside
// and below the grid on one page is taken, else the first.
struct Style {
  double maxSquareMm;
  double textPoints;
};
constexpr Style Styles[] = {{7.0, 10}, {6.5, 9.5}, {6.0, 9}, {5.5, 8.5}, {5.0, 8}};

// Where every piece of the pages goes, in device pixels.
struct Layout {
  std::vector<PlacedLine> lines;  // heading, clues and notes of the puzzle pages
  int cluePages = 1;
  int scale = 1;  // device pixels to a pixel of the bitmap picture
  QPoint grid;    // top-left corner of the grid's outer lines
  std::vector<PlacedLine> solutionLines;
  QPoint solutionGrid;
};

// The paper and the part of it the device draws on.
struct Sheet {
  double dpi = 0;
  QPointF offset;  // the device's origin on the paper
  QRectF content;  // inside the margins, in device pixels
  double Mm(double mm) const { return mm * dpi / 25.4; }
};

Sheet SheetOf(QPagedPaintDevice& device) {
  Sheet sheet;
  sheet.dpi = device.logicalDpiY();
  const QPageLayout layout = device.pageLayout();
  const int dpi = static_cast<int>(sheet.dpi);
  const QRect paper = layout.fullRectPixels(dpi);
  sheet.offset = layout.paintRectPixels(dpi).topLeft() - paper.topLeft();
  const double margin = sheet.Mm(MarginMm);
  const QRectF inside = QRectF(paper).adjusted(margin, margin, -margin, -margin).translated(-sheet.offset);
  sheet.content = inside.intersected(QRectF(0, 0, device.width(), device.height()));
  return sheet;
}

QFont PageFont(double points, bool bold = false) {
  QFont font(PageFamily);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
  add(PlainText(printed.title), TitlePoints, true);
  if (solution) {
    add(SolutionHeading, AuthorPoints, true);
  } else {
    add(PlainText(printed.author), AuthorPoints, false);
    add(PlainText(printed.copyright), CopyrightPoints, false);
  }
  return items;
}

std::vector<FlowItem> ClueItems(const PrintedPuzzle& printed, double points, QPaintDevice* device) {
  const QFont text = PageFont(points);
  const QFont bold = PageFont(points, true);
  const double line = QFontMetricsF(text, device).lineSpacing();
  const QFontMetricsF numberMetrics(bold, device);
  double indent = 0;
  for (const auto* list : {&printed.across, &printed.down})
    for (const PrintedClue& clue : *list) indent = std::max(indent, numberMetrics.horizontalAdvance(FromUtf8(clue.number)));
  // Numbers stand right-aligned a little way before their texts, so that a
  // reader (and a text extractor) takes each number with its clue.
  const double numberGap = numberMetrics.horizontalAdvance(QLatin1Char(' ')) * 1.5;
  if (indent > 0) indent += numberGap;

  std::vector<FlowItem> items;
  const auto section = [&](QLatin1String heading, const std::vector<PrintedClue>& clues, double before) {
    if (clues.empty()) return;
    FlowItem head;
    head.text = heading;
    head.textFont = PageFont(points + 1, true);
    head.spaceBefore = before;
    head.keepWithNext = true;
    items.push_back(std::move(head));
    for (const PrintedClue& clue : clues) {
      FlowItem item;
      item.number = FromUtf8(clue.number);
      const QString body = PlainText(clue.text);
      const QString enumeration = PlainText(clue.enumeration);
      item.text = body.isEmpty() || enumeration.isEmpty() ? body + enumeration : body + QLatin1Char(' ') + enumeration;
      item.numberFont = bold;
      item.textFont = text;
      item.indent = indent;
      item.numberGap = numberGap;
      item.spaceBefore = line / 4;
      items.push_back(std::move(item));
    }
  };
  section(AcrossHeading, printed.across, 0);
  section(DownHeading, printed.down, line);
  bool first = true;
  for (const QString& paragraph : FromUtf8(printed.notes).split(QLatin1Char('\n'))) {
    FlowItem item;
    item.text = PlainText(paragraph.toStdString());
    if (item.text.isEmpty()) continue;
    item.textFont = text;
    item.spaceBefore = first ? line : line / 2;
    item.keepTogether = false;
    items.push_back(std::move(item));
    first = false;
  }
  return items;
}

// Side by side columns filling a band.
std::vector<QRectF> Columns(const QRectF& band, const Sheet& sheet) {
  const double gap = sheet.Mm(ColumnGapMm);
  const int count = std::clamp(static_cast<int>((band.width() + gap) / (sheet.Mm(MinColumnMm) + gap)), 1, MaxColumns);
  const double width = (band.width() - (count - 1) * gap) / count;
  std::vector<QRectF> columns;
  for (int i = 0; i < count; ++i) columns.emplace_back(band.left() + i * (width + gap), band.top(), width, band.height());
  return columns;
}

double Bottom(const std::vector<PlacedLine>& lines, double empty) {
  double bottom = empty;
  for (const PlacedLine& line : lines) bottom = std::max(bottom, line.Bounds().bottom());
  return bottom;
}

int Snap(double value, int step) { return static_cast<int>(std::ceil(value / step)) * step; }

QSize GridPixels(const Puzzle& p, int scale) {
  return QSize((BitmapSquarePixels * std::clamp(p.HSquares, 0, MaxSide) + 1) * scale,
               (BitmapSquarePixels * std::clamp(p.VSquares, 0, MaxSide) + 1) * scale);
}

Layout LayOutPages(const PrintedPuzzle& printed, const Style& style, const Sheet& sheet, QPaintDevice* device,
                   bool solution) {
  Layout layout;
  const QRectF content = sheet.content;
  const ColumnsOfPage whole = [content](int) { return std::vector<QRectF>{content}; };
  layout.lines = FlowInColumns(HeadingItems(printed, false), whole, device);
  const double headingBottom = Bottom(layout.lines, content.top());
  const double gap = sheet.Mm(HeadingGapMm);

  const int columns = std::clamp(printed.puzzle.HSquares, 1, MaxSide);
  const int rows = std::clamp(printed.puzzle.VSquares, 1, MaxSide);
  const double square = std::min({sheet.Mm(style.maxSquareMm), (content.width() - 1) / columns,
                                  (content.bottom() - headingBottom - gap - 1) / rows});
  layout.scale = std::max(1, static_cast<int>(square / BitmapSquarePixels));
  layout.grid = QPoint(Snap(content.left(), layout.scale), Snap(headingBottom + gap, layout.scale));
  const QRectF grid(layout.grid, GridPixels(printed.puzzle, layout.scale));

  const std::vector<FlowItem> clues = ClueItems(printed, style.textPoints, device);
  const double line = QFontMetricsF(PageFont(style.textPoints), device).lineSpacing();
  // Beside a narrow grid the clues run down the whole page, and on under
  // the grid; under a wide one they fill the page's width.
  std::vector<QRectF> first;
  const double besideLeft = grid.right() + sheet.Mm(ColumnGapMm);
  const bool beside = content.right() - besideLeft >= sheet.Mm(MinColumnMm);
  if (beside) first = Columns(QRectF(QPointF(besideLeft, grid.top()), content.bottomRight()), sheet);
  const QRectF below(QPointF(content.left(), grid.bottom() + gap),
                     QPointF(beside ? grid.right() : content.right(), content.bottom()));
  if (below.height() >= line && below.width() >= sheet.Mm(MinColumnMm))
    for (const QRectF& column : Columns(below, sheet)) first.push_back(column);
  const std::vector<QRectF> later = Columns(content, sheet);
  const ColumnsOfPage pages = [&](int page) { return page == 0 ? first : later; };
  for (PlacedLine& placed : FlowInColumns(clues, pages, device)) {
    layout.cluePages = std::max(layout.cluePages, placed.page + 1);
    layout.lines.push_back(std::move(placed));
  }

  if (solution) {
    layout.solutionLines = FlowInColumns(HeadingItems(printed, true), whole, device);
    const double top = Bottom(layout.solutionLines, content.top()) + gap;
    layout.solutionGrid = QPoint(layout.grid.x(), Snap(top, layout.scale));
  }
  return layout;
}

// The grid as the bitmap picture draws it, scaled by whole device pixels,
// its top-left grid corner at `corner`; the picture's title row, left empty,
// lies above it.
void DrawGrid(Canvas& canvas, Puzzle puzzle, int barWidth, QPoint corner, int scale) {
  puzzle.Title.clear();
  canvas.Place(QTransform(scale, 0, 0, scale, corner.x(), corner.y() - BitmapSquarePixels * scale),
               PuzzleBitmapSize(puzzle));
  DrawPuzzlePicture(canvas, puzzle, barWidth, PictureTarget::Bitmap);
  canvas.Unplace();
}

void DrawText(Canvas& canvas, const std::vector<PlacedLine>& lines, int page) {
  QPainter& painter = canvas.Painter();
  painter.setPen(QColor(rgb::Black));
  DrawPlacedLines(painter, lines, page);
}

QRectF InPoints(const QRectF& r, const Sheet& sheet) {
  const double k = 72.0 / sheet.dpi;
  const QRectF paper = r.translated(sheet.offset);
  return QRectF(paper.left() * k, paper.top() * k, paper.width() * k, paper.height() * k);
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
  const Sheet sheet = SheetOf(device);
  Layout layout;
  bool fitted = false;
  for (const Style& style : Styles) {
    layout = LayOutPages(printed, style, sheet, &device, options.solution);
    if (layout.cluePages == 1) {
      fitted = true;
      break;
    }
  }
  if (!fitted) layout = LayOutPages(printed, Styles[0], sheet, &device, options.solution);

  Canvas canvas(static_cast<int>(sheet.dpi));
  if (!canvas.Begin(&device)) return {};
  Puzzle empty = printed.puzzle;
  empty.Letters.Fill(NoLetter);
  for (int page = 0; page < layout.cluePages; ++page) {
    if (page > 0) device.newPage();
    if (page == 0) DrawGrid(canvas, empty, options.barWidth, layout.grid, layout.scale);
    DrawText(canvas, layout.lines, page);
  }
  PageGeometry geometry;
  geometry.cluePages = layout.cluePages;
  geometry.pages = layout.cluePages;
  geometry.squarePoints = BitmapSquarePixels * layout.scale * 72.0 / sheet.dpi;
  geometry.grid = InPoints(QRectF(layout.grid, GridPixels(printed.puzzle, layout.scale)), sheet);
  if (options.solution) {
    device.newPage();
    DrawGrid(canvas, printed.puzzle, options.barWidth, layout.solutionGrid, layout.scale);
    DrawText(canvas, layout.solutionLines, 0);
    geometry.pages += 1;
    geometry.solutionGrid = InPoints(QRectF(layout.solutionGrid, GridPixels(printed.puzzle, layout.scale)), sheet);
  }
  canvas.End();
  return geometry;
}

std::string PuzzlePdf(const PrintedPuzzle& printed, Paper paper, const PageOptions& options, PageGeometry* geometry) {
  // Fine enough that the grid's pixels are whole device pixels at any size.
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
    writer.setTitle(PlainText(printed.title));
    writer.setCreator(QStringLiteral("KVEN3"));
    drawn = DrawPuzzlePages(writer, printed, options);
  }
  if (geometry != nullptr) *geometry = drawn;
  if (drawn.pages == 0) return std::string();
  return bytes.toStdString();
}

}  // namespace kven
