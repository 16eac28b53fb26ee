#include "formats/ipuz_writer.h"

#include <nlohmann/json.hpp>

#include "formats/ipuz_clues.h"
#include "formats/json_layout.h"
#include "text/latin1.h"
#include "model/entries.h"

namespace kven {

namespace {

using Json = nlohmann::ordered_json;

const char* DiagramName(const Puzzle& p) {
  switch (DiagramKindOf(p)) {
    case DiagramKind::Bars: return "bars";
    case DiagramKind::Both: return "both";
    case DiagramKind::Blocks:
    case DiagramKind::None: break;
  }
  return "blocks";
}

const char* NumberingName(const Puzzle& p) {
  switch (NumberingKindOf(p)) {
    case NumberingKind::Manual: return "manual";
    case NumberingKind::Auto: return "automatic";
    case NumberingKind::None: break;
  }
  return "none";
}

// A block of a diagram of both kinds may carry a bar on its edge too.
Json PuzzleCell(const Puzzle& d, const SquareStyles& styles, int col, int row) {
  const bool block = d.Blocks(col, row) != 0;
  const Json number = block ? Json("#") : Json(EntryNumber(d, col, row));
  Json style = Json::object();
  std::string barred;
  if (d.HBars(col, row) != 0) barred += 'B';
  if (d.VBars(col, row) != 0) barred += 'R';
  if (!barred.empty()) style["barred"] = barred;
  const SquareStyle& square = block ? SquareStyle{} : styles(col, row);
  if (square.circled) style["shapebg"] = "circle";
  // A shade of the program's own grey is a highlight: the solver's program shades it its own way.
  if (square.shaded && square.hasColour) style["color"] = RgbHex(square.colour);
  else if (square.shaded) style["highlight"] = true;
  if (style.empty()) return number;
  return Json{{"cell", number}, {"style", std::move(style)}};
}

Json SolutionCell(const Puzzle& d, int col, int row) {
  if (d.Blocks(col, row) != 0) return "#";
  const char letter = d.Letters(col, row);
  if (letter >= 'A' && letter <= 'Z') return std::string(1, letter);
  if (letter == ' ') return "";
  return 0;
}

template <typename CellOf>
Json Grid(const Puzzle& d, CellOf cell) {
  Json rows = Json::array();
  for (int row = 1; row <= d.VSquares; ++row) {
    Json cells = Json::array();
    for (int col = 1; col <= d.HSquares; ++col) cells.push_back(cell(d, col, row));
    rows.push_back(std::move(cells));
  }
  return rows;
}

// A hand number on a block, which an ipuz block cannot carry.
Json BlockNumbers(const Puzzle& d) {
  Json list = Json::array();
  for (int row = 1; row <= d.VSquares; ++row)
    for (int col = 1; col <= d.HSquares; ++col)
      if (d.Blocks(col, row) != 0 && d.Numbers(col, row) != 0) list.push_back(Json::array({col, row, d.Numbers(col, row)}));
  return list;
}

}  // namespace

std::string WriteIpuz(const Puzzle& p) { return WriteIpuz(p, PuzzleClues{}); }

std::string WriteIpuz(const Puzzle& p, const PuzzleClues& clues) { return WriteIpuz(p, clues, SquareStyles{}); }

std::string WriteIpuz(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles) {
  const Puzzle d = DrawnDiagram(p);
  Json doc;
  doc["version"] = "http://ipuz.org/v2";
  doc["kind"] = Json::array({"http://ipuz.org/crossword#1"});
  doc["dimensions"] = Json{{"width", d.HSquares}, {"height", d.VSquares}};
  if (const std::string title = UnicodeTitle(clues, d); !title.empty()) doc["title"] = title;
  WriteIpuzFacts(doc, clues);
  doc["block"] = "#";
  doc["empty"] = 0;
  doc["puzzle"] = Grid(d, [&styles](const Puzzle& g, int col, int row) { return PuzzleCell(g, styles, col, row); });
  if (d.HasSolution) doc["solution"] = Grid(d, SolutionCell);
  // The numbers alone tell other programs which entries exist, even where
  // they number them differently, so every numbered entry is listed.
  if (Json lists = IpuzClueLists(d, clues); IsNumbered(d) || !clues.clues.empty() || !clues.otherLists.empty())
    doc["clues"] = std::move(lists);
  Json extension{{"diagram", DiagramName(d)}, {"symmetry", d.Symmetry}, {"numbering", NumberingName(d)}};
  if (d.ManualNumbered) {
    if (Json blockNumbers = BlockNumbers(d); !blockNumbers.empty()) extension["blockNumbers"] = std::move(blockNumbers);
  }
  doc[std::string(KvenIpuzExtension)] = std::move(extension);
  if (Json unplaced = UnplacedIpuzClues(d, clues); !unplaced.empty()) doc[std::string(KvenIpuzClues)] = std::move(unplaced);
  return LayOutJson(doc);
}

}  // namespace kven
