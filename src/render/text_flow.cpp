#include "render/text_flow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocumentFragment>
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

Laid LayOut(const QString& text, const QFont& font, double width, QPaintDevice* device) {
  Laid laid;
  laid.layout = std::make_shared<QTextLayout>(text, font, device);
  laid.lineSpacing = QFontMetricsF(font, device).lineSpacing();
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  laid.layout->setTextOption(option);
  laid.layout->beginLayout();
  for (;;) {
    QTextLine line = laid.layout->createLine();
    if (!line.isValid()) break;
    line.setLineWidth(std::max(width, 1.0));
    line.setPosition(QPointF(0, 0));
  }
  laid.layout->endLayout();
  return laid;
}

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

QString PlainText(const std::string& utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  // Only what looks like a tag or an entity makes the text markup: a lone
  // "<" or "&" in a clue is itself.
  static const QRegularExpression Markup(QStringLiteral("<[A-Za-z/!]|&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);"));
  if (text.contains(Markup)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
  // A paragraph of its own on paper: breaks inside a clue are only spaces.
  text.replace(QChar::LineSeparator, QLatin1Char(' '));
  text.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
  return text.simplified();
}

QRectF PlacedLine::Bounds() const {
  const QTextLine l = layout->lineAt(line);
  return QRectF(at, QSizeF(l.naturalTextWidth(), l.height()));
}

std::vector<PlacedLine> FlowInColumns(const std::vector<FlowItem>& items, const ColumnsOfPage& columns,
                                      QPaintDevice* device) {
  std::vector<PlacedLine> placed;
  ColumnCursor cursor(columns);
  // Stops a block that fits no column from walking the pages for ever.
  constexpr int MaxTries = 1000;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const FlowItem& item = items[i];
    qsizetype start = 0;
    for (int tries = 0; tries < MaxTries; ++tries) {
      const QRectF column = cursor.Column();
      const double textWidth = column.width() - item.indent;
      const Laid laid = LayOut(item.text.mid(start), item.textFont, textWidth, device);
      const double gap = cursor.AtTop() ? 0 : item.spaceBefore;
      const double room = column.bottom() - cursor.y - gap;
      const int lines = std::max(laid.Lines(), 1);
      double needed = laid.Height(item.keepTogether ? lines : 1);
      if (item.keepWithNext && i + 1 < items.size()) {
        const FlowItem& next = items[i + 1];
        const Laid first = LayOut(next.text, next.textFont, column.width() - next.indent, device);
        needed += next.spaceBefore + first.Height(next.keepTogether ? std::max(first.Lines(), 1) : 1);
      }
      if (needed > room && (!cursor.AtTop() || cursor.Shortened())) {
        cursor.Next();
        continue;
      }
      const int fitting =
          item.keepTogether ? lines : std::clamp(static_cast<int>(room / laid.lineSpacing), 1, lines);
      const double top = cursor.y + gap;
      if (!item.number.isEmpty() && start == 0) {
        const Laid number = LayOut(item.number, item.numberFont, column.width(), device);
        const double width = number.layout->lineAt(0).naturalTextWidth();
        placed.push_back({cursor.Page(), QPointF(column.left() + item.indent - item.numberGap - width, top),
                          number.layout, 0});
      }
      for (int l = 0; l < std::min(fitting, laid.Lines()); ++l)
        placed.push_back(
            {cursor.Page(), QPointF(column.left() + item.indent, top + l * laid.lineSpacing), laid.layout, l});
      cursor.y = top + laid.Height(fitting);
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
