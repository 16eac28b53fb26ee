#include "formats/jpz_reader.h"

#include <cctype>
#include <optional>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/format_messages.h"
#include "formats/imported_diagram.h"
#include "formats/jpz_markup.h"
#include "formats/placed_clues.h"
#include "formats/zip_archive.h"
#include "text/blanks.h"

namespace kven {

namespace {

// A real .jpz is some tens of kilobytes.
constexpr std::size_t MaxJpzBytes = 16 * 1024 * 1024;

[[noreturn]] void Refuse(const std::string& reason) { throw ImportRefused(FileFormat::Jpz, reason); }

// An element's name without its namespace prefix.
std::string_view LocalName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view name) {
  for (const pugi::xml_node& child : node.children())
    if (child.type() == pugi::node_element && LocalName(child) == name) return child;
  return {};
}

bool IsJpzRoot(std::string_view name) {
  return name == "crossword-compiler-applet" || name == "crossword-compiler" || name == "rectangular-puzzle";
}

// A number of an attribute, or none for text that is not one.
std::optional<long> Whole(const char* text) {
  std::string_view s = text;
  if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  return std::stol(std::string(s));
}

// "3" or "1-5": the first and last of a run of squares.
bool ReadRange(const char* text, int& first, int& last) {
  const std::string_view s = text;
  const auto dash = s.find('-');
  const std::optional<long> a = Whole(std::string(s.substr(0, dash)).c_str());
  const std::optional<long> b = dash == std::string_view::npos ? a : Whole(std::string(s.substr(dash + 1)).c_str());
  if (!a || !b || *a < 1 || *b < 1 || *a > MaxSide || *b > MaxSide) return false;
  first = static_cast<int>(std::min(*a, *b));
  last = static_cast<int>(std::max(*a, *b));
  return true;
}

bool IsTrue(const pugi::xml_attribute& attribute) {
  const std::string_view value = attribute.value();
  return value == "true" || value == "1";
}

const char* KindName(std::string_view element) {
  if (element == "acrostic") return "an acrostic";
  if (element == "coded") return "a coded puzzle";
  if (element == "sudoku") return "a sudoku";
  if (element == "word-search") return "a word search";
  return nullptr;
}

// The puzzle element of the document: its crossword, or a refusal naming
// the kind it holds instead.
pugi::xml_node CrosswordOf(const pugi::xml_node& puzzle) {
  if (pugi::xml_node crossword = Child(puzzle, "crossword")) return crossword;
  for (const pugi::xml_node& child : puzzle.children()) {
    if (child.type() != pugi::node_element || LocalName(child) == "metadata" || LocalName(child) == "instructions")
      continue;
    const std::string_view name = LocalName(child);
    if (const char* kind = KindName(name)) Refuse(std::string("it is ") + kind + ", not a crossword");
    Refuse("it holds a puzzle of the kind \"" + std::string(name) + "\", not a crossword");
  }
  Refuse("it holds no crossword");
}

struct GridRead {
  SquareArray<std::int64_t> numbers;
  SquareArray<std::uint8_t> seen;
};

void ReadCell(const pugi::xml_node& cell, Import& result, GridRead& read) {
  Puzzle& p = result.puzzle;
  const std::optional<long> x = Whole(cell.attribute("x").value());
  const std::optional<long> y = Whole(cell.attribute("y").value());
  if (!x || !y || *x < 1 || *y < 1 || *x > p.HSquares || *y > p.VSquares) Refuse("a cell lies outside its grid");
  const int col = static_cast<int>(*x);
  const int row = static_cast<int>(*y);
  const std::string at = " at row " + std::to_string(row) + ", column " + std::to_string(col);
  if (read.seen(col, row) != 0) Refuse("two cells lie" + at);
  read.seen(col, row) = 1;
  const std::string_view type = cell.attribute("type").value();
  if (type == "void") Refuse("the square" + at + " is omitted (a void cell)");
  if (type == "clue") Refuse("the square" + at + " holds a clue");
  if (const std::optional<long> n = Whole(cell.attribute("number").value())) read.numbers(col, row) = *n;
  if (type == "block") {
    p.Blocks(col, row) = 1;
    return;
  }
  // A bar on the outer border means nothing.
  if (IsTrue(cell.attribute("top-bar")) && row > 1) p.HBars(col, row - 1) = 1;
  if (IsTrue(cell.attribute("bottom-bar")) && row < p.VSquares) p.HBars(col, row) = 1;
  if (IsTrue(cell.attribute("left-bar")) && col > 1) p.VBars(col - 1, row) = 1;
  if (IsTrue(cell.attribute("right-bar")) && col < p.HSquares) p.VBars(col, row) = 1;

  const std::string_view solution = cell.attribute("solution").value();
  if (solution.size() == 1 && std::isalpha(static_cast<unsigned char>(solution[0])) &&
      static_cast<unsigned char>(solution[0]) < 0x80) {
    p.Letters(col, row) = static_cast<char>(std::toupper(static_cast<unsigned char>(solution[0])));
    p.HasSolution = true;
  } else if (!solution.empty() && solution != " ") {
    ++result.solutionCellsLeftEmpty;
  }
  SquareStyle& style = result.styles(col, row);
  style.circled = std::string_view(cell.attribute("background-shape").value()) == "circle";
  if (const std::optional<std::uint32_t> colour = ParseRgbHex(cell.attribute("background-color").value());
      colour && *colour != 0xFFFFFF) {
    style.shaded = true;
    style.hasColour = true;
    style.colour = *colour;
  }
}

void ReadGrid(const pugi::xml_node& crossword, Import& result) {
  const pugi::xml_node grid = Child(crossword, "grid");
  if (!grid) Refuse("its crossword has no grid");
  const std::optional<long> width = Whole(grid.attribute("width").value());
  const std::optional<long> height = Whole(grid.attribute("height").value());
  if (!width || !height) Refuse("its grid's width and height are not whole numbers");
  if (*width < MinSide || *width > MaxSide || *height < MinSide || *height > MaxSide)
    Refuse("it is " + std::to_string(*width) + " x " + std::to_string(*height) + " squares; sizes must be 5 to 30");
  Puzzle& p = result.puzzle;
  p.HSquares = static_cast<int>(*width);
  p.VSquares = static_cast<int>(*height);
  NullView view;
  ResetPuzzle(p, view);
  GridRead read;
  for (const pugi::xml_node& cell : grid.children())
    if (cell.type() == pugi::node_element && LocalName(cell) == "cell") ReadCell(cell, result, read);
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (read.seen(col, row) == 0)
        Refuse("its grid has no cell at row " + std::to_string(row) + ", column " + std::to_string(col));
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (p.Blocks(col, row) != 0) result.styles(col, row) = SquareStyle{};
  SetKindByMarks(p);
  if (const std::optional<Square> wrong = TakeGivenNumbers(p, read.numbers))
    Refuse("the clue number at row " + std::to_string(wrong->row) + ", column " + std::to_string(wrong->col) +
           " is outside 0 to " + std::to_string(MaxHandNumber));
  p.Symmetry = StrongestSymmetry(p);
}

// The squares of each word by its id.
std::vector<std::pair<std::string, std::vector<Square>>> ReadWords(const pugi::xml_node& crossword) {
  std::vector<std::pair<std::string, std::vector<Square>>> words;
  for (const pugi::xml_node& word : crossword.children()) {
    if (word.type() != pugi::node_element || LocalName(word) != "word") continue;
    std::vector<Square> squares;
    const auto add = [&squares](const pugi::xml_node& node) {
      int x1 = 0, x2 = 0, y1 = 0, y2 = 0;
      if (!ReadRange(node.attribute("x").value(), x1, x2) || !ReadRange(node.attribute("y").value(), y1, y2)) return;
      for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2 && squares.size() < MaxSide * MaxSide; ++x) squares.push_back({x, y});
    };
    if (word.attribute("x")) add(word);
    for (const pugi::xml_node& cells : word.children())
      if (cells.type() == pugi::node_element && LocalName(cells) == "cells") add(cells);
    words.emplace_back(word.attribute("id").value(), std::move(squares));
  }
  return words;
}

