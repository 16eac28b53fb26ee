#include "formats/xd_reader.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/format_messages.h"
#include "formats/imported_diagram.h"
#include "formats/placed_clues.h"
#include "formats/xd_markup.h"
#include "text/blanks.h"
#include "text/latin1.h"
#include "text/utf8.h"

namespace kven {

namespace {

// A real .xd file is a few kilobytes.
constexpr std::size_t MaxXdBytes = 4 * 1024 * 1024;

[[noreturn]] void Refuse(const std::string& reason) { throw ImportRefused(FileFormat::Xd, reason); }

// A line's blanks: its break is gone already.
std::string_view Trim(std::string_view s) { return Trimmed(s, " \t\r"); }

std::string Lower(std::string_view s) {
  std::string lower(s);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The UTF-8 characters of a line.
std::vector<std::string> Characters(std::string_view line) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < line.size();) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(line[i]);
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    characters.emplace_back(line.substr(i, std::min(length, line.size() - i)));
    i += length;
  }
  return characters;
}

struct Sections {
  std::vector<std::string_view> metadata, grid, clues, notes, design;
  bool headed = false;
};

// The sections of lines without headings: metadata, grid, clues and notes,
// parted by two blank lines or more.
void SplitByBlankLines(std::span<const std::string_view> lines, Sections& sections) {
  std::vector<std::vector<std::string_view>> parts(1);
  int blanks = 0;
  for (const std::string_view line : lines) {
    if (Trim(line).empty()) {
      ++blanks;
      continue;
    }
    if (blanks >= 2 && !parts.back().empty()) parts.emplace_back();
    else if (blanks == 1 && !parts.back().empty()) parts.back().push_back({});
    blanks = 0;
    parts.back().push_back(line);
  }
  // Without metadata the grid comes first: a line of a grid holds no ':'.
  std::size_t next = 0;
  if (!parts[0].empty() && Trim(parts[0][0]).find(':') != std::string_view::npos) sections.metadata = parts[next++];
  if (next < parts.size()) sections.grid = parts[next++];
  if (next < parts.size()) sections.clues = parts[next++];
  for (; next < parts.size(); ++next) sections.notes.insert(sections.notes.end(), parts[next].begin(), parts[next].end());
}

// The lines of each section: by the blank lines between them up to the
// first heading, then by headings.
Sections SplitSections(const std::vector<std::string_view>& lines) {
  Sections sections;
  std::size_t first = 0;
  // A heading starts its line; a line led by blanks is text.
  const auto heading = [](std::string_view line) { return line.starts_with("## "); };
  while (first < lines.size() && !heading(lines[first])) ++first;
  SplitByBlankLines(std::span(lines).first(first), sections);
  std::vector<std::string_view>* current = nullptr;
  for (std::size_t i = first; i < lines.size(); ++i) {
    if (!heading(lines[i])) {
      if (current != nullptr) current->push_back(lines[i]);
      continue;
    }
    sections.headed = true;
    const std::string name = Lower(Trim(lines[i].substr(3)));
    current = name == "metadata" ? &sections.metadata
              : name == "grid"   ? &sections.grid
              : name == "clues"  ? &sections.clues
              : name == "notes"  ? &sections.notes
              : name == "design" ? &sections.design
                                 : nullptr;
  }
  return sections;
}

// Whether lines are a grid: five rows or more of as many characters, with
// no blank among them.
bool LooksLikeGrid(const std::vector<std::string_view>& lines) {
  std::size_t rows = 0;
  std::size_t width = 0;
  for (const std::string_view line : lines) {
    const std::string_view row = Trim(line);
    if (row.empty()) continue;
    if (row.find_first_of(" \t") != std::string_view::npos) return false;
    const std::size_t length = Characters(row).size();
    if (rows++ == 0) width = length;
    else if (length != width) return false;
  }
  return rows >= MinSide && width >= MinSide;
}

// "A1. Clue text ~ ANSWER": its direction letter, number, text and answer.
struct ClueLine {
  char group = 0;
  std::string number;
  std::string text;
  std::string answer;
};

