#include "check/check_json.h"

#include <cmath>
#include <string_view>

namespace kven {

namespace {

using Json = nlohmann::ordered_json;

// A title holds single bytes and JSON wants UTF-8: each byte reads as Latin-1.
std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

Json Squares(const std::vector<SquarePos>& squares) {
  Json out = Json::array();
  for (const SquarePos& s : squares) out.push_back({s.col, s.row});
  return out;
}

Json Summary(const CheckSummary& s) {
  Json lengths = Json::object();
  for (std::size_t n = 0; n < s.lengths.size(); ++n)
    if (s.lengths[n] != 0) lengths[std::to_string(n)] = s.lengths[n];
  return {
      {"across", s.across},
      {"down", s.down},
      {"lengths", lengths},
      {"meanLength", std::round(s.MeanLength() * 100.0) / 100.0},
      {"squares", s.squares},
      {"blocks", s.blocks},
      {"blockPercent", s.BlockPercent()},
      {"bars", s.bars},
      {"letters", s.letters},
      {"checkedLetters", s.checkedLetters},
      {"checkedPercent", s.CheckedPercent()},
  };
}

}  // namespace

nlohmann::ordered_json CheckReportJson(const CheckReport& r) {
  Json findings = Json::array();
  for (const Finding& f : r.findings)
    findings.push_back({{"rule", CheckRuleName(f.rule)}, {"text", f.text}, {"squares", Squares(f.squares)}});
  Json entries = Json::array();
  for (const CheckedEntry& e : r.entries) {
    entries.push_back({
        {"label", EntryLabel(e)},
        {"number", e.number == 0 ? Json(nullptr) : Json(e.number)},
        {"col", e.col},
        {"row", e.row},
        {"direction", e.direction == EntryDirection::Across ? "across" : "down"},
        {"length", e.length},
        {"checked", e.checked},
        {"unchecked", e.unchecked},
        {"longestUncheckedRun", e.longestUncheckedRun},
    });
  }
  return {
      {"title", Latin1ToUtf8(r.title)},
      {"columns", r.columns},
      {"rows", r.rows},
      {"kind", DiagramKindName(r.kind)},
      {"symmetry", r.symmetry},
      {"style", CheckStyleName(r.style)},
      {"minLength", r.minLength},
      {"passed", r.Passed()},
      {"summary", Summary(r.summary)},
      {"findings", findings},
      {"entries", entries},
  };
}

}  // namespace kven
