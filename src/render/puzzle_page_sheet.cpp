#include "render/puzzle_page_sheet.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <algorithm>

#include "clues/plain_text.h"
#include "render/puzzle_page_texts.h"

namespace kven::sheet {

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

QRectF InPoints(const QRectF& r, const Sheet& sheet) {
  const double k = 1 / sheet.Point();
  const QRectF paper = r.translated(sheet.offset);
  return QRectF(paper.left() * k, paper.top() * k, paper.width() * k, paper.height() * k);
}

std::vector<QRectF> Columns(const QRectF& band, double minWidth, int most, const Sheet& sheet) {
  const double gap = sheet.Mm(ColumnGapMm);
  const int count = std::clamp(static_cast<int>((band.width() + gap) / (minWidth + gap)), 1, most);
  const double width = (band.width() - (count - 1) * gap) / count;
  std::vector<QRectF> columns;
  for (int i = 0; i < count; ++i) columns.emplace_back(band.left() + i * (width + gap), band.top(), width, band.height());
  return columns;
}

std::vector<QRectF> ColumnsAroundGrid(const std::vector<QRectF>& columns, const QRectF& grid, double line,
                                      const Sheet& sheet) {
  std::vector<QRectF> around;
  for (const QRectF& column : columns) {
    const bool under = column.left() < grid.right() + sheet.Mm(ColumnGapMm) / 2;
    const double top = under ? grid.bottom() + sheet.Mm(GapMm) : grid.top();
    if (column.bottom() - top >= line) around.emplace_back(QPointF(column.left(), top), column.bottomRight());
  }
  return around;
}

QFont PageFont(double points, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Plain(const std::string& markup) { return Utf8(PlainText(markup)); }

QString ClueText(const ClueLine& line) {
  const QString body = Utf8(line.text);
  const QString enumeration = Utf8(line.enumeration);
  return body.isEmpty() || enumeration.isEmpty() ? body + enumeration : body + QLatin1Char(' ') + enumeration;
}

double Bottom(const std::vector<PlacedLine>& lines, double empty) {
  double bottom = empty;
  for (const PlacedLine& line : lines) bottom = std::max(bottom, line.Bounds().bottom());
  return bottom;
}

std::vector<FlowItem> ListItems(const PrintedPuzzle& printed, double points, QPaintDevice* device,
                                const ClueItem& clue) {
  const double line = QFontMetricsF(PageFont(points), device).lineSpacing();
  const QFont headingFont = PageFont(points, true);
  std::vector<FlowItem> items;
  for (const ClueSection& section : printed.lists) {
    if (section.lines.empty()) continue;
    FlowItem head;
    head.text = Utf8(section.heading);
    head.textFont = headingFont;
    head.spaceBefore = items.empty() ? 0 : line;
    head.keepWithNext = true;
    items.push_back(std::move(head));
    const QString continued = QString(page_text::Continued).arg(Utf8(section.heading));
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
      FlowItem item = clue(section, section.lines[i]);
      item.spaceBefore = line / 4;
      // Its first clue never leaves the heading.
      if (i > 0) {
        item.continued = continued;
        item.continuedFont = headingFont;
      }
      items.push_back(std::move(item));
    }
  }
  bool first = true;
  for (const QString& paragraph : Utf8(printed.notes).split(QLatin1Char('\n'))) {
    FlowItem item;
    item.text = Plain(paragraph.toStdString());
    if (item.text.isEmpty()) continue;
    item.textFont = PageFont(points);
    item.spaceBefore = first ? line : line / 2;
    item.keepTogether = false;
    items.push_back(std::move(item));
    first = false;
  }
  return items;
}

}  // namespace kven::sheet
