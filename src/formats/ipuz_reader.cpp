#include "formats/ipuz_reader.h"

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "editing/numbering.h"
#include "formats/ipuz_clues.h"
#include "formats/imported_diagram.h"
#include "formats/ipuz_document.h"
#include "formats/ipuz_writer.h"
#include "text/latin1.h"
#include "model/marks.h"

namespace kven {

namespace {

using Json = nlohmann::json;

class Refusal : public std::runtime_error {
 public:
  explicit Refusal(const std::string& reason) : std::runtime_error(IpuzRefusal(reason)) {}
};

[[noreturn]] void Refuse(const std::string& reason) { throw Refusal(reason); }

std::string At(int col, int row) { return "row " + std::to_string(row) + ", column " + std::to_string(col); }

// A member that is present and not null, or nullptr.
const Json* Member(const Json& object, const std::string& key) {
  const auto it = object.find(key);
  return it == object.end() || it->is_null() ? nullptr : &*it;
}

// Large enough to be refused as a hand number, small enough to compare
// without overflow.
constexpr std::int64_t HugeNumber = MaxHandNumber + 1;

std::int64_t WholeNumber(const Json& v) {
  if (v.is_number_unsigned()) return static_cast<std::int64_t>(std::min<std::uint64_t>(v.get<std::uint64_t>(), HugeNumber));
  return v.get<std::int64_t>();
}

// A clue number written as text: digits only.
bool ParseDigits(const std::string& s, std::int64_t& number) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
  number = 0;
  for (const char c : s) number = std::min(number * 10 + (c - '0'), HugeNumber);
  return true;
}

bool IsCrosswordKind(std::string_view uri) {
  for (std::string_view scheme : {"http://", "https://"}) {
    if (!uri.starts_with(scheme)) continue;
    std::string_view rest = uri.substr(scheme.size());
    if (!rest.starts_with("ipuz.org/crossword")) return false;
    rest.remove_prefix(std::string_view("ipuz.org/crossword").size());
    return rest.empty() || rest.front() == '#' || rest.front() == '/';
  }
  return false;
}

// The kinds are a list of URIs; some writers give the one kind as a string.
void CheckKind(const Json& root) {
  const Json* kind = Member(root, "kind");
  if (kind != nullptr && kind->is_string()) {
    if (IsCrosswordKind(kind->get_ref<const std::string&>())) return;
    Refuse("it is not a crossword");
  }
  if (kind == nullptr || !kind->is_array()) Refuse("its \"kind\" is not a list of puzzle kinds");
  for (const Json& k : *kind)
    if (k.is_string() && IsCrosswordKind(k.get_ref<const std::string&>())) return;
  Refuse("it is not a crossword");
}

struct Size {
  int width = 0;
  int height = 0;
};

Size ReadDimensions(const Json& root) {
  const Json* dimensions = Member(root, "dimensions");
  if (dimensions == nullptr || !dimensions->is_object()) Refuse("it has no \"dimensions\"");
  const Json* width = Member(*dimensions, "width");
  const Json* height = Member(*dimensions, "height");
  if (width == nullptr || height == nullptr || !width->is_number_integer() || !height->is_number_integer())
    Refuse("its width and height are not whole numbers");
  const std::int64_t w = WholeNumber(*width);
  const std::int64_t h = WholeNumber(*height);
  if (w < MinSide || w > MaxSide || h < MinSide || h > MaxSide)
    Refuse("it is " + width->dump() + " x " + height->dump() + " squares; sizes must be 5 to 30");
  return {static_cast<int>(w), static_cast<int>(h)};
}

// A table of `size.height` rows of `size.width` values under `key`.
const Json& ReadTable(const Json& root, const char* key, const Size& size) {
  const Json* table = Member(root, key);
  const std::string name = std::string("its \"") + key + "\"";
  if (table == nullptr || !table->is_array()) Refuse(name + " is not a list of rows");
  if (table->size() != static_cast<std::size_t>(size.height))
    Refuse(name + " has " + std::to_string(table->size()) + " rows, not " + std::to_string(size.height));
  for (std::size_t r = 0; r < table->size(); ++r) {
    const Json& row = (*table)[r];
    if (!row.is_array()) Refuse("row " + std::to_string(r + 1) + " of " + name + " is not a list");
    if (row.size() != static_cast<std::size_t>(size.width))
      Refuse("row " + std::to_string(r + 1) + " of " + name + " has " + std::to_string(row.size()) +
             " cells, not " + std::to_string(size.width));
  }
  return *table;
}

// The value that a document names with "block" or "empty", or the default.
Json MarkerValue(const Json& root, const char* key, Json fallback) {
  const Json* value = Member(root, key);
  if (value == nullptr) return fallback;
  if (!value->is_string() && !value->is_number()) Refuse(std::string("its \"") + key + "\" is neither text nor a number");
  return *value;
}

struct Cell {
  bool block = false;
  std::int64_t number = 0;
  std::string barred;
};

class CellReader {
 public:
  explicit CellReader(const Json& root)
      : block_(MarkerValue(root, "block", "#")), empty_(MarkerValue(root, "empty", 0)), styles_(Member(root, "styles")) {
    if (styles_ != nullptr && !styles_->is_object()) Refuse("its \"styles\" is not a set of named styles");
  }

