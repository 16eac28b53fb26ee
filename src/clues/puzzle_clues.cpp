#include "clues/puzzle_clues.h"

#include <algorithm>
#include <set>

#include "text/blanks.h"
#include "text/latin1.h"

namespace kven {

bool HasClueTexts(const PuzzleClues& clues) {
  return std::any_of(clues.clues.begin(), clues.clues.end(), [](const Clue& c) { return !c.text.empty(); });
}

std::string ListHeading(std::string_view key, std::string_view name) {
  const auto colon = key.find(':');
  return std::string(colon != std::string_view::npos && colon + 1 < key.size() ? key.substr(colon + 1) : name);
}

std::optional<std::size_t> FindClue(const PuzzleClues& clues, const EntryKey& key) {
  for (std::size_t i = 0; i < clues.clues.size(); ++i)
    if (clues.clues[i].HasSquare() && clues.clues[i].Key() == key) return i;
  return std::nullopt;
}

std::vector<std::size_t> CluesWithoutEntry(const PuzzleClues& clues, const Puzzle& p) {
  std::set<EntryKey> entries;
  for (const DiagramEntry& e : DiagramEntries(p)) entries.insert(KeyOf(e));
  std::set<EntryKey> taken;
  std::vector<std::size_t> aside;
  for (std::size_t i = 0; i < clues.clues.size(); ++i) {
    const Clue& c = clues.clues[i];
    if (c.HasSquare() && entries.contains(c.Key()) && taken.insert(c.Key()).second) continue;
    aside.push_back(i);
  }
  return aside;
}

std::size_t ClueFor(PuzzleClues& clues, const EntryKey& key) {
  if (const auto found = FindClue(clues, key)) return *found;
  Clue clue;
  clue.direction = key.direction;
  clue.col = key.col;
  clue.row = key.row;
  clues.clues.push_back(std::move(clue));
  return clues.clues.size() - 1;
}

namespace {

void DropIfEmpty(PuzzleClues& clues, std::size_t index) {
  const Clue& c = clues.clues[index];
  if (c.HasSquare() && c.text.empty() && c.enumeration.empty() && c.members.empty())
    clues.clues.erase(clues.clues.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace

void SetClueText(PuzzleClues& clues, std::size_t index, std::string text) {
  if (index >= clues.clues.size()) return;
  clues.clues[index].text = std::move(text);
  DropIfEmpty(clues, index);
}

void SetClueEnumeration(PuzzleClues& clues, std::size_t index, std::string_view enumeration) {
  if (index >= clues.clues.size()) return;
  enumeration = Trimmed(enumeration);
  if (enumeration.size() >= 2 && enumeration.front() == '(' && enumeration.back() == ')')
    enumeration = Trimmed(enumeration.substr(1, enumeration.size() - 2));
  clues.clues[index].enumeration = std::string(enumeration);
  DropIfEmpty(clues, index);
}

void DeleteClue(PuzzleClues& clues, std::size_t index) {
  if (index < clues.clues.size()) clues.clues.erase(clues.clues.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string EnumerationText(const Clue* clue, int length) {
  if (clue != nullptr && !clue->enumeration.empty()) {
    const std::string& e = clue->enumeration;
    // Some documents write the brackets themselves.
    return e.front() == '(' && e.back() == ')' ? e : "(" + e + ")";
  }
  return "(" + std::to_string(length) + ")";
}

namespace {

struct MarkBetweenWords {
  std::string_view written;
  char ascii;
};

// hyphen, en dash, em dash, left and right single quotation marks
constexpr MarkBetweenWords TypesetMarks[] = {{"\xE2\x80\x90", '-'}, {"\xE2\x80\x93", '-'}, {"\xE2\x80\x94", '-'},
                                             {"\xE2\x80\x98", '\''}, {"\xE2\x80\x99", '\''}};

// The mark between words at the start of `s`, with the character it is
// typed as; an empty `written` for none.
MarkBetweenWords MarkStarting(std::string_view s) {
  for (const MarkBetweenWords& mark : TypesetMarks)
    if (s.starts_with(mark.written)) return mark;
  if (!s.empty() && std::string_view(" ,-'./").find(s.front()) != std::string_view::npos) return {s.substr(0, 1), s.front()};
  return {};
}

struct CountedEnumeration {
  int letters = 0;
  std::string typed;  // as typed on a keyboard, without brackets: "3-4" for "(3\u20134)"
};

std::optional<CountedEnumeration> CountEnumeration(std::string_view enumeration) {
  std::string_view s = Trimmed(enumeration);
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') s = Trimmed(s.substr(1, s.size() - 2));
  constexpr int Saturated = 1'000'000;  // far past any entry, and no overflow
  CountedEnumeration counted;
  bool number = false;
  while (!s.empty()) {
    if (s.front() >= '0' && s.front() <= '9') {
      int word = 0;
      for (; !s.empty() && s.front() >= '0' && s.front() <= '9'; s.remove_prefix(1)) {
        word = std::min(word * 10 + (s.front() - '0'), Saturated);
        counted.typed += s.front();
      }
      counted.letters = std::min(counted.letters + word, Saturated);
      number = true;
    } else if (const MarkBetweenWords mark = MarkStarting(s); !mark.written.empty()) {
      counted.typed += mark.ascii;
      s.remove_prefix(mark.written.size());
    } else {
      return std::nullopt;
    }
  }
  if (!number) return std::nullopt;
  return counted;
}

}  // namespace

std::optional<int> EnumerationLetters(std::string_view enumeration) {
  const auto counted = CountEnumeration(enumeration);
  return counted ? std::optional<int>(counted->letters) : std::nullopt;
}

std::optional<EndingEnumeration> FindEndingEnumeration(std::string_view text) {
  while (text.ends_with(' ')) text.remove_suffix(1);
  if (!text.ends_with(')')) return std::nullopt;
  const std::size_t open = text.rfind('(');
  if (open == std::string_view::npos) return std::nullopt;
  const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
  int digits = 0;
  for (const char c : inside) {
    digits = c >= '0' && c <= '9' ? digits + 1 : 0;
    if (digits > 2) return std::nullopt;
  }
  const std::optional<int> letters = EnumerationLetters(inside);
  if (!letters) return std::nullopt;
  return EndingEnumeration{open, inside, *letters};
}

std::string EnumerationMisfit(const Clue& clue, int length) {
  if (clue.members.find("\"continued\"") != std::string::npos || clue.members.find("\"see\"") != std::string::npos)
    return {};
  const auto counted = CountEnumeration(clue.enumeration);
  if (!counted || counted->letters == length) return {};
  return "has " + std::to_string(length) + (length == 1 ? " letter" : " letters") + " but its enumeration (" +
         counted->typed + ") counts " + std::to_string(counted->letters);
}

std::string ClueLabel(const Clue& clue, const Puzzle& p) {
  if (!clue.HasSquare()) return clue.label;
  return EntryLabel(EntryNumber(p, clue.col, clue.row), clue.col, clue.row);
}

std::string ClueName(const Clue& clue, const Puzzle& p) {
  const char* direction = clue.direction == EntryDirection::Across ? "Across" : "Down";
  const std::string label = ClueLabel(clue, p);
  return label.empty() ? std::string(direction) : label + " " + direction;
}

std::string SingleByteTitle(std::string_view utf8) {
  std::string latin1 = Utf8ToLatin1(utf8);
  for (char& c : latin1)
    if (c == '\r' || c == '\n') c = ' ';  // a KVEN title is one line
  std::string title;
  AppendShort(title, latin1);
  return title;
}

std::string UnicodeTitle(const PuzzleClues& clues, const Puzzle& p) {
  if (!clues.facts.title.empty() && SingleByteTitle(clues.facts.title) == p.Title) return clues.facts.title;
  return Latin1ToUtf8(p.Title);
}

void SetTitle(PuzzleClues& clues, Puzzle& p, std::string utf8) {
  p.Title = SingleByteTitle(utf8);
  clues.facts.title = std::move(utf8);
}

}  // namespace kven