std::optional<ClueLine> ParseClueLine(std::string_view line) {
  line = Trim(line);
  if (line.size() < 4 || !std::isalpha(static_cast<unsigned char>(line[0]))) return std::nullopt;
  std::size_t i = 1;
  while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
  if (i == 1 || i + 1 >= line.size() || line[i] != '.' || line[i + 1] != ' ') return std::nullopt;
  const std::string_view rest = line.substr(i + 2);
  const auto tilde = rest.rfind(" ~ ");
  const auto bare = rest.ends_with(" ~") ? rest.size() - 2 : std::string_view::npos;
  const auto end = tilde != std::string_view::npos ? tilde : bare;
  if (end == std::string_view::npos) return std::nullopt;
  return ClueLine{static_cast<char>(std::toupper(static_cast<unsigned char>(line[0]))), std::string(line.substr(1, i - 1)),
                  std::string(Trim(rest.substr(0, end))), std::string(Trim(rest.substr(end + 2)))};
}

struct Metadata {
  std::map<std::string, std::string> values;  // by the key in lower case
  std::string Get(const std::string& key) const {
    const auto it = values.find(key);
    return it == values.end() ? std::string() : it->second;
  }
};

Metadata ReadMetadata(const std::vector<std::string_view>& lines) {
  Metadata metadata;
  bool comment = false;
  for (const std::string_view line : lines) {
    std::string_view text = Trim(line);
    // Some writers leave HTML comments among the headers.
    if (comment || text.starts_with("<!--")) {
      comment = text.find("-->") == std::string_view::npos;
      continue;
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) continue;
    metadata.values.emplace(Lower(Trim(text.substr(0, colon))), std::string(Trim(text.substr(colon + 1))));
  }
  return metadata;
}

// "1=HEART 2=DIAMOND" or "1=HEART,2=DIAMOND": each key's answer.
std::map<std::string, std::string> ReadRebus(std::string_view header) {
  std::map<std::string, std::string> answers;
  std::string item;
  const auto take = [&] {
    const auto equals = item.find('=');
    if (equals != std::string::npos && equals > 0) answers[item.substr(0, equals)] = item.substr(equals + 1);
    item.clear();
  };
  for (const char c : header) {
    if (c == ' ' || c == ',') take();
    else item += c;
  }
  take();
  return answers;
}

// What a Design section's style names for its squares.
struct DesignStyle {
  SquareStyle style;
  bool top = false, bottom = false, left = false, right = false;
};

std::map<std::string, DesignStyle> ReadDesignStyles(std::string_view css) {
  std::map<std::string, DesignStyle> styles;
  std::size_t at = 0;
  while (true) {
    const auto open = css.find('{', at);
    const auto close = css.find('}', open == std::string_view::npos ? at : open);
    if (open == std::string_view::npos || close == std::string_view::npos) break;
    const std::string name(Trim(css.substr(at, open - at)));
    DesignStyle design;
    std::string_view body = css.substr(open + 1, close - open - 1);
    while (!body.empty()) {
      const auto semicolon = body.find(';');
      const std::string_view declaration = body.substr(0, semicolon);
      body = semicolon == std::string_view::npos ? std::string_view() : body.substr(semicolon + 1);
      const auto colon = declaration.find(':');
      if (colon == std::string_view::npos) continue;
      const std::string property = Lower(Trim(declaration.substr(0, colon)));
      const std::string value = Lower(Trim(declaration.substr(colon + 1)));
      if (property == "background" && value == "circle") design.style.circled = true;
      if (property == "background-light" || property == "background-color") {
        design.style.shaded = true;
        if (const std::optional<std::uint32_t> colour = ParseRgbHex(value)) {
          design.style.hasColour = true;
          design.style.colour = *colour;
        }
      }
      const bool on = value == "true";
      if (property == "bar-top") design.top = on;
      if (property == "bar-bottom") design.bottom = on;
      if (property == "bar-left") design.left = on;
      if (property == "bar-right") design.right = on;
    }
    if (Characters(name).size() == 1) styles[name] = design;
    at = close + 1;
  }
  return styles;
}

