#include "publish/page_data.h"

#include <cstdio>
#include <string_view>

#include "model/entries.h"
#include "publish/digest.h"
#include "publish/rich_text.h"

namespace kven {

namespace {

using Json = nlohmann::ordered_json;

std::string ShadeText(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

// "Diagonal:Slants" is shown as "Slants", a plain key as itself.
std::string Heading(const std::string& key, std::string_view plain) {
  if (key.empty()) return std::string(plain);
  const auto colon = key.find(':');
  return colon == std::string::npos ? key : key.substr(colon + 1);
}

Json GridRows(const Puzzle& drawn, bool withLetters) {
  Json rows = Json::array();
  for (int row = 1; row <= drawn.VSquares; ++row) {
    std::string line;
    for (int col = 1; col <= drawn.HSquares; ++col)
      line += !IsOpenSquare(drawn, col, row) ? '#' : withLetters ? drawn.Letters(col, row) : '.';
    rows.push_back(std::move(line));
  }
  return rows;
}

std::string OpenLetters(const Puzzle& p) {
  std::string letters;
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (IsOpenSquare(p, col, row)) letters += p.Letters(col, row);
  return letters;
}

// One clue of another list, in any of the shapes ipuz allows: [number,
// "text"], {"number", "clue", "enumeration"}, or a bare text.
Json OtherClue(const Json& clue) {
  const auto text = [](const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number()) return value.dump();
    return std::string();
  };
  std::string label, markup, enumeration;
  if (clue.is_array()) {
    if (!clue.empty()) label = text(clue[0]);
    if (clue.size() > 1) markup = text(clue[1]);
  } else if (clue.is_object()) {
    if (clue.contains("number")) label = text(clue["number"]);
    if (clue.contains("clue")) markup = text(clue["clue"]);
    if (clue.contains("enumeration")) enumeration = text(clue["enumeration"]);
  } else {
    markup = text(clue);
  }
  if (!enumeration.empty()) enumeration = "(" + enumeration + ")";
  return Json{{"label", label}, {"clue", RichTextJson(markup)}, {"enumeration", enumeration}};
}

Json OtherLists(const PuzzleClues& clues) {
  Json lists = Json::array();
  for (const OtherClueList& list : clues.otherLists) {
    const Json parsed = Json::parse(list.json, nullptr, false);
    Json items = Json::array();
    if (parsed.is_array())
      for (const Json& clue : parsed) items.push_back(OtherClue(clue));
    lists.push_back(Json{{"heading", Heading(list.key, list.key)}, {"clues", std::move(items)}});
  }
  return lists;
}

Json Entries(const Puzzle& p, const PuzzleClues& clues) {
  Json entries = Json::array();
  for (const DiagramEntry& entry : DiagramEntries(p)) {
    const auto index = FindClue(clues, KeyOf(entry));
    const Clue* clue = index ? &clues.clues[*index] : nullptr;
    entries.push_back(Json{{"direction", std::string(DirectionWord(entry.direction))},
                           {"col", entry.col},
                           {"row", entry.row},
                           {"length", entry.length},
                           {"label", EntryLabel(p, entry)},
                           {"clue", RichTextJson(clue != nullptr ? clue->text : std::string())},
                           {"enumeration", EnumerationText(clue, entry.length)}});
  }
  return entries;
}

// Everything that names the puzzle without its letters.
std::string PuzzleId(const Json& data) {
  Json named = Json::object();
  for (const char* key : {"width", "height", "kind", "rows", "bars", "numbers", "title"}) named[key] = data[key];
  return Sha256Hex(named.dump()).substr(0, 16);
}

}  // namespace

bool HasFullSolution(const Puzzle& p) {
  return p.HasSolution && SquaresWithoutLetter(DrawnDiagram(p)) == 0;
}

std::string SolutionDigest(const std::string& id, const std::string& letters) {
  return Sha256Hex(id + ":" + letters);
}

Json PageData(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles, const WebPageOptions& options) {
  const Puzzle drawn = DrawnDiagram(p);
  Json data;
  data["id"] = "";
  data["width"] = drawn.HSquares;
  data["height"] = drawn.VSquares;
  data["kind"] = HasBarKind(DiagramKindOf(drawn)) ? "bars" : "blocks";
  data["rows"] = GridRows(drawn, false);
  Json right = Json::array(), below = Json::array(), numbers = Json::array();
  Json circled = Json::array(), shaded = Json::array();
  for (int row = 1; row <= drawn.VSquares; ++row)
    for (int col = 1; col <= drawn.HSquares; ++col) {
      if (drawn.VBars(col, row) != 0 && col < drawn.HSquares) right.push_back({col, row});
      if (drawn.HBars(col, row) != 0 && row < drawn.VSquares) below.push_back({col, row});
      if (!IsOpenSquare(drawn, col, row)) continue;
      if (IsNumbered(drawn) && drawn.Numbers(col, row) > 0) numbers.push_back({col, row, drawn.Numbers(col, row)});
      const SquareStyle& style = styles(col, row);
      if (style.circled) circled.push_back({col, row});
      if (style.shaded) shaded.push_back({col, row, ShadeText(ShadeColour(style))});
    }
  data["bars"] = Json{{"right", std::move(right)}, {"below", std::move(below)}};
  data["numbers"] = std::move(numbers);
  data["circled"] = std::move(circled);
  data["shaded"] = std::move(shaded);
  data["title"] = RichTextJson(UnicodeTitle(clues, p));
  data["author"] = RichTextJson(clues.facts.author);
  data["copyright"] = RichTextJson(clues.facts.copyright);
  data["notes"] = RichTextJson(clues.facts.notes);
  data["intro"] = RichTextJson(clues.facts.intro);
  data["across"] = Heading(clues.acrossKey, "Across");
  data["down"] = Heading(clues.downKey, "Down");
  data["entries"] = Entries(drawn, clues);
  data["lists"] = OtherLists(clues);
  data["id"] = PuzzleId(data);
  if (HasFullSolution(drawn)) {
    if (options.solution)
      data["solution"] = GridRows(drawn, true);
    else
      data["digest"] = SolutionDigest(data["id"].get<std::string>(), OpenLetters(drawn));
  }
  return data;
}

}  // namespace kven