  const Json& Empty() const { return empty_; }

  Cell Read(const Json& value, int col, int row) const {
    if (!value.is_object()) return ReadLabel(value, col, row);
    const auto inner = value.find("cell");
    Cell cell = inner == value.end() ? Cell{} : ReadLabel(*inner, col, row);
    cell.barred = Barred(value, col, row);
    return cell;
  }

  // The style of a cell object, given in place or by the name of one in
  // "styles"; nullptr for none.
  const Json* StyleOf(const Json& value) const {
    const Json* style = Member(value, "style");
    if (style != nullptr && style->is_string()) {
      style = styles_ != nullptr ? Member(*styles_, style->get_ref<const std::string&>()) : nullptr;
      if (style != nullptr && !style->is_object()) style = nullptr;
    }
    return style;
  }

 private:
  Cell ReadLabel(const Json& value, int col, int row) const {
    if (value.is_null()) Refuse("the square at " + At(col, row) + " is omitted (a null cell)");
    // The document's own values come first, so that "empty": "#" still works.
    Cell cell;
    if (value == block_) {
      cell.block = true;
    } else if (value == empty_) {
      // an open square without a number
    } else if (value == "#") {
      cell.block = true;
    } else if (value.is_number_integer()) {
      cell.number = WholeNumber(value);
    } else if (!value.is_string() || !ParseDigits(value.get_ref<const std::string&>(), cell.number)) {
      Refuse("the cell at " + At(col, row) + " is not a clue number, a block or an empty square");
    }
    return cell;
  }

  // A style is given in place or by the name of one in "styles". A name that
  // "styles" lacks gives a plain square rather than a refusal: the grid and
  // its numbers still read, and a style that was never defined shows nothing
  // in the writer's own program either.
  std::string Barred(const Json& value, int col, int row) const {
    const Json* style = StyleOf(value);
    if (style == nullptr) return {};
    if (!style->is_object()) Refuse("the style of the cell at " + At(col, row) + " is neither a style nor a name");
    const Json* barred = Member(*style, "barred");
    if (barred == nullptr) return {};
    if (!barred->is_string()) Refuse("the bars of the cell at " + At(col, row) + " are not given as letters");
    return barred->get<std::string>();
  }

  Json block_;
  Json empty_;
  const Json* styles_;
};

// The circle and shade of a square's style: "shapebg": "circle", a
// background "color" other than white, or "highlight".
SquareStyle StyleOfCell(const Json* style) {
  SquareStyle square;
  if (style == nullptr || !style->is_object()) return square;
  if (const Json* shape = Member(*style, "shapebg"); shape != nullptr && *shape == "circle") square.circled = true;
  if (const Json* highlight = Member(*style, "highlight"); highlight != nullptr && *highlight == true) square.shaded = true;
  if (const Json* colour = Member(*style, "color"); colour != nullptr) {
    const std::optional<std::uint32_t> rgb =
        colour->is_string() ? ParseRgbHex(colour->get_ref<const std::string&>()) : std::nullopt;
    if (!rgb) {
      square.shaded = square.shaded || colour->is_number();
    } else if (*rgb != 0xFFFFFF) {
      square.shaded = true;
      square.hasColour = true;
      square.colour = *rgb;
    }
  }
  return square;
}

// The circles and shades of the open squares.
void ReadStyles(const Json& root, const CellReader& reader, const Puzzle& p, SquareStyles& styles) {
  const Json& rows = *Member(root, "puzzle");
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const Json& value = rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
      if (p.Blocks(col, row) == 0 && value.is_object()) styles(col, row) = StyleOfCell(reader.StyleOf(value));
    }
  }
}

