#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

namespace kven {

// A short text on the first line of an item, beside its text: a clue's
// number hanging left of it, an entry's name and answer.
struct FlowLabel {
  QString text;
  QFont font;
  double x = 0;  // from the column's left edge: where the label starts, or ends when alignRight
  bool alignRight = false;
};

// A paragraph to set in columns: its labels, and its text wrapped from
// `indent` to the column's right edge, its first line from `hang` further
// left. When a label reaches into the text, the text starts on the line
// below it.
struct FlowItem {
  std::vector<FlowLabel> labels;
  QString text;
  QFont textFont;
  double indent = 0;       // where the text starts
  double hang = 0;         // how far left of it its first line starts
  QList<QTextLayout::FormatRange> formats;  // of the text: an answer set in bold
  double spaceBefore = 0;  // dropped at the top of a column
  bool keepTogether = true;
  bool keepWithNext = false;  // a heading stays with the first line after it
  // The heading set first in any column that this item starts in, or goes
  // on in, other than where its list began: "Down (continued)".
  QString continued;
  QFont continuedFont;
};

// One line of text at its place on a page, ready to draw.
struct PlacedLine {
  int page = 0;
  QPointF at;  // top-left corner of the line
  std::shared_ptr<QTextLayout> layout;
  int line = 0;
  QRectF Bounds() const;
};

// Columns on a page, top to bottom and left to right in reading order;
// every page past the last one asked for has the columns of `page`.
using ColumnsOfPage = std::function<std::vector<QRectF>(int page)>;

// Sets the items one after another down the columns of the pages, moving to
// the next column (and page) when the next line does not fit. Lines are
// measured with the device's metrics.
std::vector<PlacedLine> FlowInColumns(const std::vector<FlowItem>& items, const ColumnsOfPage& columns,
                                      QPaintDevice* device);

// Draws the lines of one page.
void DrawPlacedLines(QPainter& painter, const std::vector<PlacedLine>& lines, int page);

}  // namespace kven
