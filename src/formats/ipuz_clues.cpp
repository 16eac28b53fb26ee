#include "formats/ipuz_clues.h"

#include <map>
#include <set>

#include "formats/json_layout.h"
#include "formats/placed_clues.h"

namespace kven {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// The facts ipuz has a member for, the title aside.
constexpr std::pair<const char*, std::string PuzzleFacts::*> Facts[] = {
    {"author", &PuzzleFacts::author},
    {"copyright", &PuzzleFacts::copyright},
    {"notes", &PuzzleFacts::notes},
    {"intro", &PuzzleFacts::intro},
};


// Across or Down for "Across", "down", "Across:Heading"; none for other lists.
std::optional<EntryDirection> DirectionOfKey(std::string_view key) {
  std::string word(key.substr(0, key.find(':')));
  for (char& c : word) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (word == "across") return EntryDirection::Across;
  if (word == "down") return EntryDirection::Down;
  return std::nullopt;
}

const char* DirectionName(EntryDirection direction) { return direction == EntryDirection::Across ? "Across" : "Down"; }

std::string Label(const Json& number) {
  if (number.is_number_unsigned()) return std::to_string(number.get<std::uint64_t>());
  if (number.is_number_integer()) return std::to_string(number.get<std::int64_t>());
  if (number.is_string()) return number.get<std::string>();
  return {};
}

class ClueReader {
 public:
  explicit ClueReader(const Puzzle& p) : places_(p) {}

  void ReadList(const Json& list, EntryDirection direction, PuzzleClues& out) {
    for (const Json& item : list) {
      std::optional<Clue> clue = ReadIpuzClue(item);
      if (!clue) continue;
      // Our own writer puts an empty clue under every number.
      if (clue->text.empty() && clue->enumeration.empty() && clue->members.empty()) continue;
      clue->direction = direction;
      const std::string label = std::move(clue->label);
      clue->label.clear();
      Place(*clue, label);
      out.clues.push_back(std::move(*clue));
    }
  }

 private:
  void Place(Clue& clue, const std::string& label) { places_.Place(clue, label); }

  CluePlaces places_;
};

}  // namespace

std::optional<Clue> ReadIpuzClue(const Json& item) {
  Clue clue;
  if (item.is_array() && item.size() >= 2 && item[1].is_string()) {
    clue.label = Label(item[0]);
    clue.text = item[1].get<std::string>();
  } else if (item.is_object()) {
    Json members = item;
    if (const auto n = item.find("number"); n != item.end()) clue.label = Label(*n);
    if (const auto t = item.find("clue"); t != item.end() && t->is_string()) clue.text = t->get<std::string>();
    if (const auto e = item.find("enumeration"); e != item.end())
      clue.enumeration = e->is_string() ? e->get<std::string>() : e->is_number() ? CompactJson(*e) : std::string();
    for (const char* known : {"number", "clue", "enumeration"}) members.erase(known);
    if (!members.empty()) clue.members = CompactJson(members);
  } else if (item.is_string()) {
    clue.text = item.get<std::string>();
  } else {
    return std::nullopt;
  }
  return clue;
}

namespace {

void ReadUnplaced(const Json& list, PuzzleClues& out) {
  if (!list.is_array()) return;
  for (const Json& item : list) {
    if (!item.is_object()) continue;
    const auto direction = item.find("direction");
    const auto col = item.find("col");
    const auto row = item.find("row");
    if (direction == item.end() || !direction->is_string() || col == item.end() || !col->is_number_integer() ||
        row == item.end() || !row->is_number_integer())
      continue;
    const auto d = DirectionOfKey(direction->get<std::string>());
    const std::int64_t c = col->get<std::int64_t>();
    const std::int64_t r = row->get<std::int64_t>();
    if (!d || c < 1 || c > MaxSide || r < 1 || r > MaxSide) continue;
    Clue clue;
    clue.direction = *d;
    clue.col = static_cast<int>(c);
    clue.row = static_cast<int>(r);
    Json members = item;
    if (const auto t = item.find("clue"); t != item.end() && t->is_string()) clue.text = t->get<std::string>();
    if (const auto e = item.find("enumeration"); e != item.end() && e->is_string()) clue.enumeration = e->get<std::string>();
    for (const char* known : {"direction", "col", "row", "clue", "enumeration"}) members.erase(known);
    if (!members.empty()) clue.members = CompactJson(members);
    out.clues.push_back(std::move(clue));
  }
}

}  // namespace

PuzzleClues ReadIpuzClues(const Json& root, const Puzzle& p) {
  PuzzleClues out;
  if (!root.is_object()) return out;
  if (const auto title = root.find("title"); title != root.end() && title->is_string())
    out.facts.title = title->get<std::string>();
  for (const auto& [key, fact] : Facts)
    if (const auto value = root.find(key); value != root.end() && value->is_string())
      out.facts.*fact = value->get<std::string>();

  if (const auto lists = root.find("clues"); lists != root.end() && lists->is_object()) {
    ClueReader reader(p);
    bool across = false;
    bool down = false;
    for (const auto& [key, list] : lists->items()) {
      const auto direction = DirectionOfKey(key);
      bool& seen = direction == EntryDirection::Across ? across : down;
      if (!direction || seen || !list.is_array()) {
        out.otherLists.push_back({key, CompactJson(list)});
        continue;
      }
      seen = true;
      if (key != DirectionName(*direction)) (*direction == EntryDirection::Across ? out.acrossKey : out.downKey) = key;
      reader.ReadList(list, *direction, out);
    }
  }
  if (const auto unplaced = root.find(std::string(KvenIpuzClues)); unplaced != root.end()) ReadUnplaced(*unplaced, out);
  return out;
}

