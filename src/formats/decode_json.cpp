#include "formats/decode_json.h"

#include "text/latin1.h"

namespace kven {

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

nlohmann::ordered_json DecodeJson(const Puzzle& p, const TextRead& read) {
  Json j;
  j["valid"] = read.Read();
  j["message"] = read.message;
  j["note"] = read.Note();
  if (!read.Shown()) return j;
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
  return j;
}

}  // namespace kven
