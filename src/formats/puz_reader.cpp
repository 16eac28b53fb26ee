#include "formats/puz_reader.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/format_messages.h"
#include "formats/imported_diagram.h"
#include "formats/markup_escape.h"
#include "formats/placed_clues.h"
#include "formats/puz_layout.h"
#include "text/latin1.h"
#include "text/utf8.h"

namespace kven {

namespace {

[[noreturn]] void Refuse(const std::string& reason) { throw ImportRefused(FileFormat::Puz, reason); }

// The NUL-ended strings after the grids, and where they end.
class StringReader {
 public:
  StringReader(std::string_view bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  // The next string; empty once the bytes run out, which `Ended` then tells.
  std::string_view Next() {
    if (at_ >= bytes_.size()) {
      ended_ = true;
      return {};
    }
    const std::size_t nul = bytes_.find('\0', at_);
    const std::size_t end = nul == std::string_view::npos ? bytes_.size() : nul;
    const std::string_view text = bytes_.substr(at_, end - at_);
    ended_ = ended_ || nul == std::string_view::npos;
    at_ = end + 1;
    return text;
  }
  bool Ended() const { return ended_; }
  std::size_t At() const { return std::min(at_, bytes_.size()); }

 private:
  std::string_view bytes_;
  std::size_t at_;
  bool ended_ = false;
};

// The extra sections by name, with whether each one's checksum agrees.
struct Section {
  std::string_view data;
  bool checksumAgrees = true;
};

std::map<std::string, Section> ReadSections(std::string_view bytes, std::size_t at) {
  std::map<std::string, Section> sections;
  while (at + 8 <= bytes.size()) {
    const std::string name(bytes.substr(at, 4));
    const std::uint16_t length = puz::ReadShort(bytes, at + 4);
    const std::uint16_t checksum = puz::ReadShort(bytes, at + 6);
    if (at + 8 + length > bytes.size()) break;
    const std::string_view data = bytes.substr(at + 8, length);
    sections.emplace(name, Section{data, puz::Checksum(data) == checksum});
    at += 8 + length + 1;
  }
  return sections;
}

// The rebus table "  0:HEART; 1:DIAMOND;": each key's answer.
std::map<int, std::string> ReadRebusTable(std::string_view table) {
  std::map<int, std::string> answers;
  std::size_t at = 0;
  while (at < table.size()) {
    const std::size_t colon = table.find(':', at);
    const std::size_t semicolon = table.find(';', colon == std::string_view::npos ? at : colon);
    if (colon == std::string_view::npos || semicolon == std::string_view::npos) break;
    std::string_view key = table.substr(at, colon - at);
    while (!key.empty() && key.front() == ' ') key.remove_prefix(1);
    if (const std::optional<std::int32_t> n = LabelNumber(key)) answers[*n] = std::string(table.substr(colon + 1, semicolon - colon - 1));
    at = semicolon + 1;
  }
  return answers;
}

// Whether the texts are UTF-8: from version 2.0 on, and in older files
// that hold UTF-8 all the same (a Latin-1 text is almost never valid UTF-8
// once it has a byte above 127).
bool TextsAreUtf8(std::string_view version, const puz::Texts& raw) {
  std::string all = raw.title + raw.author + raw.copyright + raw.notes;
  for (const std::string& clue : raw.clues) all += clue;
  if (!IsValidUtf8(all)) return false;
  if (version.starts_with('2')) return true;
  return std::any_of(all.begin(), all.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The letter of a solution byte, or '.' (counted) for one that is none; a
// '-' or blank is a square the file leaves without a letter.
char SolutionLetter(char c, int& leftEmpty) {
  if (c >= 'A' && c <= 'Z') return c;
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c != puz::EmptySquare && c != ' ') ++leftEmpty;
  return '.';
}

Import ReadPuzFile(std::string_view file) {
  const std::size_t magic = file.find(puz::Magic);
  Import result;
  result.format = FileFormat::Puz;
  if (magic == std::string_view::npos || magic < puz::MagicAt) return result;
  const std::string_view bytes = file.substr(magic - puz::MagicAt);
  if (bytes.size() < puz::HeaderSize) Refuse("it ends inside its header");

  const int width = static_cast<unsigned char>(bytes[puz::WidthAt]);
  const int height = static_cast<unsigned char>(bytes[puz::HeightAt]);
  if (width < MinSide || width > MaxSide || height < MinSide || height > MaxSide)
    Refuse("it is " + std::to_string(width) + " x " + std::to_string(height) + " squares; sizes must be 5 to 30");
  if ((puz::ReadShort(bytes, puz::PuzzleTypeAt) & puz::DiagramlessBit) != 0)
    Refuse("it is a diagramless puzzle, whose blocks the solver finds");
  const std::size_t squares = static_cast<std::size_t>(width * height);
  if (bytes.size() < puz::HeaderSize + 2 * squares) Refuse("it ends inside its grid");
  const std::string_view solution = bytes.substr(puz::HeaderSize, squares);
  const std::string_view grid = bytes.substr(puz::HeaderSize + squares, squares);
  const bool scrambled = puz::ReadShort(bytes, puz::ScrambledAt) != 0;
  const std::string_view version = bytes.substr(puz::VersionAt, 3);

  StringReader strings(bytes, puz::HeaderSize + 2 * squares);
  puz::Texts raw;
  raw.title = strings.Next();
  raw.author = strings.Next();
  raw.copyright = strings.Next();
  const int clueCount = puz::ReadShort(bytes, puz::ClueCountAt);
  for (int i = 0; i < clueCount && !strings.Ended(); ++i) raw.clues.emplace_back(strings.Next());
  raw.notes = strings.Next();
  const bool complete = !strings.Ended();
  const std::map<std::string, Section> sections = ReadSections(bytes, strings.At());

  // Notes belong to the checksum from version 1.3 on.
  const bool withNotes = version >= std::string_view("1.3");
  const puz::Checksums sums =
      puz::ComputeChecksums(bytes.substr(puz::WidthAt, puz::CibSize), solution, grid, raw, withNotes);
  bool agrees = sums.file == puz::ReadShort(bytes, 0) && sums.cib == puz::ReadShort(bytes, puz::CibChecksumAt);
  for (std::size_t i = 0; i < sums.masked.size(); ++i)
    agrees = agrees && sums.masked[i] == static_cast<std::uint8_t>(bytes[puz::MaskedLowAt + i]);
  for (const auto& [name, section] : sections) agrees = agrees && section.checksumAgrees;

  Puzzle& p = result.puzzle;
  p.HSquares = width;
  p.VSquares = height;
  NullView view;
  ResetPuzzle(p, view);
  const auto at = [width](int col, int row) { return static_cast<std::size_t>((row - 1) * width + (col - 1)); };
  for (int row = 1; row <= height; ++row)
    for (int col = 1; col <= width; ++col)
      if (solution[at(col, row)] == puz::Block) p.Blocks(col, row) = 1;
  SetDiagramKind(p, DiagramKind::Blocks);
  NumberByGrid(p);
  p.Symmetry = StrongestSymmetry(p);

  const auto rebus = sections.find("GRBS");
  const bool hasRebus = rebus != sections.end() && rebus->second.data.size() == squares;
  const auto table = sections.find("RTBL");
  const std::map<int, std::string> answers =
      table != sections.end() ? ReadRebusTable(table->second.data) : std::map<int, std::string>{};
  if (!scrambled) {
    for (int row = 1; row <= height; ++row) {
      for (int col = 1; col <= width; ++col) {
        if (p.Blocks(col, row) != 0) continue;
        const std::size_t i = at(col, row);
        const int key = hasRebus ? static_cast<unsigned char>(rebus->second.data[i]) : 0;
        if (key == 0) {
          p.Letters(col, row) = SolutionLetter(solution[i], result.solutionCellsLeftEmpty);
        } else {
          // A rebus of one letter is only that letter; any other is no letter of ours.
          const auto answer = answers.find(key - 1);
          if (answer != answers.end() && answer->second.size() == 1) p.Letters(col, row) = SolutionLetter(answer->second[0], result.solutionCellsLeftEmpty);
          else ++result.solutionCellsLeftEmpty;
        }
        p.HasSolution = p.HasSolution || IsLetterOrBlank(p.Letters(col, row));
      }
    }
  }

  const bool utf8 = TextsAreUtf8(version, raw);
  const auto text = [utf8](const std::string& s) { return utf8 ? s : Latin1ToUtf8(s); };
  PuzzleClues& clues = result.clues;
  SetTitle(clues, p, text(raw.title));
  clues.facts.author = text(raw.author);
  clues.facts.copyright = text(raw.copyright);
  clues.facts.notes = text(raw.notes);
  const std::vector<DiagramEntry> entries = puz::ClueOrder(p);
  for (std::size_t i = 0; i < entries.size() && i < raw.clues.size(); ++i) {
    if (raw.clues[i].find_first_not_of(' ') == std::string::npos) continue;
    const SplitClue split = SplitEnumeration(text(raw.clues[i]), entries[i].length);
    Clue clue;
    clue.direction = entries[i].direction;
    clue.col = entries[i].col;
    clue.row = entries[i].row;
    // A .puz clue is plain text: a "<" or "&" in it is that character.
    clue.text = AsMarkup(split.text);
    clue.enumeration = split.enumeration;
    clues.clues.push_back(std::move(clue));
  }

  if (const auto styles = sections.find("GEXT"); styles != sections.end() && styles->second.data.size() == squares)
    for (int row = 1; row <= height; ++row)
      for (int col = 1; col <= width; ++col)
        if (p.Blocks(col, row) == 0 && (static_cast<unsigned char>(styles->second.data[at(col, row)]) & puz::Circled) != 0)
          result.styles(col, row).circled = true;

  if (!agrees) result.notes.emplace_back(message::ChecksumsDisagree);
  if (scrambled) result.notes.emplace_back(message::SolutionLocked);
  if (!complete) result.notes.emplace_back(message::FileEndsEarly);
  if (complete && static_cast<std::size_t>(clueCount) != entries.size())
    result.notes.push_back(message::Format(
        message::ClueCountDiffers, std::to_string(clueCount) + " clues for " + std::to_string(entries.size()) + " entries"));
  result.outcome = ImportOutcome::Imported;
  return result;
}

}  // namespace

Import ReadPuz(std::string_view bytes) {
  return GuardedImport(FileFormat::Puz, [bytes] { return ReadPuzFile(bytes); });
}

}  // namespace kven
