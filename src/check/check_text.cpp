#include "check/check_text.h"

#include <algorithm>
#include <cstdio>

#include "model/marks.h"

namespace kven {

namespace {

// Lines longer than the program allows end in "..." so a cut is visible.
std::string Capped(std::string line) {
  if (line.size() > MaxShortString) line.replace(MaxShortString - 3, std::string::npos, "...");
  return line;
}

std::string SymmetryText(std::int32_t order) {
  switch (order) {
    case NoSymmetry:
      return "no symmetry";
    case Twofold:
      return "twofold symmetry";
    case Fourfold:
      return "fourfold symmetry";
    default:
      return "symmetry " + std::to_string(order) + " read as " + (HasHalfTurn(order) ? "twofold" : "none");
  }
}

std::string OneDecimal(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  return buffer;
}

std::string MarksLine(const CheckReport& r) {
  const CheckSummary& s = r.summary;
  std::string line;
  const DiagramKind kind = ReadKind(r.kind);
  if (HasBlockKind(kind))
    line = "Blocks: " + std::to_string(s.blocks) + " of " + std::to_string(s.squares) + " squares (" +
           OneDecimal(s.BlockPercent()) + "%); ";
  if (HasBarKind(kind)) line += "Bars: " + std::to_string(s.bars) + "; ";
  return line + "checked: " + std::to_string(s.checkedLetters) + " of " + std::to_string(s.letters) +
         " entry letters (" + OneDecimal(s.CheckedPercent()) + "%)";
}

std::string EntriesLine(const CheckSummary& s) {
  std::string line = "Entries: " + std::to_string(s.across) + " across, " + std::to_string(s.down) + " down";
  if (s.Entries() == 0) return line;
  line += "; lengths (letters x entries)";
  for (std::size_t n = 0; n < s.lengths.size(); ++n)
    if (s.lengths[n] != 0) line += " " + std::to_string(n) + "x" + std::to_string(s.lengths[n]);
  char mean[32];
  std::snprintf(mean, sizeof mean, "; mean %.2f", s.MeanLength());
  return line + mean;
}

void AppendEntryTable(const CheckReport& r, TextLineList& lines) {
  std::size_t width = 5;
  for (const CheckedEntry& e : r.entries) width = std::max(width, EntryLabel(e).size());
  const int w = static_cast<int>(width);
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%-*s  dir  len  checked  unchecked  run", w, "Entry");
  lines.emplace_back(buffer);
  for (const CheckedEntry& e : r.entries) {
    std::snprintf(buffer, sizeof buffer, "%*s  %-3s  %3d  %7d  %9d  %3d", w, EntryLabel(e).c_str(),
                  e.direction == EntryDirection::Across ? "A" : "D", e.length, e.checked, e.unchecked,
                  e.longestUncheckedRun);
    lines.emplace_back(buffer);
  }
}

}  // namespace

std::string CheckHeadingLine(const CheckReport& r) {
  std::string line = r.title.empty() ? std::string("Check: ") : "Check of \"" + r.title + "\": ";
  const DiagramKind read = ReadKind(r.kind);
  const char* kind = read == DiagramKind::Blocks ? " block diagram"
                     : read == DiagramKind::Bars ? " bar diagram"
                                                 : " diagram of blocks and bars";
  line += std::to_string(r.columns) + " x " + std::to_string(r.rows) + kind + ", " + SymmetryText(r.symmetry) + ", " +
          std::string(CheckStyleName(r.style)) + " style, minimum length " + std::to_string(r.minLength);
  return Capped(std::move(line));
}

std::string FindingLine(const Finding& finding) {
  return Capped(std::string(CheckRuleName(finding.rule)) + ": " + finding.text);
}

TextLineList CheckReportLines(const CheckReport& r) {
  TextLineList lines;
  lines.push_back(CheckHeadingLine(r));
  lines.push_back(Capped(EntriesLine(r.summary)));
  lines.push_back(Capped(MarksLine(r)));
  lines.push_back(r.Passed() ? std::string("Findings: none, every rule holds")
                             : "Findings: " + std::to_string(r.findings.size()));
  for (const Finding& f : r.findings) lines.push_back(FindingLine(f));
  if (!r.entries.empty()) AppendEntryTable(r, lines);
  return lines;
}

}  // namespace kven
