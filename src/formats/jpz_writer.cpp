#include "formats/jpz_writer.h"

#include <pugixml.hpp>
#include <sstream>
#include <vector>

#include "formats/format_messages.h"
#include "formats/jpz_markup.h"
#include "model/entries.h"

namespace kven {

namespace {

std::string Range(int first, int last) {
  return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

void AddText(pugi::xml_node parent, const char* name, const std::string& text) {
  if (!text.empty()) parent.append_child(name).text().set(text.c_str());
}

void AddMarkup(pugi::xml_node parent, const char* name, const std::string& markup) {
  if (markup.empty()) return;
  pugi::xml_node node = parent.append_child(name);
  AppendMarkup(node, markup);
}

void AddCell(pugi::xml_node grid, const Puzzle& d, const SquareStyles& styles, int col, int row) {
  pugi::xml_node cell = grid.append_child("cell");
  cell.append_attribute("x") = col;
  cell.append_attribute("y") = row;
  const std::int32_t number = IsNumbered(d) ? d.Numbers(col, row) : 0;
  if (d.Blocks(col, row) != 0) {
    cell.append_attribute("type") = "block";
    if (number > 0) cell.append_attribute("number") = number;
    return;
  }
  const char letter = d.Letters(col, row);
  if (letter >= 'A' && letter <= 'Z') cell.append_attribute("solution") = std::string(1, letter).c_str();
  if (number > 0) cell.append_attribute("number") = number;
  if (d.HBars(col, row) != 0) cell.append_attribute("bottom-bar") = "true";
  if (d.VBars(col, row) != 0) cell.append_attribute("right-bar") = "true";
  // A block cell carries no bars, so a bar that a block square holds goes
  // on the open square beyond it.
  if (row > 1 && d.Blocks(col, row - 1) != 0 && d.HBars(col, row - 1) != 0)
    cell.append_attribute("top-bar") = "true";
  if (col > 1 && d.Blocks(col - 1, row) != 0 && d.VBars(col - 1, row) != 0)
    cell.append_attribute("left-bar") = "true";
  const SquareStyle& style = styles(col, row);
  if (style.circled) cell.append_attribute("background-shape") = "circle";
  if (style.shaded) cell.append_attribute("background-color") = ("#" + RgbHex(ShadeColour(style))).c_str();
}

}  // namespace

std::string WriteJpz(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                     std::vector<std::string>& notes) {
  const Puzzle d = DrawnDiagram(p);
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  pugi::xml_node root = document.append_child("crossword-compiler");
  root.append_attribute("xmlns") = "http://crossword.info/xml/crossword-compiler";
  pugi::xml_node puzzle = root.append_child("rectangular-puzzle");
  puzzle.append_attribute("xmlns") = "http://crossword.info/xml/rectangular-puzzle";
  puzzle.append_attribute("alphabet") = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

  pugi::xml_node metadata = puzzle.append_child("metadata");
  AddText(metadata, "title", UnicodeTitle(clues, d));
  AddText(metadata, "creator", clues.facts.author);
  AddText(metadata, "copyright", clues.facts.copyright);
  AddMarkup(metadata, "description", clues.facts.notes);
  AddMarkup(puzzle, "instructions", clues.facts.intro);

  pugi::xml_node crossword = puzzle.append_child("crossword");
  pugi::xml_node grid = crossword.append_child("grid");
  grid.append_attribute("width") = d.HSquares;
  grid.append_attribute("height") = d.VSquares;
  grid.append_child("grid-look").append_attribute("numbering-scheme") = "normal";
  for (int row = 1; row <= d.VSquares; ++row)
    for (int col = 1; col <= d.HSquares; ++col) AddCell(grid, d, styles, col, row);

  const std::vector<DiagramEntry> entries = DiagramEntries(d);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const DiagramEntry& e = entries[i];
    const Square last = EntrySquare(e, e.length - 1);
    pugi::xml_node word = crossword.append_child("word");
    word.append_attribute("id") = static_cast<unsigned>(i + 1);
    word.append_attribute("x") = Range(e.col, last.col).c_str();
    word.append_attribute("y") = Range(e.row, last.row).c_str();
  }
  for (const EntryDirection direction : {EntryDirection::Across, EntryDirection::Down}) {
    pugi::xml_node list = crossword.append_child("clues");
    list.append_attribute("ordering") = "normal";
    list.append_child("title").append_child("b").text().set(direction == EntryDirection::Across ? "Across" : "Down");
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const DiagramEntry& e = entries[i];
      if (e.direction != direction) continue;
      pugi::xml_node clue = list.append_child("clue");
      clue.append_attribute("word") = static_cast<unsigned>(i + 1);
      if (const std::int32_t number = EntryNumber(d, e); number > 0) clue.append_attribute("number") = number;
      const std::optional<std::size_t> found = FindClue(clues, KeyOf(e));
      if (!found) continue;
      const Clue& kept = clues.clues[*found];
      if (!kept.enumeration.empty()) clue.append_attribute("format") = kept.enumeration.c_str();
      AppendMarkup(clue, kept.text);
    }
  }
  if (!CluesWithoutEntry(clues, d).empty() || !clues.otherLists.empty())
    notes.push_back(message::LeftOut(FileFormat::Jpz, "clues that stand on no entry of the diagram"));
  std::ostringstream out;
  document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

}  // namespace kven