void ReadDesign(const std::vector<std::string_view>& lines, Import& result) {
  std::string css;
  std::vector<std::string_view> grid;
  bool inStyle = false;
  for (const std::string_view line : lines) {
    std::string_view text = Trim(line);
    if (const auto start = text.find("<style>"); start != std::string_view::npos) {
      inStyle = true;
      text = text.substr(start + 7);
    }
    if (inStyle) {
      const auto end = text.find("</style>");
      css += std::string(text.substr(0, end)) + ' ';
      if (end != std::string_view::npos) inStyle = false;
    } else if (!text.empty()) {
      grid.push_back(text);
    }
  }
  const std::map<std::string, DesignStyle> styles = ReadDesignStyles(css);
  Puzzle& p = result.puzzle;
  for (int row = 1; row <= p.VSquares && row <= static_cast<int>(grid.size()); ++row) {
    const std::vector<std::string> marks = Characters(grid[static_cast<std::size_t>(row - 1)]);
    for (int col = 1; col <= p.HSquares && col <= static_cast<int>(marks.size()); ++col) {
      const auto it = styles.find(marks[static_cast<std::size_t>(col - 1)]);
      if (it == styles.end() || p.Blocks(col, row) != 0) continue;
      const DesignStyle& design = it->second;
      SquareStyle& style = result.styles(col, row);
      style.circled = style.circled || design.style.circled;
      if (design.style.shaded) {
        style.shaded = true;
        style.hasColour = design.style.hasColour;
        style.colour = design.style.colour;
      }
      if (design.top && row > 1) p.HBars(col, row - 1) = 1;
      if (design.bottom && row < p.VSquares) p.HBars(col, row) = 1;
      if (design.left && col > 1) p.VBars(col - 1, row) = 1;
      if (design.right && col < p.HSquares) p.VBars(col, row) = 1;
    }
  }
}

std::vector<ClueLine> ClueLines(const std::vector<std::string_view>& lines) {
  std::vector<ClueLine> clues;
  for (const std::string_view line : lines)
    if (const std::optional<ClueLine> clue = ParseClueLine(line); clue && (clue->group == 'A' || clue->group == 'D'))
      clues.push_back(*clue);
  return clues;
}

// How many of the clues' answers are as long as their entries, the entries
// numbered as the grid numbers them.
int AnswersThatFit(const Puzzle& p, const std::vector<ClueLine>& clues) {
  const std::vector<DiagramEntry> entries = DiagramEntries(p);
  std::vector<std::pair<int, int>> starts;  // [row, col] in reading order
  for (const DiagramEntry& e : entries) starts.emplace_back(e.row, e.col);
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  int fit = 0;
  for (const DiagramEntry& e : entries) {
    const auto number = std::lower_bound(starts.begin(), starts.end(), std::pair{e.row, e.col}) - starts.begin() + 1;
    for (const ClueLine& clue : clues)
      if ((clue.group == 'A') == (e.direction == EntryDirection::Across) && LabelNumber(clue.number) == number &&
          Characters(clue.answer).size() == static_cast<std::size_t>(e.length))
        ++fit;
  }
  return fit;
}

// The grid's squares, "." a block when dotBlocks, else a square without a letter.
void ReadGrid(const std::vector<std::string_view>& section, const Metadata& metadata, bool dotBlocks,
              Import& result) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string_view line : section)
    if (!Trim(line).empty()) rows.push_back(Characters(Trim(line)));
  if (rows.empty()) Refuse("it has no grid");
  const std::size_t width = rows[0].size();
  for (std::size_t r = 1; r < rows.size(); ++r)
    if (rows[r].size() != width)
      Refuse("row " + std::to_string(r + 1) + " of its grid has " + std::to_string(rows[r].size()) + " squares, not " +
             std::to_string(width));
  if (width < MinSide || width > MaxSide || rows.size() < MinSide || rows.size() > MaxSide)
    Refuse("it is " + std::to_string(width) + " x " + std::to_string(rows.size()) + " squares; sizes must be 5 to 30");

  const std::string special = Lower(metadata.Get("special"));
  const bool circles = special.starts_with("circle");
  const bool shades = special.starts_with("shade");
  const std::map<std::string, std::string> rebus = ReadRebus(metadata.Get("rebus"));

  Puzzle& p = result.puzzle;
  p.HSquares = static_cast<int>(width);
  p.VSquares = static_cast<int>(rows.size());
  NullView view;
  ResetPuzzle(p, view);
  for (int row = 1; row <= p.VSquares; ++row) {
    for (int col = 1; col <= p.HSquares; ++col) {
      std::string c = rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
      if (c == "_") Refuse("the square at row " + std::to_string(row) + ", column " + std::to_string(col) + " is omitted");
      if (c == "#" || (c == "." && dotBlocks)) {
        p.Blocks(col, row) = 1;
        continue;
      }
      const bool lower = c.size() == 1 && c[0] >= 'a' && c[0] <= 'z';
      if (lower && (circles || shades)) {
        result.styles(col, row).circled = circles;
        result.styles(col, row).shaded = shades;
      }
      if (const auto it = rebus.find(c); it != rebus.end()) c = it->second;
      if (c.size() == 1 && std::isalpha(static_cast<unsigned char>(c[0]))) {
        p.Letters(col, row) = static_cast<char>(std::toupper(static_cast<unsigned char>(c[0])));
        p.HasSolution = true;
      } else if (c != "." && c != " ") {
        ++result.solutionCellsLeftEmpty;
      }
    }
  }
}

