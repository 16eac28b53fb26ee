// The check must hold for every puzzle the model can hold: whatever the
// reader makes of arbitrary text, and puzzles with odd values set directly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "check/check_json.h"
#include "check/check_text.h"
#include "check_helpers.h"
#include "kventool_core.h"

namespace kven {
namespace {

bool Inside(const CheckReport& r, const SquarePos& s) {
  return s.col >= 1 && s.col <= r.columns && s.row >= 1 && s.row <= r.rows;
}

// What must hold for any report, whatever the puzzle.
void ExpectSound(const CheckReport& r, const std::string& what) {
  SCOPED_TRACE(what);
  int letters = 0;
  for (const CheckedEntry& e : r.entries) {
    ASSERT_GE(e.length, 2);
    ASSERT_EQ(e.squares.size(), static_cast<std::size_t>(e.length));
    ASSERT_EQ(e.checked + e.unchecked, e.length);
    ASSERT_LE(e.longestUncheckedRun, e.unchecked);
    for (const SquarePos& s : e.squares) ASSERT_TRUE(Inside(r, s));
    letters += e.length;
  }
  ASSERT_EQ(letters, r.summary.letters);
  for (const Finding& f : r.findings) {
    ASSERT_FALSE(f.squares.empty()) << f.text;
    for (const SquarePos& s : f.squares) ASSERT_TRUE(Inside(r, s)) << f.text;
  }
  for (const std::string& line : CheckReportLines(r)) ASSERT_LE(line.size(), MaxShortString);
  ASSERT_FALSE(CheckReportJson(r).dump().empty());
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Every input of the fuzz corpus and every example, read as Open reads it.
TEST(CheckRobustness, EveryCorpusInput) {
  std::size_t files = 0;
  for (const char* dir : {KVEN_FUZZ_CORPUS_DIR, KVEN_EXAMPLES_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      Puzzle p;
      EditorState e;
      tool::DecodeAsOpen(ReadFile(entry.path()), p, e);
      for (CheckStyle style : {CheckStyle::Automatic, CheckStyle::Us}) {
        CheckOptions o;
        o.style = style;
        ExpectSound(CheckDiagram(p, o), entry.path().filename().string());
      }
      ++files;
    }
  }
  EXPECT_GT(files, 100u);
}

// Random puzzles with values the editor never makes: both kinds, bars on the
// border, any symmetry, any numbers, any letters, extreme options.
TEST(CheckRobustness, RandomPuzzles) {
  std::mt19937 rng(20240611);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const std::int32_t orders[] = {0, 1, 2, 3, 4, 999, -1, INT32_MIN, INT32_MAX};
  const std::int32_t numbers[] = {0, 0, 0, 1, 7, -3, 100, INT32_MIN, INT32_MAX};
  for (int round = 0; round < 300; ++round) {
    Puzzle p = testing::FreshPuzzle(pick(5, 30), pick(5, 30), orders[pick(0, 8)]);
    p.BlockDiagram = pick(0, 1) == 1;
    p.BarDiagram = pick(0, 1) == 1;
    p.AutoNumbered = pick(0, 1) == 1;
    p.ManualNumbered = pick(0, 1) == 1;
    p.HasSolution = pick(0, 1) == 1;
    const int density = pick(0, 60);
    for (int r = 1; r <= MaxSide; ++r) {
      for (int c = 1; c <= MaxSide; ++c) {
        p.Blocks(c, r) = pick(0, 99) < density ? 1 : 0;
        p.HBars(c, r) = pick(0, 99) < density ? 1 : 0;
        p.VBars(c, r) = pick(0, 99) < density ? 1 : 0;
        p.Numbers(c, r) = numbers[pick(0, 8)];
        p.Letters(c, r) = static_cast<char>(pick(-128, 127));
      }
    }
    CheckOptions o;
    o.style = static_cast<CheckStyle>(pick(0, 4));
    o.minLength = pick(-5, 40);
    o.ukMaxRun = pick(-2, 5);
    o.ukLongEntry = pick(-2, 40);
    o.barredMinPercent = pick(-50, 150);
    o.barredMaxPercent = pick(-50, 150);
    ExpectSound(CheckDiagram(p, o), "round " + std::to_string(round));
  }
}

// A model holding sizes it never should (a default puzzle, or larger than
// 30) is read within the arrays.
TEST(CheckRobustness, SizesOutsideTheModel) {
  Puzzle empty;
  const CheckReport none = CheckDiagram(empty);
  EXPECT_EQ(none.summary.Entries(), 0);
  EXPECT_TRUE(none.Passed());
  Puzzle huge = testing::FreshPuzzle(30, 30, 2);
  huge.HSquares = 1000;
  huge.VSquares = -1000;
  const CheckReport clamped = CheckDiagram(huge);
  EXPECT_EQ(clamped.columns, 30);
  EXPECT_EQ(clamped.rows, 0);
}

}  // namespace
}  // namespace kven
