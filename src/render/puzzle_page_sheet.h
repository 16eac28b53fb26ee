#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "render/printed_puzzle.h"
#include "render/text_flow.h"

class QPagedPaintDevice;
class QPaintDevice;

// What the puzzle's pages and its submission copy share: the paper, the
// fonts, the lists set as items to flow.
namespace kven::sheet {

// The paper and the part of it the device draws on, in device pixels.
struct Sheet {
  double dpi = 0;
  QPointF offset;  // the device's origin on the paper
  QRectF content;  // inside the margins
  double Mm(double mm) const { return mm * dpi / 25.4; }
  double Point() const { return dpi / 72; }
};

// Sizes on paper.
inline constexpr double MarginMm = 15;
inline constexpr double GapMm = 4;  // between the heading and the grid, and below the grid
inline constexpr double ColumnGapMm = 6;

Sheet SheetOf(QPagedPaintDevice& device);
// A rectangle of the device in points from the paper's top-left corner.
QRectF InPoints(const QRectF& r, const Sheet& sheet);

// Side by side columns of one width filling `band`: as many as are at
// least `minWidth` wide, at most `most`.
std::vector<QRectF> Columns(const QRectF& band, double minWidth, int most, const Sheet& sheet);
// The first page's columns in reading order, left to right: those under
// the grid start below it, those beside it at its top. A column without
// room for a `line` is left out.
std::vector<QRectF> ColumnsAroundGrid(const std::vector<QRectF>& columns, const QRectF& grid, double line,
                                      const Sheet& sheet);

// Liberation Sans, unhinted, so that a PDF reader sets it as measured.
QFont PageFont(double points, bool bold = false);
QString Utf8(const std::string& text);
// The plain text of a title or note, as every reader sees it.
QString Plain(const std::string& markup);

// A clue's text with its enumeration: "Hold tight (5)".
QString ClueText(const ClueLine& line);

// The lowest line's bottom; `empty` when there are none.
double Bottom(const std::vector<PlacedLine>& lines, double empty);

// A clue of a list as an item: its labels, text and indent.
using ClueItem = std::function<FlowItem(const ClueSection& section, const ClueLine& line)>;
// Every list that has clues, under its heading kept with its first clue,
// each clue from `clue` and led by "Heading (continued)" where its list
// goes on in another column; then the notes, a paragraph a line.
std::vector<FlowItem> ListItems(const PrintedPuzzle& printed, double points, QPaintDevice* device,
                                const ClueItem& clue);

}  // namespace kven::sheet
