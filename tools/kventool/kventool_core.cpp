#include "kventool_core.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "text/clue_list.h"
#include "text/decoder.h"
#include "text/encoder.h"
#include "text/text_lines.h"

namespace kven::tool {

namespace {

// Titles are single bytes; JSON wants UTF-8, so each byte is read as Latin-1.
std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += static_cast<char>(b);
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

nlohmann::ordered_json FlagSquares(const Puzzle& p, const SquareArray<std::uint8_t>& flags) {
  auto list = nlohmann::ordered_json::array();
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (flags(col, row) != 0) list.push_back({col, row});
  return list;
}

nlohmann::ordered_json EntryNumbers(const EntryList& entries, std::int32_t count) {
  auto list = nlohmann::ordered_json::array();
  for (int i = 1; i <= count && i <= MaxEntries; ++i) list.push_back(entries[static_cast<std::size_t>(i)]);
  return list;
}

}  // namespace

bool ReadInput(const std::string& name, std::string& text) {
  if (name.empty() || name == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return !std::cin.bad();
  }
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

DecodeOutcome DecodeAsOpen(std::string text, Puzzle& p, EditorState& e) {
  NullView view;
  StartUpPuzzle(p, e, view);
  NewPuzzle(p, e, view);
  DecodeOutcome outcome;
  try {
    if (DecodeText(TextLines(std::move(text)), p, view) == DecodeResult::InvalidData) {
      outcome.valid = false;
      outcome.message = message::InvalidData;
    }
  } catch (const RangeError& error) {
    outcome.valid = false;
    outcome.message = error.what();
  }
  return outcome;
}

std::string PuzzleJson(const Puzzle& p, const DecodeOutcome& outcome) {
  nlohmann::ordered_json j;
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
  auto numbers = nlohmann::ordered_json::array();
  auto letters = nlohmann::ordered_json::array();
  for (int row = 1; row <= p.VSquares; ++row) {
    auto numberRow = nlohmann::ordered_json::array();
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
  return j.dump(-1, ' ', true) + "\n";
}

std::string EncodedText(const Puzzle& p) { return JoinLinesCrLf(EncodeText(p)); }

std::string ClueListText(const Puzzle& p) { return JoinLinesCrLf(BuildClueList(p)); }

}  // namespace kven::tool
