#include "formats/puz_writer.h"

#include <algorithm>

#include "clues/plain_text.h"
#include "formats/format_messages.h"
#include "formats/imported_diagram.h"
#include "formats/markup_escape.h"
#include "formats/placed_clues.h"
#include "formats/puz_layout.h"
#include "text/latin1.h"
#include "text/utf8.h"

namespace kven {

namespace {

// A text as one string of the file: no NUL inside it, one line.
std::string OneString(std::string text) {
  std::string out;
  for (const char c : text) {
    if (c == '\0') continue;
    out += c == '\r' || c == '\n' ? ' ' : c;
  }
  return out;
}

void AppendSection(std::string& file, std::string_view name, std::string_view data) {
  file += name;
  std::string lengths(4, '\0');
  puz::WriteShort(lengths, 0, static_cast<std::uint16_t>(data.size()));
  puz::WriteShort(lengths, 2, puz::Checksum(data));
  file += lengths;
  file += data;
  file += '\0';
}

}  // namespace

std::string WritePuz(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                     std::vector<std::string>& notes) {
  const Puzzle d = GridNumbered(p);
  const int width = d.HSquares;
  const int height = d.VSquares;

  puz::Texts texts;
  texts.title = OneString(UnicodeTitle(clues, p));
  texts.author = OneString(clues.facts.author);
  texts.copyright = OneString(clues.facts.copyright);
  texts.notes = OneString(clues.facts.notes);
  bool markup = false;
  const std::vector<DiagramEntry> entries = puz::ClueOrder(d);
  for (const DiagramEntry& e : entries) {
    const std::optional<std::size_t> found = FindClue(clues, KeyOf(e));
    std::string text;
    if (found) {
      const Clue& clue = clues.clues[*found];
      const std::string plain = PlainText(clue.text);
      markup = markup || AsMarkup(plain) != clue.text;
      text = JoinEnumeration(plain, clue.enumeration);
    }
    texts.clues.push_back(OneString(std::move(text)));
  }
  if (!clues.facts.intro.empty()) notes.push_back(message::LeftOut(FileFormat::Puz, "the intro"));
  if (markup) notes.emplace_back(message::MarkupLeftOut);
  if (!CluesWithoutEntry(clues, d).empty() || !clues.otherLists.empty())
    notes.push_back(message::LeftOut(FileFormat::Puz, "clues that stand on no entry of the diagram"));

  bool latin1 = FitsLatin1(texts.title) && FitsLatin1(texts.author) && FitsLatin1(texts.copyright) &&
                FitsLatin1(texts.notes);
  for (const std::string& clue : texts.clues) latin1 = latin1 && FitsLatin1(clue);
  if (latin1) {
    for (std::string* text : {&texts.title, &texts.author, &texts.copyright, &texts.notes}) *text = Utf8ToLatin1(*text);
    for (std::string& clue : texts.clues) clue = Utf8ToLatin1(clue);
    // Latin-1 that happens to be UTF-8 as well is read as UTF-8 (so are older
    // files that hold it): such texts go out as what they would read as.
    std::string all = texts.title + texts.author + texts.copyright + texts.notes;
    for (const std::string& clue : texts.clues) all += clue;
    if (IsValidUtf8(all) && std::any_of(all.begin(), all.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
      latin1 = false;
      for (std::string* text : {&texts.title, &texts.author, &texts.copyright, &texts.notes}) *text = Latin1ToUtf8(*text);
      for (std::string& clue : texts.clues) clue = Latin1ToUtf8(clue);
    }
  }
  if (!latin1) {
    notes.emplace_back(message::PuzWrittenAsUnicode);
  }

  std::string file(puz::HeaderSize, '\0');
  file.replace(puz::MagicAt, puz::Magic.size(), puz::Magic);
  file.replace(puz::VersionAt, 4, latin1 ? std::string_view("1.3\0", 4) : std::string_view("2.0\0", 4));
  file[puz::WidthAt] = static_cast<char>(width);
  file[puz::HeightAt] = static_cast<char>(height);
  puz::WriteShort(file, puz::ClueCountAt, static_cast<std::uint16_t>(texts.clues.size()));
  puz::WriteShort(file, puz::PuzzleTypeAt, puz::NormalPuzzle);

  std::string solution;
  std::string grid;
  std::string circles;
  bool anyCircle = false;
  for (int row = 1; row <= height; ++row) {
    for (int col = 1; col <= width; ++col) {
      const bool block = d.Blocks(col, row) != 0;
      const char letter = d.Letters(col, row);
      solution += block ? puz::Block : letter >= 'A' && letter <= 'Z' ? letter : puz::EmptySquare;
      grid += block ? puz::Block : puz::EmptySquare;
      const bool circled = !block && styles(col, row).circled;
      anyCircle = anyCircle || circled;
      circles += static_cast<char>(circled ? puz::Circled : 0);
    }
  }

  const puz::Checksums sums = puz::ComputeChecksums(std::string_view(file).substr(puz::WidthAt, puz::CibSize),
                                                    solution, grid, texts, true);
  puz::WriteShort(file, 0, sums.file);
  puz::WriteShort(file, puz::CibChecksumAt, sums.cib);
  for (std::size_t i = 0; i < sums.masked.size(); ++i) file[puz::MaskedLowAt + i] = static_cast<char>(sums.masked[i]);

  file += solution;
  file += grid;
  for (const std::string* text : {&texts.title, &texts.author, &texts.copyright}) file += *text + '\0';
  for (const std::string& clue : texts.clues) file += clue + '\0';
  file += texts.notes + '\0';
  if (anyCircle) AppendSection(file, "GEXT", circles);
  return file;
}

}  // namespace kven