// The entry whose squares are the word's, in order.
std::optional<DiagramEntry> EntryOfWord(const Puzzle& p, const std::vector<Square>& squares) {
  if (squares.size() < 2) return std::nullopt;
  const EntryDirection direction = squares[0].row == squares[1].row ? EntryDirection::Across : EntryDirection::Down;
  if (!InGrid(p, squares[0].col, squares[0].row)) return std::nullopt;
  const std::optional<DiagramEntry> entry = EntryAt(p, squares[0].col, squares[0].row, direction);
  if (!entry || EntrySquares(*entry) != squares) return std::nullopt;
  return entry;
}

// Across or Down by the heading of a list ("Across", "<b>Down</b>"); by the
// list's place when its heading says neither.
EntryDirection ListDirection(const pugi::xml_node& clues, int index) {
  std::string title = Child(clues, "title").text().get();
  for (const pugi::xml_node& node : Child(clues, "title").children()) title += node.text().get();
  for (char& c : title) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (title.find("down") != std::string::npos) return EntryDirection::Down;
  if (title.find("across") != std::string::npos) return EntryDirection::Across;
  return index == 0 ? EntryDirection::Across : EntryDirection::Down;
}

void ReadClues(const pugi::xml_node& crossword, Import& result) {
  const Puzzle& p = result.puzzle;
  const auto words = ReadWords(crossword);
  CluePlaces places(p);
  int index = 0;
  for (const pugi::xml_node& list : crossword.children()) {
    if (list.type() != pugi::node_element || LocalName(list) != "clues") continue;
    const EntryDirection listDirection = ListDirection(list, index++);
    for (const pugi::xml_node& item : list.children()) {
      if (item.type() != pugi::node_element || LocalName(item) != "clue") continue;
      Clue clue;
      clue.direction = listDirection;
      clue.text = MarkupOf(item);
      clue.enumeration = item.attribute("format").value();
      if (clue.text.empty() && clue.enumeration.empty()) continue;
      std::optional<DiagramEntry> entry;
      const std::string_view id = item.attribute("word").value();
      for (const auto& [wordId, squares] : words)
        if (wordId == id) entry = EntryOfWord(p, squares);
      if (entry && places.Take(KeyOf(*entry))) {
        clue.direction = entry->direction;
        clue.col = entry->col;
        clue.row = entry->row;
      } else {
        places.Place(clue, item.attribute("number").value());
      }
      result.clues.clues.push_back(std::move(clue));
    }
  }
}