// Sets the bar on each side that `letters` names. A bar on the outer border
// means nothing to other programs and is dropped; a KVEN text may list one
// below the last row or right of the last column, and our own export keeps
// it (`border`).
void AddBars(Puzzle& p, int col, int row, const std::string& letters, bool border) {
  for (const char side : letters) {
    switch (side) {
      case 'T': case 't': if (row > 1) p.HBars(col, row - 1) = 1; break;
      case 'B': case 'b': if (border || row < p.VSquares) p.HBars(col, row) = 1; break;
      case 'L': case 'l': if (col > 1) p.VBars(col - 1, row) = 1; break;
      case 'R': case 'r': if (border || col < p.HSquares) p.VBars(col, row) = 1; break;
      default: break;
    }
  }
}

// Reads the diagram into p and leaves each open square's clue number in numbers.
void ReadDiagram(const Json& root, const CellReader& reader, Puzzle& p, SquareArray<std::int64_t>& numbers) {
  const Json& rows = ReadTable(root, "puzzle", {p.HSquares, p.VSquares});
  const Json* own = Member(root, std::string(KvenIpuzExtension));
  const bool border = own != nullptr && own->is_object();
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      const Cell cell = reader.Read(rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)], col, row);
      if (cell.block) p.Blocks(col, row) = 1;
      else numbers(col, row) = cell.number;
      AddBars(p, col, row, cell.barred, border);
    }
  }
  SetKindByMarks(p);
}

// The numbers our own export keeps for blocks, which an ipuz block cannot
// carry: [col, row, number] triples. A triple that names no block of the
// grid is passed over; a number out of range is refused with the others.
void ReadBlockNumbers(const Json& root, const Puzzle& p, SquareArray<std::int64_t>& numbers) {
  const Json* extension = Member(root, std::string(KvenIpuzExtension));
  const Json* list = extension != nullptr && extension->is_object() ? Member(*extension, "blockNumbers") : nullptr;
  if (list == nullptr || !list->is_array()) return;
  for (const Json& triple : *list) {
    if (!triple.is_array() || triple.size() != 3) continue;
    if (!triple[0].is_number_integer() || !triple[1].is_number_integer() || !triple[2].is_number_integer()) continue;
    const std::int64_t col = WholeNumber(triple[0]);
    const std::int64_t row = WholeNumber(triple[1]);
    if (col < 1 || col > p.HSquares || row < 1 || row > p.VSquares) continue;
    if (p.Blocks(static_cast<int>(col), static_cast<int>(row)) == 0) continue;
    numbers(static_cast<int>(col), static_cast<int>(row)) = WholeNumber(triple[2]);
  }
}

void ReadNumbering(Puzzle& p, const SquareArray<std::int64_t>& numbers) {
  if (const std::optional<Square> wrong = TakeGivenNumbers(p, numbers))
    Refuse("the clue number at " + At(wrong->col, wrong->row) + " is outside 0 to " + std::to_string(MaxHandNumber));
}

// The kind, symmetry and numbering our own export records, taken as
// recorded where the diagram bears them out: a bar diagram with no bar yet,
// a diagram of both kinds with marks of one kind or none, a symmetry its marks have, hand numbers that the automatic ones happen to
// equal or that are all 0, an automatic numbering that numbers nothing.
void ReadKvenExtension(const Json& root, Puzzle& p) {
  const Json* extension = Member(root, std::string(KvenIpuzExtension));
  if (extension == nullptr || !extension->is_object()) return;
  const Json* diagram = Member(*extension, "diagram");
  if (diagram != nullptr && *diagram == "bars" && !AnyMarkSet(p, Mark::Block)) SetDiagramKind(p, DiagramKind::Bars);
  if (diagram != nullptr && *diagram == "both") SetDiagramKind(p, DiagramKind::Both);
  if (const Json* symmetry = Member(*extension, "symmetry"); symmetry != nullptr && symmetry->is_number_integer()) {
    const std::int64_t order = WholeNumber(*symmetry);
    if (IsKnownSymmetry(static_cast<std::int32_t>(order)) && order == static_cast<std::int32_t>(order) &&
        HasAllPartners(p, static_cast<std::int32_t>(order)))
      p.Symmetry = static_cast<std::int32_t>(order);
  }
  const Json* numbering = Member(*extension, "numbering");
  if (numbering == nullptr) return;
  const bool numbered = IsNumbered(p);
  if (*numbering == "manual" && !p.ManualNumbered) {
    // As a KVEN text with an MN section reads: the numbers, no entry lists.
    p.AutoNumbered = false;
    p.ManualNumbered = true;
    p.AcrossNumbers.fill(0);
    p.DownNumbers.fill(0);
    p.AcrossCount = p.DownCount = 0;
  } else if (*numbering == "automatic" && !numbered) {
    // A diagram whose automatic numbering numbers no square.
    NullGridView view;
    AutoNumber(p, view);
  }
}

