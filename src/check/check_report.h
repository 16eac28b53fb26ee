#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/entries.h"

namespace kven {

using SquarePos = Square;

// How findings name squares: "3,4" (column, row) for the terse report, or
// "row 4, column 3", as a window whose grid labels both edges says it.
enum class SquareNaming { ColumnComma, RowColumn };

// A square as the report names it: "3,4", or "row 4, column 3".
std::string SquareName(int col, int row, SquareNaming naming = SquareNaming::ColumnComma);
inline std::string SquareName(const SquarePos& square, SquareNaming naming = SquareNaming::ColumnComma) {
  return SquareName(square.col, square.row, naming);
}

// How many unchecked letters an entry may have. Automatic picks Uk for a
// block diagram and Barred for a bar diagram.
enum class CheckStyle { Automatic, Us, Uk, Barred, None };

// "automatic", "us", "uk", "barred", "none".
std::string_view CheckStyleName(CheckStyle style);
// The style of one of those names (exact, lower case); nullopt for any other text.
std::optional<CheckStyle> ParseCheckStyle(std::string_view name);

struct CheckOptions {
  CheckStyle style = CheckStyle::Automatic;
  // Entries shorter than this are reported as short; 2 or less reports none.
  int minLength = 3;
  // uk: the longest run of unchecked letters allowed in an entry.
  int ukMaxRun = 1;
  // uk: from this length on an entry may have one unchecked letter more than
  // it has checked ones; shorter entries at most as many.
  int ukLongEntry = 9;
  // barred: checked letters from ceil(min% of the length) to
  // floor(max% of the length) + 1; both percentages are clamped to 0..100.
  int barredMinPercent = 66;
  int barredMaxPercent = 75;
  SquareNaming squareNames = SquareNaming::ColumnComma;
};

// The kind the check reads a diagram as (ReadKind): never None.
std::string_view DiagramKindName(DiagramKind kind);  // "block", "bar", "both"

// The rules a finding can break, in the order the report lists them.
enum class CheckRule { Short, Unchecked, Orphan, Split, Asymmetric, Numbering, Solution, Clue };

// "short", "unchecked", "orphan", "split", "asymmetric", "numbering",
// "solution", "clue".
std::string_view CheckRuleName(CheckRule rule);

// One entry of the diagram with its checking.
struct CheckedEntry {
  EntryDirection direction = EntryDirection::Across;
  int col = 0;  // the first square
  int row = 0;
  // The number of the first square; 0 when the puzzle is not numbered or
  // the square has no number (the entry is then named by its position).
  std::int32_t number = 0;
  int length = 0;
  int checked = 0;
  int unchecked = 0;
  int longestUncheckedRun = 0;
  std::vector<SquarePos> squares;  // in reading order
};

// "12" for a numbered entry, else its first square "3,4".
std::string EntryLabel(const CheckedEntry& entry);
// "12 across", "3,4 down".
std::string EntryName(const CheckedEntry& entry);

// A broken rule: a short text without the rule's name, and the squares it is
// about (what the window frames on the grid).
struct Finding {
  CheckRule rule = CheckRule::Short;
  std::string text;
  std::vector<SquarePos> squares;
};

struct CheckSummary {
  int across = 0;
  int down = 0;
  // lengths[n] = how many entries have n letters (n = 2..30).
  std::array<int, 31> lengths{};
  int squares = 0;  // columns x rows
  int blocks = 0;   // blocked squares that count for the kind
  int bars = 0;     // bars that count for the kind, inside the grid
  int letters = 0;  // letters of all entries (a checked square counts twice)
  int checkedLetters = 0;

  int Entries() const { return across + down; }
  // Mean entry length; 0 without entries.
  double MeanLength() const;
  // Percentages rounded to one decimal place; 0 when there is nothing to count.
  double BlockPercent() const;
  double CheckedPercent() const;
};

struct CheckReport {
  std::string title;
  int columns = 0;
  int rows = 0;
  DiagramKind kind = DiagramKind::Blocks;
  std::int32_t symmetry = 0;          // as the puzzle carries it
  CheckStyle style = CheckStyle::Uk;  // the one applied, never Automatic
  int minLength = 3;
  std::vector<CheckedEntry> entries;  // across first, then down, each in reading order
  std::vector<Finding> findings;      // in the order of CheckRule, then reading order
  CheckSummary summary;

  // True when no rule is broken.
  bool Passed() const { return findings.empty(); }
};

}  // namespace kven