void ReadMetadata(const pugi::xml_node& puzzle, Import& result) {
  const pugi::xml_node metadata = Child(puzzle, "metadata");
  PuzzleFacts& facts = result.clues.facts;
  SetTitle(result.clues, result.puzzle, Child(metadata, "title").text().get());
  facts.author = Child(metadata, "creator").text().get();
  facts.copyright = Child(metadata, "copyright").text().get();
  facts.notes = MarkupOf(Child(metadata, "description"));
  facts.intro = MarkupOf(Child(puzzle, "instructions"));
}

Import ReadDocument(const pugi::xml_node& root) {
  const pugi::xml_node puzzle = LocalName(root) == "rectangular-puzzle" ? root : Child(root, "rectangular-puzzle");
  if (!puzzle) Refuse("it holds no rectangular puzzle");
  const pugi::xml_node crossword = CrosswordOf(puzzle);
  Import result;
  result.format = FileFormat::Jpz;
  ReadGrid(crossword, result);
  ReadMetadata(puzzle, result);
  ReadClues(crossword, result);
  result.outcome = ImportOutcome::Imported;
  return result;
}

// The first element of the text, with a crossword's name: so much tells a
// .jpz document from any other XML before it is parsed.
bool LooksLikeJpz(std::string_view text) {
  text = WithoutByteOrderMark(text);
  const auto start = text.find_first_not_of(Blanks);
  if (start == std::string_view::npos || text[start] != '<') return false;
  const std::string_view head = text.substr(0, 4096);
  return head.find("crossword-compiler") != std::string_view::npos ||
         head.find("rectangular-puzzle") != std::string_view::npos;
}

}  // namespace

Import ReadJpz(std::string_view text) {
  if (!LooksLikeJpz(text)) return Import{};
  return GuardedImport(FileFormat::Jpz, [text] {
    if (text.size() > MaxJpzBytes) Refuse("it is larger than 16 MiB");
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed)
      Refuse(std::string("it is not well-formed XML (") + parsed.description() + " at byte " +
             std::to_string(parsed.offset) + ")");
    const pugi::xml_node root = document.document_element();
    if (!IsJpzRoot(LocalName(root))) return Import{};
    return ReadDocument(root);
  });
}

Import ReadZippedJpz(std::string_view bytes) {
  if (!bytes.starts_with(std::string_view("PK\x03\x04", 4))) return Import{};
  const std::optional<std::string> inside = FirstFileOfZip(bytes, MaxJpzBytes);
  if (!inside) return Import{};
  return ReadJpz(*inside);
}

}  // namespace kven