void ReadClues(const std::vector<ClueLine>& lines, Import& result) {
  const Puzzle& p = result.puzzle;
  CluePlaces places(p);
  for (const ClueLine& line : lines) {
    const ClueLine* parsed = &line;
    Clue clue;
    clue.direction = parsed->group == 'A' ? EntryDirection::Across : EntryDirection::Down;
    places.Place(clue, parsed->number);
    std::string text = parsed->text;
    if (clue.HasSquare()) {
      const std::optional<DiagramEntry> entry = EntryAt(p, clue.col, clue.row, clue.direction);
      const SplitClue split = SplitEnumeration(text, entry ? entry->length : 0);
      text = split.text;
      clue.enumeration = split.enumeration;
    }
    clue.text = MarkupFromXd(text);
    if (clue.text.empty() && clue.enumeration.empty()) continue;
    result.clues.clues.push_back(std::move(clue));
  }
}

std::string JoinLines(const std::vector<std::string_view>& lines) {
  std::string text;
  for (const std::string_view line : lines) text += (text.empty() ? "" : "\n") + std::string(Trim(line));
  while (text.ends_with('\n')) text.pop_back();
  return text;
}

Import ReadDocument(const Sections& sections) {
  Import result;
  result.format = FileFormat::Xd;
  const Metadata metadata = ReadMetadata(sections.metadata);
  const std::vector<ClueLine> clues = ClueLines(sections.clues);
  const auto read = [&](bool dotBlocks) {
    Import squares;
    squares.format = FileFormat::Xd;
    ReadGrid(sections.grid, metadata, dotBlocks, squares);
    ReadDesign(sections.design, squares);
    return squares;
  };
  // Some writers mark blocks with "." where the .xd format has "#": in a grid
  // without "#", a "." is a block when more answers fit their entries so.
  result = read(false);
  bool hashBlocks = false;
  for (const std::string_view line : sections.grid) hashBlocks = hashBlocks || line.find('#') != std::string_view::npos;
  if (!hashBlocks) {
    Import dotted = read(true);
    if (AnswersThatFit(dotted.puzzle, clues) > AnswersThatFit(result.puzzle, clues)) result = std::move(dotted);
  }
  Puzzle& p = result.puzzle;
  SetKindByMarks(p);
  NumberByGrid(p);
  p.Symmetry = StrongestSymmetry(p);
  SetTitle(result.clues, p, metadata.Get("title"));
  result.clues.facts.author = metadata.Get("author");
  result.clues.facts.copyright = metadata.Get("copyright");
  result.clues.facts.notes = sections.notes.empty() ? metadata.Get("notes") : JoinLines(sections.notes);
  ReadClues(clues, result);
  result.outcome = ImportOutcome::Imported;
  return result;
}

}  // namespace

Import ReadXd(std::string_view text) {
  if (text.size() > MaxXdBytes) return Import{};
  const std::string utf8 = IsValidUtf8(text) ? std::string(text) : Latin1ToUtf8(text);
  const std::string_view body = WithoutByteOrderMark(utf8);
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at <= body.size();) {
    const auto end = body.find('\n', at);
    lines.push_back(body.substr(at, (end == std::string_view::npos ? body.size() : end) - at));
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  const Sections sections = SplitSections(lines);
  // Without headings, clue lines or a grid below the headers tell an .xd file from any other text.
  const bool recognised = (sections.headed && !sections.grid.empty()) || !ClueLines(sections.clues).empty() ||
                          (!sections.metadata.empty() && LooksLikeGrid(sections.grid));
  if (!recognised) return Import{};
  return GuardedImport(FileFormat::Xd, [&sections] { return ReadDocument(sections); });
}

}  // namespace kven
