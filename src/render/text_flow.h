#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPaintDevice;
class QPainter;

namespace kven {

// The plain text of a clue or a note as the reader sees it: markup such as
// <i> and <b> left out, entities (&amp;, &#233;) resolved, line breaks and
// runs of white space made single spaces.
QString PlainText(const std::string& utf8);

// A paragraph to set in columns: an optional number hanging left of the
// text, its right edge numberGap short of the text, the text wrapped beside
// it.
struct FlowItem {
  QString number;
  QString text;
  QFont numberFont;
  QFont textFont;
  double indent = 0;       // where the text starts, right of the number
  double numberGap = 0;
  double spaceBefore = 0;  // dropped at the top of a column
  bool keepTogether = true;
  bool keepWithNext = false;  // a heading stays with the first line after it
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
