#include "publish/page_data.h"

#include <cstdio>
#include <string_view>

#include "clues/plain_text.h"
#include "formats/ipuz_clues.h"
#include "formats/json_layout.h"
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

// A clue's text as the page's tree and its enumeration, which the page
// shows once, as the lists and the printed pages do: an enumeration that
// ends the text is the clue's enumeration, taken off the text where it ends
// a run of plain text and left where markup holds it ("<i>(5)</i>");
// otherwise the one given, else the entry's length.
std::pair<Json, std::string> PageClue(const std::string& markup, const std::string& given, int length) {
  Json text = RichTextJson(markup);
  if (!FindEndingEnumeration(PlainText(markup))) {
    Clue clue;
    clue.enumeration = given;
    return {std::move(text), !given.empty() || length > 0 ? EnumerationText(&clue, length) : std::string()};
  }
  std::string enumeration;
  if (!text.empty() && text.back().is_string()) {
    std::string last = text.back().get<std::string>();
    if (const auto ending = FindEndingEnumeration(last)) {
      enumeration = last.substr(ending->open, ending->inside.size() + 2);
      last.resize(ending->open);
      while (last.ends_with(' ')) last.pop_back();
      if (last.empty()) text.erase(text.size() - 1);
      else text.back() = std::move(last);
    }
  }
  return {std::move(text), enumeration};
}

// One clue of another list, in any of the shapes ipuz allows.
Json OtherClue(const Clue& clue) {
  auto [text, enumeration] = PageClue(clue.text, clue.enumeration, 0);
  return Json{{"label", clue.label}, {"clue", std::move(text)}, {"enumeration", std::move(enumeration)}};
}

Json OtherLists(const PuzzleClues& clues) {
  Json lists = Json::array();
  for (const OtherClueList& list : clues.otherLists) {
    const nlohmann::json parsed = nlohmann::json::parse(list.json, nullptr, false);
    Json items = Json::array();
    if (parsed.is_array())
      for (const nlohmann::json& item : parsed)
        if (const std::optional<Clue> clue = ReadIpuzClue(item)) items.push_back(OtherClue(*clue));
    lists.push_back(Json{{"heading", ListHeading(list.key, list.key.substr(0, list.key.find(':')))},
                         {"clues", std::move(items)}});
  }
  return lists;
}

Json Entries(const Puzzle& p, const PuzzleClues& clues) {
  Json entries = Json::array();
  for (const DiagramEntry& entry : DiagramEntries(p)) {
    const auto index = FindClue(clues, KeyOf(entry));
    const Clue* clue = index ? &clues.clues[*index] : nullptr;
    auto [text, enumeration] = clue != nullptr ? PageClue(clue->text, clue->enumeration, entry.length)
                                               : PageClue(std::string(), std::string(), entry.length);
    entries.push_back(Json{{"direction", std::string(DirectionWord(entry.direction))},
                           {"col", entry.col},
                           {"row", entry.row},
                           {"length", entry.length},
                           {"label", EntryLabel(p, entry)},
                           {"clue", std::move(text)},
                           {"enumeration", std::move(enumeration)}});
  }
  return entries;
}

// Everything that names the puzzle without its letters.
std::string PuzzleId(const Json& data) {
  Json named = Json::object();
  for (const char* key : {"width", "height", "kind", "rows", "bars", "numbers", "title"}) named[key] = data[key];
  return Sha256Hex(CompactJson(named)).substr(0, 16);
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
  data["across"] = ListHeading(clues.acrossKey, "Across");
  data["down"] = ListHeading(clues.downKey, "Down");
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
