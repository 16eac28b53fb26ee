#include "read_puzzle.h"

#include <nlohmann/json.hpp>

#include "formats/puzzle_text.h"
#include "text/latin1.h"

namespace kven::tool {

ReadOutcome ReadAsOpen(std::string text, Puzzle& p) {
  PuzzleClues clues;
  return ReadAsOpen(std::move(text), p, clues);
}

ReadOutcome ReadAsOpen(std::string text, Puzzle& p, PuzzleClues& clues) {
  NullView view;
  EditorState e;
  StartUpPuzzle(p, e, view);
  NewPuzzle(p, e, view);
  ReadOutcome outcome;
  try {
    const TextLines lines(std::move(text));
    RecognisedText recognised = RecogniseText(lines);
    const TextRead read = ReadPuzzleText(lines, recognised, p, view);
    if (read.outcome == TextRead::Outcome::Imported) clues = std::move(recognised.ipuz.clues);
    outcome.valid = read.Read();
    if (read.outcome == TextRead::Outcome::InvalidData) outcome.message = message::InvalidData;
    if (read.outcome == TextRead::Outcome::Refused) outcome.message = read.message;
    if (read.solutionLeftEmpty > 0)
      outcome.note = message::Format(message::SolutionLeftEmpty, std::to_string(read.solutionLeftEmpty));
  } catch (const RangeError& error) {
    outcome.valid = false;
    outcome.message = error.what();
  }
  return outcome;
}

namespace {

using Json = nlohmann::ordered_json;

Json FlagSquares(const Puzzle& p, const SquareArray<std::uint8_t>& flags) {
  auto list = Json::array();
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (flags(col, row) != 0) list.push_back({col, row});
  return list;
}

Json EntryNumbers(const EntryList& entries, std::int32_t count) {
  auto list = Json::array();
  for (int i = 1; i <= count && i <= MaxEntries; ++i) list.push_back(entries[static_cast<std::size_t>(i)]);
  return list;
}

}  // namespace

std::string PuzzleJson(const Puzzle& p, const ReadOutcome& outcome, const std::string& file) {
  Json j;
  if (!file.empty()) j["file"] = file;
  j["valid"] = outcome.valid;
  j["message"] = outcome.message;
  j["size"] = {p.HSquares, p.VSquares};
  j["symmetry"] = p.Symmetry;
  j["blockDiagram"] = p.BlockDiagram;
  j["barDiagram"] = p.BarDiagram;
  j["autoNumbered"] = p.AutoNumbered;
  j["manualNumbered"] = p.ManualNumbered;
  j["hasSolution"] = p.HasSolution;
  j["title"] = Latin1ToUtf8(p.Title);
  j["blocks"] = FlagSquares(p, p.Blocks);
  j["hbars"] = FlagSquares(p, p.HBars);
  j["vbars"] = FlagSquares(p, p.VBars);
  auto numbers = Json::array();
  auto letters = Json::array();
  for (int row = 1; row <= p.VSquares; ++row) {
    auto numberRow = Json::array();
    std::string letterRow;
    for (int col = 1; col <= p.HSquares; ++col) {
      numberRow.push_back(p.Numbers(col, row));
      letterRow += p.Letters(col, row);
    }
    numbers.push_back(std::move(numberRow));
    letters.push_back(Latin1ToUtf8(letterRow));
  }
  j["numbers"] = std::move(numbers);
  j["letters"] = std::move(letters);
  j["across"] = EntryNumbers(p.AcrossNumbers, p.AcrossCount);
  j["down"] = EntryNumbers(p.DownNumbers, p.DownCount);
  // ASCII only, as any reader takes it; a file name that is no UTF-8 gets
  // replacement characters.
  return j.dump(-1, ' ', true, Json::error_handler_t::replace);
}

}  // namespace kven::tool