void ReadTitle(const Json& root, Puzzle& p) {
  const Json* title = Member(root, "title");
  if (title == nullptr) return;
  if (!title->is_string()) Refuse("its title is not text");
  p.Title = SingleByteTitle(title->get_ref<const std::string&>());
}

// The letter for an open square's solution value. `unreadable` is set for a
// value that is neither one letter nor empty.
char SolutionLetter(const Json& cell, const Json& empty, bool& unreadable) {
  const Json* value = &cell;
  if (cell.is_object()) {
    const auto it = cell.find("value");
    if (it == cell.end()) return '.';
    value = &*it;
  }
  if (value->is_string()) {
    const std::string& s = value->get_ref<const std::string&>();
    if (s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z') return s[0];
    if (s.size() == 1 && s[0] >= 'a' && s[0] <= 'z') return static_cast<char>(s[0] - 'a' + 'A');
    if (s.find_first_not_of(' ') == std::string::npos) return ' ';
  } else if (value->is_null() || *value == 0) {
    return '.';
  }
  if (*value == empty) return '.';
  unreadable = true;
  return '.';
}

int ReadSolution(const Json& root, const CellReader& reader, Puzzle& p) {
  if (Member(root, "solution") == nullptr) return 0;
  const Json& rows = ReadTable(root, "solution", {p.HSquares, p.VSquares});
  int leftEmpty = 0;
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      if (p.Blocks(col, row) != 0) continue;
      bool unreadable = false;
      p.Letters(col, row) = SolutionLetter(rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)],
                                           reader.Empty(), unreadable);
      if (unreadable) ++leftEmpty;
      // As a KVEN text reads: a solution is there once a square holds a
      // letter or the blank mark, not for a grid of empty squares.
      if (IsLetterOrBlank(p.Letters(col, row))) p.HasSolution = true;
    }
  }
  return leftEmpty;
}

Import ReadCrossword(const Json& root) {
  CheckKind(root);
  const Size size = ReadDimensions(root);
  const CellReader reader(root);

  Import result;
  Puzzle& p = result.puzzle;
  p.HSquares = size.width;
  p.VSquares = size.height;
  NullView view;
  ResetPuzzle(p, view);
  SquareArray<std::int64_t> numbers;
  ReadDiagram(root, reader, p, numbers);
  ReadBlockNumbers(root, p, numbers);
  ReadNumbering(p, numbers);
  p.Symmetry = StrongestSymmetry(p);
  ReadKvenExtension(root, p);
  ReadTitle(root, p);
  result.solutionCellsLeftEmpty = ReadSolution(root, reader, p);
  result.clues = ReadIpuzClues(root, p);
  ReadStyles(root, reader, p, result.styles);
  result.outcome = ImportOutcome::Imported;
  return result;
}

}  // namespace

Import ReadIpuz(std::string_view text) {
  Import result;
  try {
    const IpuzDocument document = FindIpuzDocument(text);
    switch (document.kind) {
      case IpuzDocument::Kind::None:
        return result;
      case IpuzDocument::Kind::Broken:
        result.outcome = ImportOutcome::Refused;
        result.message = document.refusal;
        return result;
      case IpuzDocument::Kind::Document:
        return ReadCrossword(document.json);
    }
  } catch (const Refusal& refusal) {
    result.message = refusal.what();
  } catch (const std::exception&) {
    // Every type is checked before it is read; this is the last line of defence.
    result.message = IpuzRefusal("it could not be read");
  }
  result.outcome = ImportOutcome::Refused;
  return result;
}

}  // namespace kven
