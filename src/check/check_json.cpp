#include "check/check_json.h"

#include <cmath>
#include <string_view>

#include "text/latin1.h"

namespace kven {

namespace {

using Json = nlohmann::ordered_json;

// Built key by key: nlohmann's initializer lists copy every value twice,
// which made this the slowest step of a 30 x 30 report.
Json Squares(const std::vector<SquarePos>& squares) {
  Json out = Json::array();
  for (const SquarePos& s : squares) {
    Json pair = Json::array();
    pair.push_back(s.col);
    pair.push_back(s.row);
    out.push_back(std::move(pair));
  }
  return out;
}

Json Summary(const CheckSummary& s) {
  Json lengths = Json::object();
  for (std::size_t n = 0; n < s.lengths.size(); ++n)
    if (s.lengths[n] != 0) lengths[std::to_string(n)] = s.lengths[n];
  Json j = Json::object();
  j["across"] = s.across;
  j["down"] = s.down;
  j["lengths"] = std::move(lengths);
  j["meanLength"] = std::round(s.MeanLength() * 100.0) / 100.0;
  j["squares"] = s.squares;
  j["blocks"] = s.blocks;
  j["blockPercent"] = s.BlockPercent();
  j["bars"] = s.bars;
  j["letters"] = s.letters;
  j["checkedLetters"] = s.checkedLetters;
  j["checkedPercent"] = s.CheckedPercent();
  return j;
}

Json EntryJson(const CheckedEntry& e) {
  Json j = Json::object();
  j["label"] = EntryLabel(e);
  j["number"] = e.number == 0 ? Json(nullptr) : Json(e.number);
  j["col"] = e.col;
  j["row"] = e.row;
  j["direction"] = e.direction == EntryDirection::Across ? "across" : "down";
  j["length"] = e.length;
  j["checked"] = e.checked;
  j["unchecked"] = e.unchecked;
  j["longestUncheckedRun"] = e.longestUncheckedRun;
  return j;
}

}  // namespace

nlohmann::ordered_json CheckReportJson(const CheckReport& r) {
  Json findings = Json::array();
  for (const Finding& f : r.findings) {
    Json j = Json::object();
    j["rule"] = CheckRuleName(f.rule);
    j["text"] = Latin1ToUtf8(f.text);
    j["squares"] = Squares(f.squares);
    findings.push_back(std::move(j));
  }
  Json entries = Json::array();
  for (const CheckedEntry& e : r.entries) entries.push_back(EntryJson(e));
  Json j = Json::object();
  j["title"] = Latin1ToUtf8(r.title);
  j["columns"] = r.columns;
  j["rows"] = r.rows;
  j["kind"] = DiagramKindName(r.kind);
  j["symmetry"] = r.symmetry;
  j["style"] = CheckStyleName(r.style);
  j["minLength"] = r.minLength;
  j["passed"] = r.Passed();
  j["summary"] = Summary(r.summary);
  j["findings"] = std::move(findings);
  j["entries"] = std::move(entries);
  return j;
}

}  // namespace kven