void WriteIpuzFacts(OrderedJson& doc, const PuzzleClues& clues) {
  for (const auto& [key, fact] : Facts)
    if (!(clues.facts.*fact).empty()) doc[key] = clues.facts.*fact;
}

namespace {

// Members kept from a document's clue object, back in place.
void AddMembers(OrderedJson& object, const std::string& members) {
  if (members.empty()) return;
  try {
    const OrderedJson kept = OrderedJson::parse(members);
    if (kept.is_object())
      for (const auto& [key, value] : kept.items()) object[key] = value;
  } catch (const OrderedJson::exception&) {
    // Only this program writes the text; a text it cannot read holds nothing to keep.
  }
}

OrderedJson LabelJson(const std::string& label) {
  // "007" stays text: as a number it would come back as "7".
  if (const auto n = LabelNumber(label); n && std::to_string(*n) == label) return *n;
  return label;
}

OrderedJson ClueJson(OrderedJson number, const Clue* clue) {
  if (clue == nullptr) return OrderedJson::array({number, ""});
  if (clue->enumeration.empty() && clue->members.empty()) return OrderedJson::array({number, clue->text});
  OrderedJson object = OrderedJson::object();
  object["number"] = std::move(number);
  object["clue"] = clue->text;
  if (!clue->enumeration.empty()) object["enumeration"] = clue->enumeration;
  AddMembers(object, clue->members);
  return object;
}

// Per direction, how many entries carry each number.
std::map<std::pair<EntryDirection, std::int32_t>, int> NumberUses(const Puzzle& d,
                                                                 const std::vector<DiagramEntry>& entries) {
  std::map<std::pair<EntryDirection, std::int32_t>, int> uses;
  if (!IsNumbered(d)) return uses;
  for (const DiagramEntry& e : entries) ++uses[{e.direction, d.Numbers(e.col, e.row)}];
  return uses;
}

// The keys of the entries whose clue the lists place by number: a number
// of their own, carried by no other entry of their direction.
std::set<EntryKey> PlacedByNumber(const Puzzle& d, const std::vector<DiagramEntry>& entries) {
  const auto uses = NumberUses(d, entries);
  std::set<EntryKey> placed;
  for (const DiagramEntry& e : entries) {
    const std::int32_t n = EntryNumber(d, e);
    if (n != 0 && uses.at({e.direction, n}) == 1) placed.insert(KeyOf(e));
  }
  return placed;
}

}  // namespace

OrderedJson IpuzClueLists(const Puzzle& d, const PuzzleClues& clues) {
  const std::vector<DiagramEntry> entries = DiagramEntries(d);
  const std::set<EntryKey> placed = PlacedByNumber(d, entries);
  OrderedJson lists = OrderedJson::object();
  for (const EntryDirection direction : {EntryDirection::Across, EntryDirection::Down}) {
    OrderedJson list = OrderedJson::array();
    for (const DiagramEntry& e : entries) {
      if (e.direction != direction) continue;
      const std::int32_t number = EntryNumber(d, e);
      if (number == 0) continue;
      const auto index = placed.contains(KeyOf(e)) ? FindClue(clues, KeyOf(e)) : std::nullopt;
      list.push_back(ClueJson(number, index ? &clues.clues[*index] : nullptr));
    }
    for (const Clue& clue : clues.clues) {
      if (clue.direction != direction || clue.HasSquare()) continue;
      if (clue.label.empty() && clue.enumeration.empty() && clue.members.empty())
        list.push_back(clue.text);
      else
        list.push_back(ClueJson(LabelJson(clue.label), &clue));
    }
    const std::string& key = direction == EntryDirection::Across ? clues.acrossKey : clues.downKey;
    lists[key.empty() ? DirectionName(direction) : key] = std::move(list);
  }
  for (const OtherClueList& other : clues.otherLists) {
    try {
      lists[other.key] = OrderedJson::parse(other.json);
    } catch (const OrderedJson::exception&) {
      // As above: a list this program wrote down is always JSON.
    }
  }
  return lists;
}

OrderedJson UnplacedIpuzClues(const Puzzle& d, const PuzzleClues& clues) {
  const std::vector<DiagramEntry> entries = DiagramEntries(d);
  const std::set<EntryKey> placed = PlacedByNumber(d, entries);
  std::set<EntryKey> written;
  OrderedJson list = OrderedJson::array();
  for (const Clue& clue : clues.clues) {
    if (!clue.HasSquare()) continue;
    // The first clue of a placed entry went into the lists.
    if (placed.contains(clue.Key()) && written.insert(clue.Key()).second) continue;
    OrderedJson object = OrderedJson::object();
    object["direction"] = DirectionName(clue.direction);
    object["col"] = clue.col;
    object["row"] = clue.row;
    object["clue"] = clue.text;
    if (!clue.enumeration.empty()) object["enumeration"] = clue.enumeration;
    AddMembers(object, clue.members);
    list.push_back(std::move(object));
  }
  return list;
}

}  // namespace kven
