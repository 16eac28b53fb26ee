#include "render/text_flow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace kven {

namespace {

// A paragraph (or what is left of it) laid out to one width.
struct Laid {
  std::shared_ptr<QTextLayout> layout;
  double lineSpacing = 0;
  int Lines() const { return layout->lineCount(); }
  double Height(int lines) const { return lines * lineSpacing; }
};

// `hang` widens the first line to the left; `formats` (bold, say) are of
// the text laid out.
Laid LayOut(const QString& text, const QFont& font, double width, QPaintDevice* device, double hang = 0,
            const QList<QTextLayout::FormatRange>& formats = {}) {
  Laid laid;
  laid.layout = std::make_shared<QTextLayout>(text, font, device);
  laid.layout->setFormats(formats);
  laid.lineSpacing = QFontMetricsF(font, device).lineSpacing();
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  laid.layout->setTextOption(option);
  laid.layout->beginLayout();
  for (;;) {
    QTextLine line = laid.layout->createLine();
    if (!line.isValid()) break;
    const bool first = line.lineNumber() == 0;
    line.setLineWidth(std::max(width + (first ? hang : 0), 1.0));
    line.setPosition(QPointF(first ? -hang : 0, 0));
  }
  laid.layout->endLayout();
  return laid;
}

// The formats of an item's text from `start` on.
QList<QTextLayout::FormatRange> FormatsFrom(const FlowItem& item, qsizetype start) {
  QList<QTextLayout::FormatRange> formats;
  for (QTextLayout::FormatRange range : item.formats) {
    const qsizetype end = range.start + range.length;
    range.start = std::max(range.start - start, qsizetype(0));
    range.length = end - start - range.start;
    if (range.length > 0) formats.push_back(range);
  }
  return formats;
}

// Wider than any page: a label is never wrapped.
constexpr double OneLine = 1e6;

// A label laid out on one line, and where it stands from the column's left.
struct Label {
  Laid laid;
  double x = 0;
  bool alignRight = false;
  double width = 0;
  static Label Of(const FlowLabel& label, QPaintDevice* device) {
    Label out{LayOut(label.text, label.font, OneLine, device), label.x, label.alignRight, 0};
    if (out.laid.Lines() > 0) out.width = out.laid.layout->lineAt(0).naturalTextWidth();
    return out;
  }
  double Left() const { return alignRight ? x - width : x; }
  double Right() const { return alignRight ? x : x + width; }
};

// Walks the columns of the pages.
class ColumnCursor {
 public:
  explicit ColumnCursor(const ColumnsOfPage& columns) : columnsOf_(columns) { Enter(); }
  const QRectF& Column() const { return current_[index_]; }
  int Page() const { return page_; }
  double y = 0;
  bool AtTop() const { return y <= Column().top(); }
  // A column that a block too tall for it is skipped in: not a full page's.
  bool Shortened() const { return Column().height() < fullHeight_; }
  void Next() {
    if (++index_ >= current_.size()) {
      ++page_;
      index_ = 0;
      Enter();
    } else {
      y = Column().top();
    }
  }

 private:
  void Enter() {
    current_ = columnsOf_(page_);
    if (current_.empty()) current_ = {QRectF(0, 0, 1, 1)};
    for (const QRectF& column : current_) fullHeight_ = std::max(fullHeight_, column.height());
    y = Column().top();
  }
  const ColumnsOfPage& columnsOf_;
  std::vector<QRectF> current_;
  std::size_t index_ = 0;
  int page_ = 0;
  double fullHeight_ = 0;
};

}  // namespace

QRectF PlacedLine::Bounds() const {
  const QTextLine l = layout->lineAt(line);
  return QRectF(at + l.position(), QSizeF(l.naturalTextWidth(), l.height()));
}

std::vector<PlacedLine> FlowInColumns(const std::vector<FlowItem>& items, const ColumnsOfPage& columns,
                                      QPaintDevice* device) {
  std::vector<PlacedLine> placed;
  ColumnCursor cursor(columns);
  // Stops a block that fits no column from walking the pages for ever.
  constexpr int MaxTries = 1000;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const FlowItem& item = items[i];
    std::vector<Label> labels;
    bool labelsReachText = false;
    for (const FlowLabel& label : item.labels) {
      labels.push_back(Label::Of(label, device));
      labelsReachText = labelsReachText || labels.back().Right() > item.indent;
    }
    qsizetype start = 0;
    for (int tries = 0; tries < MaxTries; ++tries) {
      const QRectF column = cursor.Column();
      const Laid laid = LayOut(item.text.mid(start), item.textFont, column.width() - item.indent, device,
                               start == 0 ? item.hang : 0, FormatsFrom(item, start));
      const bool leads = cursor.AtTop() && !item.continued.isEmpty();
      const Laid heading = LayOut(leads ? item.continued : QString(), item.continuedFont, column.width(), device);
      const double headingHeight = leads ? heading.Height(heading.Lines()) : 0;
      const int drop = start == 0 && labelsReachText ? 1 : 0;
      const double gap = cursor.AtTop() && !leads ? 0 : item.spaceBefore;
      const double room = column.bottom() - cursor.y - headingHeight - gap;
      const int lines = std::max(laid.Lines(), 1);
      double needed = laid.Height((item.keepTogether ? lines : 1) + drop);
      if (item.keepWithNext && i + 1 < items.size()) {
        const FlowItem& next = items[i + 1];
        const Laid first = LayOut(next.text, next.textFont, column.width() - next.indent, device, next.hang);
        needed += next.spaceBefore + first.Height(next.keepTogether ? std::max(first.Lines(), 1) : 1);
      }
      if (needed > room && (!cursor.AtTop() || cursor.Shortened())) {
        cursor.Next();
        continue;
      }
      for (int l = 0; leads && l < heading.Lines(); ++l)
        placed.push_back({cursor.Page(), QPointF(column.left(), cursor.y + heading.Height(l)), heading.layout, l});
      cursor.y += headingHeight;
      const int fitting = item.keepTogether
                              ? lines
                              : std::clamp(static_cast<int>(room / laid.lineSpacing) - drop, 1, lines);
      const double top = cursor.y + gap;
      if (start == 0)
        for (const Label& label : labels)
          placed.push_back({cursor.Page(), QPointF(column.left() + label.Left(), top), label.laid.layout, 0});
      for (int l = 0; l < std::min(fitting, laid.Lines()); ++l)
        placed.push_back({cursor.Page(), QPointF(column.left() + item.indent, top + laid.Height(drop + l)),
                          laid.layout, l});
      cursor.y = top + laid.Height(drop + fitting);
      if (fitting >= laid.Lines()) break;
      start += laid.layout->lineAt(fitting).textStart();
      cursor.Next();
    }
  }
  return placed;
}

void DrawPlacedLines(QPainter& painter, const std::vector<PlacedLine>& lines, int page) {
  for (const PlacedLine& placed : lines)
    if (placed.page == page) placed.layout->lineAt(placed.line).draw(&painter, placed.at);
}

}  // namespace kven
