#include "check/check_report.h"

#include <cmath>

namespace kven {

namespace {

constexpr std::array<std::pair<CheckStyle, std::string_view>, 5> StyleNames{{
    {CheckStyle::Automatic, "automatic"},
    {CheckStyle::Us, "us"},
    {CheckStyle::Uk, "uk"},
    {CheckStyle::Barred, "barred"},
    {CheckStyle::None, "none"},
}};

double RoundToTenth(double value) { return std::round(value * 10.0) / 10.0; }

}  // namespace

std::string_view CheckStyleName(CheckStyle style) {
  for (const auto& [s, name] : StyleNames)
    if (s == style) return name;
  return "automatic";
}

std::optional<CheckStyle> ParseCheckStyle(std::string_view name) {
  for (const auto& [s, n] : StyleNames)
    if (n == name) return s;
  return std::nullopt;
}

std::string_view DiagramKindName(DiagramKind kind) {
  switch (kind) {
    case DiagramKind::None:
    case DiagramKind::Blocks:
      return "block";
    case DiagramKind::Bars:
      return "bar";
    case DiagramKind::Both:
      return "both";
  }
  return "block";
}

std::string_view CheckRuleName(CheckRule rule) {
  switch (rule) {
    case CheckRule::Short:
      return "short";
    case CheckRule::Unchecked:
      return "unchecked";
    case CheckRule::Orphan:
      return "orphan";
    case CheckRule::Split:
      return "split";
    case CheckRule::Asymmetric:
      return "asymmetric";
    case CheckRule::Numbering:
      return "numbering";
    case CheckRule::Solution:
      return "solution";
    case CheckRule::Clue:
      return "clue";
  }
  return "short";
}

std::string SquareName(int col, int row, SquareNaming naming) {
  if (naming == SquareNaming::RowColumn) return "row " + std::to_string(row) + ", column " + std::to_string(col);
  return std::to_string(col) + "," + std::to_string(row);
}

std::string EntryLabel(const CheckedEntry& entry) { return EntryLabel(entry.number, entry.col, entry.row); }

std::string EntryName(const CheckedEntry& entry) {
  return EntryLabel(entry) + " " + std::string(DirectionWord(entry.direction));
}

double CheckSummary::MeanLength() const {
  const int n = Entries();
  return n == 0 ? 0.0 : static_cast<double>(letters) / n;
}

double CheckSummary::BlockPercent() const { return squares == 0 ? 0.0 : RoundToTenth(100.0 * blocks / squares); }

double CheckSummary::CheckedPercent() const {
  return letters == 0 ? 0.0 : RoundToTenth(100.0 * checkedLetters / letters);
}

}  // namespace kven
