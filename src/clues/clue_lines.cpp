#include "clues/clue_lines.h"

#include <map>
#include <optional>

#include "clues/plain_text.h"

namespace kven {

namespace {

// The letters of the entry, or "" while one of its squares has none.
std::string Answer(const Puzzle& p, const DiagramEntry& entry) {
  std::string letters;
  for (const Square& s : EntrySquares(entry)) {
    const char c = p.Letters(s.col, s.row);
    if (c < 'A' || c > 'Z') return std::string();
    letters += c;
  }
  return letters;
}

// Beyond the number of any square.
constexpr std::int32_t LargestLabelNumber = 99999;

// The numbers a label names, in order: "1-5" names 1 and 5.
std::vector<std::int32_t> LabelNumbers(std::string_view label) {
  std::vector<std::int32_t> numbers;
  std::int32_t n = -1;
  for (const char c : label) {
    if (c >= '0' && c <= '9') {
      n = std::max(n, 0) * 10 + (c - '0');
      if (n > LargestLabelNumber) return {};
    } else if (n >= 0) {
      numbers.push_back(n);
      n = -1;
    }
  }
  if (n >= 0) numbers.push_back(n);
  return numbers;
}

const char* DirectionName(EntryDirection direction) { return direction == EntryDirection::Across ? "Across" : "Down"; }

struct Listed {
  DiagramEntry entry;
  ClueLine line;
  bool hasText = false;
};

class DirectionLists {
 public:
  DirectionLists(const PuzzleClues& clues, const Puzzle& p) : clues_(clues), p_(p) {
    for (const DiagramEntry& entry : DiagramEntries(p)) {
      const auto index = FindClue(clues, KeyOf(entry));
      const Clue* clue = index ? &clues.clues[*index] : nullptr;
      Listed listed{entry, ShownClue(clue, entry.length), clue != nullptr && !clue->text.empty()};
      const std::int32_t number = EntryNumber(p, entry);
      if (number != 0)
        listed.line.number = std::to_string(number);
      else
        listed.line.square = EntryLabel(0, entry.col, entry.row);
      listed.line.answer = Answer(p, entry);
      (entry.direction == EntryDirection::Across ? across_ : down_).push_back(std::move(listed));
    }
  }

  std::vector<ClueLine> Lines(EntryDirection direction) const {
    std::vector<ClueLine> lines;
    for (const Listed& listed : Of(direction)) lines.push_back(listed.line);
    return lines;
  }

  // Places the clues that stand on no entry: a linked clue in the place of
  // its first entry, the rest at the end of their direction's list.
  std::vector<ClueSection> Sections() {
    std::map<EntryDirection, std::vector<ClueLine>> aside;
    for (const std::size_t i : CluesWithoutEntry(clues_, p_)) {
      const Clue& clue = clues_.clues[i];
      ClueLine line = ShownClue(clue.text, clue.enumeration, 0);
      line.number = ClueLabel(clue, p_);
      if (!clue.HasSquare() && TakePlace(clue.direction, line)) continue;
      line.aside = true;
      aside[clue.direction].push_back(std::move(line));
    }
    std::vector<ClueSection> sections;
    for (const auto& [direction, key] : {std::pair{EntryDirection::Across, &clues_.acrossKey},
                                         std::pair{EntryDirection::Down, &clues_.downKey}}) {
      ClueSection section{DirectionName(direction), ListHeading(*key, DirectionName(direction)), Lines(direction)};
      for (ClueLine& line : aside[direction]) section.lines.push_back(std::move(line));
      sections.push_back(std::move(section));
    }
    return sections;
  }

 private:
  std::vector<Listed>& Of(EntryDirection direction) { return direction == EntryDirection::Across ? across_ : down_; }
  const std::vector<Listed>& Of(EntryDirection direction) const {
    return direction == EntryDirection::Across ? across_ : down_;
  }

  Listed* Numbered(EntryDirection direction, std::int32_t number) {
    for (Listed& listed : Of(direction))
      if (EntryNumber(p_, listed.entry) == number) return &listed;
    return nullptr;
  }

  // The letters of the linked entries, each of the direction or, failing
  // that, of the other ("1-5" of 1 across and 5 down); "" unless all are known.
  std::string LinkedAnswer(EntryDirection direction, const std::vector<std::int32_t>& numbers) {
    const EntryDirection other = direction == EntryDirection::Across ? EntryDirection::Down : EntryDirection::Across;
    std::string answer;
    for (const std::int32_t n : numbers) {
      const Listed* part = Numbered(direction, n);
      if (part == nullptr) part = Numbered(other, n);
      if (part == nullptr || part->line.answer.empty()) return std::string();
      answer += part->line.answer;
    }
    return answer;
  }

  bool TakePlace(EntryDirection direction, ClueLine& line) {
    const std::vector<std::int32_t> numbers = LabelNumbers(line.number);
    if (numbers.empty() || !IsNumbered(p_)) return false;
    Listed* first = Numbered(direction, numbers.front());
    if (first == nullptr || first->hasText) return false;
    line.answer = LinkedAnswer(direction, numbers);
    first->line = std::move(line);
    first->hasText = true;
    return true;
  }

  const PuzzleClues& clues_;
  const Puzzle& p_;
  std::vector<Listed> across_, down_;
};

std::string Joined(std::string name, const std::string& text, const std::string& enumeration) {
  std::string line = std::move(name) + ".";
  if (!text.empty()) line += " " + text;
  if (!enumeration.empty()) line += " " + enumeration;
  return line;
}

}  // namespace

ClueLine ShownClue(std::string_view markup, std::string_view enumeration, int length) {
  ClueLine line;
  line.text = PlainText(markup);
  if (const auto ending = FindEndingEnumeration(line.text)) {
    line.enumeration = line.text.substr(ending->open, ending->inside.size() + 2);
    line.text.resize(ending->open);
    if (line.text.ends_with(' ')) line.text.pop_back();  // the text has single blanks
    return line;
  }
  Clue given;
  given.enumeration = std::string(enumeration);
  if (!given.enumeration.empty() || length > 0) line.enumeration = EnumerationText(&given, length);
  return line;
}

std::vector<ClueLine> OrderedClues(const PuzzleClues& clues, const Puzzle& p, EntryDirection direction) {
  return DirectionLists(clues, p).Lines(direction);
}

std::vector<ClueSection> DirectionSections(const PuzzleClues& clues, const Puzzle& p) {
  return DirectionLists(clues, p).Sections();
}

TextLineList ClueTextLines(const std::vector<ClueSection>& sections) {
  TextLineList lines;
  TextLineList aside;
  for (const ClueSection& section : sections)
    for (const ClueLine& line : section.lines) {
      std::string text = Joined(line.Label().empty() ? section.name : line.Label() + " " + section.name, line.text,
                                line.enumeration);
      if (line.aside)
        aside.push_back("Without an entry: " + std::move(text));
      else
        lines.push_back(std::move(text));
    }
  for (std::string& line : aside) lines.push_back(std::move(line));
  return lines;
}

}  // namespace kven
