#include "formats/xd_writer.h"

#include "formats/format_messages.h"
#include "formats/imported_diagram.h"
#include "formats/placed_clues.h"
#include "formats/xd_markup.h"

namespace kven {

namespace {

// A header's value on one line.
std::string OneLine(std::string_view text) {
  std::string line;
  for (const char c : text) line += c == '\r' || c == '\n' ? ' ' : c;
  return line;
}

void AddHeader(std::string& out, const char* key, std::string_view value) {
  if (!value.empty()) out += std::string(key) + ": " + OneLine(value) + "\n";
}

// The notes as the last section: no two blank lines in a row, which would
// start a section of their own.
std::string NotesSection(std::string_view notes) {
  std::string out;
  int breaks = 0;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const char c = notes[i];
    if (c == '\r') continue;
    if (c == '\n' && ++breaks > 2) continue;
    if (c != '\n') breaks = 0;
    // A line of the notes that starts as a heading does would start a
    // section; a blank before it keeps it a line of the notes.
    if ((i == 0 || notes[i - 1] == '\n') && notes.substr(i).starts_with("##")) out += ' ';
    out += c;
  }
  while (out.ends_with('\n')) out.pop_back();
  return out;
}

}  // namespace

std::string WriteXd(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                    std::vector<std::string>& notes) {
  const Puzzle d = GridNumbered(p);
  const bool circles = AnyCircled(styles, d.HSquares, d.VSquares);
  const bool shades = !circles && AnyShaded(styles, d.HSquares, d.VSquares);
  if (circles && AnyShaded(styles, d.HSquares, d.VSquares))
    notes.push_back(message::LeftOut(FileFormat::Xd, "shaded squares beside circled ones"));

  std::string out;
  // Readers tell an .xd file by its headers: the title is always there.
  out += "Title: " + OneLine(UnicodeTitle(clues, p)) + "\n";
  AddHeader(out, "Author", clues.facts.author);
  AddHeader(out, "Copyright", clues.facts.copyright);
  if (circles || shades) out += circles ? "Special: circle\n" : "Special: shaded\n";
  out += "\n\n";

  bool unmarked = false;
  for (int row = 1; row <= d.VSquares; ++row) {
    for (int col = 1; col <= d.HSquares; ++col) {
      const char letter = d.Letters(col, row);
      const bool marked = circles ? styles(col, row).circled : shades && styles(col, row).shaded;
      if (d.Blocks(col, row) != 0) {
        out += '#';
      } else if (letter >= 'A' && letter <= 'Z') {
        out += marked ? static_cast<char>(letter - 'A' + 'a') : letter;
      } else {
        out += '.';
        unmarked = unmarked || marked;
      }
    }
    out += '\n';
  }
  if (unmarked) notes.push_back(message::LeftOut(FileFormat::Xd, "circles or shades of squares without a letter"));

  std::string clueLines;
  for (const EntryDirection direction : {EntryDirection::Across, EntryDirection::Down}) {
    std::string list;
    for (const DiagramEntry& e : DiagramEntries(d)) {
      if (e.direction != direction) continue;
      const std::optional<std::size_t> found = FindClue(clues, KeyOf(e));
      // A line without a clue would read as one whose text is its answer.
      if (!found) continue;
      const Clue& clue = clues.clues[*found];
      const std::string text = JoinEnumeration(OneLine(XdFromMarkup(clue.text)), clue.enumeration);
      if (text.empty()) continue;
      std::string answer;
      for (const Square& s : EntrySquares(e)) {
        const char letter = d.Letters(s.col, s.row);
        answer += letter >= 'A' && letter <= 'Z' ? letter : '.';
      }
      list += std::string(direction == EntryDirection::Across ? "A" : "D") + std::to_string(EntryNumber(d, e)) + ". " +
              text + " ~ " + answer + "\n";
    }
    // A blank line parts the lists.
    if (!list.empty()) clueLines += (clueLines.empty() ? "" : "\n") + list;
  }
  if (!clueLines.empty()) out += "\n\n" + clueLines;
  // Without clue lines, notes parted by blank lines alone would read as the clues.
  if (const std::string section = NotesSection(clues.facts.notes); !section.empty())
    out += (clueLines.empty() ? "\n\n## Notes\n\n" : "\n\n") + section + "\n";
  if (!clues.facts.intro.empty()) notes.push_back(message::LeftOut(FileFormat::Xd, "the intro"));
  if (!CluesWithoutEntry(clues, d).empty() || !clues.otherLists.empty())
    notes.push_back(message::LeftOut(FileFormat::Xd, "clues that stand on no entry of the diagram"));
  return out;
}

}  // namespace kven
