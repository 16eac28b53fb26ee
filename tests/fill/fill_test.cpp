// Fills and suggestions, each checked by reading the filled diagram back.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fill/fill_problem.h"
#include "fill/fill_quality.h"
#include "fill/fill_search.h"
#include "fill/suggest.h"
#include "fill/word_index.h"
#include "fill/word_search.h"
#include "support/test_puzzles.h"

namespace kven::fill {
namespace {

WordIndex IndexOf(const std::string& text) {
  WordList list;
  list.AddText(text);
  return WordIndex(list);
}

// A 5 x 5 grid whose only open squares are the top-left 3 x 3.
Puzzle Corner3x3() {
  Puzzle p = test::FreshPuzzle(5, 5, NoSymmetry);
  p.BlockDiagram = true;
  for (int col = 1; col <= 5; ++col)
    for (int row = 1; row <= 5; ++row) p.Blocks(col, row) = (col > 3 || row > 3) ? 1 : 0;
  return p;
}

// Whether some choice of three words across, distinct, makes three words down
// of the list, distinct from them: tried one by one.
bool Has3x3Fill(const std::vector<std::string>& words) {
  const std::set<std::string> in(words.begin(), words.end());
  for (const std::string& a : words)
    for (const std::string& b : words)
      for (const std::string& c : words) {
        std::set<std::string> used{a, b, c};
        for (int k = 0; k < 3; ++k) used.insert(std::string{a[k], b[k], c[k]});
        bool ok = used.size() == 6;
        for (int k = 0; k < 3 && ok; ++k) ok = in.count(std::string{a[k], b[k], c[k]}) == 1;
        if (ok) return true;
      }
  return false;
}

// What a fill must leave, read back from the diagram itself: every entry a
// word of the list (or as it stood before), no word twice, the letters there
// before kept, the diagram unchanged.
void ExpectGoodFill(const Puzzle& before, const Puzzle& after, const std::set<std::string>& list) {
  EXPECT_EQ(after.Blocks, before.Blocks);
  EXPECT_EQ(after.HBars, before.HBars);
  EXPECT_EQ(after.VBars, before.VBars);
  std::set<std::string> seen;
  for (const DiagramEntry& e : DiagramEntries(after)) {
    const std::string word = EntryLetters(after, e);
    const bool theme = IsComplete(before, e);
    EXPECT_TRUE(theme || list.count(word) == 1) << EntryName(after, e) << " holds " << word;
    EXPECT_TRUE(seen.insert(word).second) << word << " twice";
  }
  for (int col = 1; col <= before.HSquares; ++col)
    for (int row = 1; row <= before.VSquares; ++row) {
      const char was = before.Letters(col, row);
      if (was >= 'A' && was <= 'Z') {
        EXPECT_EQ(after.Letters(col, row), was) << col << "," << row;
      }
    }
}

Puzzle Filled(const Puzzle& p, const FillResult& result) {
  Puzzle after = p;
  NullGridView view;
  PlaceLetters(after, view, result.letters);
  return after;
}

std::set<std::string> Words(const std::vector<std::string>& words) { return {words.begin(), words.end()}; }

struct SmallList {
  const char* name;
  std::vector<std::string> words;
};

class CornerFill : public ::testing::TestWithParam<SmallList> {};

// The search finds a fill exactly when trying every choice finds one.
TEST_P(CornerFill, FindsAFillExactlyWhenOneExists) {
  const std::vector<std::string>& words = GetParam().words;
  std::string text;
  for (const std::string& w : words) text += w + "\n";
  const WordIndex index = IndexOf(text);
  const Puzzle p = Corner3x3();
  for (std::uint64_t seed = 1; seed <= 3; ++seed) {
    FillOptions options;
    options.seed = seed;
    const FillResult result = FillGrid(p, index, options);
    if (Has3x3Fill(words)) {
      ASSERT_EQ(result.status, FillStatus::Filled);
      ExpectGoodFill(p, Filled(p, result), Words(words));
    } else {
      EXPECT_EQ(result.status, FillStatus::NoFillExists);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CornerFill,
    ::testing::Values(
        SmallList{"word_square_needs_six", {"BAT", "ARE", "TEN", "BAD", "ORE", "TEA", "NET"}},
        SmallList{"symmetric_square_only", {"BAT", "ARE", "TEN"}},  // across = down, so repeated
        SmallList{"no_crossing_letters", {"ABC", "DEF", "GHI", "ADG", "BEH"}},
        SmallList{"two_squares", {"CAT", "ORE", "WED", "COW", "ARE", "TED", "ACE", "ODE"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A list that fills the 3 x 3 in exactly one way: with the theme entry COW
// given, ORE and WED are the only words left that fit.
TEST(Fill, KeepsAThemeEntryAndNeverRepeatsIt) {
  const WordIndex index = IndexOf("CAT\nORE\nWED\nCOW\nARE\nTED\nCOT\n");
  Puzzle p = Corner3x3();
  test::SetLetters(p, {"C..", "O..", "W..", ".....", "....."});
  const FillResult result = FillGrid(p, index, FillOptions{});
  ASSERT_EQ(result.status, FillStatus::Filled);
  const Puzzle after = Filled(p, result);
  ExpectGoodFill(p, after, Words({"CAT", "ORE", "WED", "COW", "ARE", "TED", "COT"}));
  EXPECT_EQ(EntryLetters(after, DiagramEntries(after)[0]), "CAT");
}

TEST(Fill, TheMinimumScoreLeavesOutWeakWords) {
  // Without ARE no fill exists; ARE scores 10.
  const WordIndex index = IndexOf("CAT;90\nORE;90\nWED;90\nCOW;90\nARE;10\nTED;90\n");
  FillOptions options;
  EXPECT_EQ(FillGrid(Corner3x3(), index, options).status, FillStatus::Filled);
  options.minScore = 20;
  EXPECT_EQ(FillGrid(Corner3x3(), index, options).status, FillStatus::NoFillExists);
}

TEST(Fill, NamesAnEntryNoWordFitsAndStopsWhenAsked) {
  const WordIndex index = IndexOf("CAT\nORE\nWED\nCOW\nARE\nTED\n");
  Puzzle p = Corner3x3();
  test::SetLetters(p, {"Q..", "...", "...", ".....", "....."});
  const FillResult result = FillGrid(p, index, FillOptions{});
  EXPECT_EQ(result.status, FillStatus::NoFillExists);
  std::vector<std::string> names;
  for (const DiagramEntry& e : result.unfillable) names.push_back(EntryName(p, e));
  EXPECT_EQ(names, (std::vector<std::string>{"1,1 across", "1,1 down"}));

  const std::atomic<bool> stop{true};
  FillOptions options;
  options.stop = &stop;
  EXPECT_EQ(FillGrid(Corner3x3(), index, options).status, FillStatus::Stopped);
}

TEST(Fill, FillsOnlyTheChosenEntries) {
  const WordIndex index = IndexOf("CAT\nORE\nWED\nCOW\nARE\nTED\n");
  const Puzzle p = Corner3x3();
  FillOptions options;
  options.only = {DiagramEntries(p)[0]};  // the top row
  const FillResult result = FillGrid(p, index, options);
  ASSERT_EQ(result.status, FillStatus::Filled);
  ASSERT_EQ(result.letters.size(), 3u);
  for (const PlacedLetter& l : result.letters) EXPECT_EQ(l.row, 1);
}

// The bar diagram every test shares, filled from words made up to fit it:
// its unchecked squares are filled too.
TEST(Fill, FillsABarDiagramWithItsUncheckedSquares) {
  Puzzle p = test::ExampleBars();
  std::set<std::string> list;
  std::string text;
  // Every pattern of every length over a four-letter alphabet would be too
  // many; two letters make every entry of up to five squares possible.
  for (int length = 2; length <= 5; ++length)
    for (int bits = 0; bits < (1 << length); ++bits) {
      std::string w;
      for (int k = 0; k < length; ++k) w += (bits >> k & 1) ? 'B' : 'A';
      list.insert(w);
      text += w + "\n";
    }
  const WordIndex index = IndexOf(text);
  const FillResult result = FillGrid(p, index, FillOptions{});
  ASSERT_EQ(result.status, FillStatus::Filled);
  const Puzzle after = Filled(p, result);
  ExpectGoodFill(p, after, list);
  for (const DiagramEntry& e : DiagramEntries(p))
    EXPECT_TRUE(IsComplete(after, e)) << EntryName(p, e);
}

TEST(Suggest, OffersWordsThatFitAndLeaveEveryCrossingAWord) {
  // Across the top, C??: CAT, COT and COW leave the second and third down
  // entries a word each (ARE or ORE, TED or WED); CUP would leave none
  // beginning with U, so it is not offered however well it scores.
  const WordIndex index = IndexOf("CAT;60\nCOT;70\nCUP;90\nORE\nWED\nCOW\nARE\nTED\nOAR\n");
  Puzzle p = Corner3x3();
  test::SetLetters(p, {"C..", "...", "...", ".....", "....."});
  const Suggestions s = SuggestWords(p, DiagramEntries(p)[0], index);
  std::vector<std::string> words;
  for (const Suggestion& w : s.words) words.push_back(w.word);
  EXPECT_EQ(words, (std::vector<std::string>{"COT", "CAT", "COW"}));
  EXPECT_EQ(s.count, 3);
  EXPECT_TRUE(s.unfillable.empty());
  EXPECT_EQ(SuggestWords(p, DiagramEntries(p)[0], index, 0, 1).words.size(), 1u);
}

// Two word squares for the corner: one of common words, one of rare ones.
const char* const TwoSquares = "CAT;90\nORE;90\nWED;90\nCOW;90\nARE;90\nTED;90\n"
                               "ZAX;20\nEMU;20\nDEY;20\nZED;20\nAME;20\nXUY;20\n";

TEST(Fill, TakesTheCommonWordsWhereAFillOfThemExists) {
  const WordIndex index = IndexOf(TwoSquares);
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    FillOptions options;
    options.seed = seed;
    const FillResult result = FillGrid(Corner3x3(), index, options);
    ASSERT_EQ(result.status, FillStatus::Filled);
    for (const FilledEntry& e : result.entries) EXPECT_EQ(e.score, 90) << e.word << " with seed " << seed;
  }
}

TEST(Fill, GoesDownToARareWordWhereNoFillHasNone) {
  // The common square lacks ARE; only the rare AME takes its place, and
  // then the rare square's ZED, EMU... do not fit: one rare word it is.
  const WordIndex index = IndexOf("CAT;90\nOME;90\nWED;90\nCOW;90\nAME;10\nTED;90\nOAR;90\n");
  const FillResult result = FillGrid(Corner3x3(), index, FillOptions{});
  ASSERT_EQ(result.status, FillStatus::Filled);
  const Puzzle p = Corner3x3();
  const FillQuality q = MeasureFill(result.entries, 50);
  EXPECT_EQ(q.entries, 6);
  EXPECT_EQ(q.lowest, 10);
  ASSERT_EQ(q.weak.size(), 1u);
  EXPECT_EQ(q.weak[0].word, "AME");
}

TEST(FillQuality, NamesTheLowestTheMeanAndTheWeakEntries) {
  // The corner's one pair of squares: rows CAT ORE WED, columns COW ARE TED
  // (or the other way round); both hold the same six words.
  const WordIndex index = IndexOf("CAT;90\nORE;40\nWED;60\nCOW;70\nARE;30\nTED;50\n");
  const Puzzle p = Corner3x3();
  const FillResult result = FillGrid(p, index, FillOptions{});
  ASSERT_EQ(result.status, FillStatus::Filled);
  const FillQuality q = MeasureFill(result.entries, 50);
  EXPECT_EQ(q.lowest, 30);
  EXPECT_NEAR(q.mean, 340.0 / 6, 1e-9);
  const std::string report = QualityReport(p, q);
  EXPECT_TRUE(report == "Quality: 6 entries, lowest score 30, mean 56.7; 2 below 50: 2,1 down ARE 30, 1,2 across ORE 40" ||
              report == "Quality: 6 entries, lowest score 30, mean 56.7; 2 below 50: 1,2 across ARE 30, 2,1 down ORE 40")
      << report;
}

TEST(Fill, AnAvoidedWordIsNeitherFilledNorSuggested) {
  WordList list;
  list.AddText(TwoSquares);
  WordList avoid;
  avoid.AddText("ore\n");
  list.Remove(avoid);
  const WordIndex index(list);
  const FillResult result = FillGrid(Corner3x3(), index, FillOptions{});
  ASSERT_EQ(result.status, FillStatus::Filled);
  for (const FilledEntry& e : result.entries) EXPECT_EQ(e.score, 20) << e.word;
  Puzzle p = Corner3x3();
  test::SetLetters(p, {"...", "O..", "...", ".....", "....."});
  for (const Suggestion& s : SuggestWords(p, DiagramEntries(p)[1], index).words) EXPECT_NE(s.word, "ORE");
}

struct Lookup {
  const char* name;
  std::string pattern;
  std::vector<std::string> words;
};

class PatternTest : public ::testing::TestWithParam<Lookup> {};

const char* const SmallList = "cat;70\ncot;80\ncut;60\ncart;90\nprecision;50\npretension;40\nprevision;30\n"
                              "pension;90\nlisten;50\nsilent;60\nenlist;40\ntinsel;70\n";

TEST_P(PatternTest, FindsTheWordsBestFirst) {
  const WordIndex index = IndexOf(SmallList);
  const std::optional<std::string> pattern = ReadPattern(GetParam().pattern);
  ASSERT_TRUE(pattern);
  std::vector<std::string> words;
  for (const FoundWord& w : MatchPattern(index, *pattern)) words.push_back(w.word);
  EXPECT_EQ(words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternTest,
    ::testing::Values(Lookup{"one_letter_each", "C?T", {"COT", "CAT", "CUT"}},
                      Lookup{"dots_and_lower_case", "c.t", {"COT", "CAT", "CUT"}},
                      Lookup{"run_inside", "PRE*ION", {"PRECISION", "PRETENSION", "PREVISION"}},
                      Lookup{"run_of_nothing_too", "C*T", {"CART", "COT", "CAT", "CUT"}},
                      Lookup{"run_at_the_end", "?EN*", {"PENSION"}},
                      Lookup{"no_match", "Q*", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordSearch, AnagramsAndPatternsRefuseWhatTheyCannotRead) {
  const WordIndex index = IndexOf(SmallList);
  std::vector<std::string> words;
  const std::optional<std::vector<FoundWord>> anagrams = Anagrams(index, "Listen");
  ASSERT_TRUE(anagrams);
  for (const FoundWord& w : *anagrams) words.push_back(w.word);
  EXPECT_EQ(words, (std::vector<std::string>{"TINSEL", "SILENT", "LISTEN", "ENLIST"}));
  EXPECT_EQ(Anagrams(index, "t?c")->size(), 3u);  // CAT, COT, CUT
  EXPECT_EQ(MatchPattern(index, "C?T", 65, 1), (std::vector<FoundWord>{{"COT", 80}}));
  EXPECT_FALSE(Anagrams(index, "ab1"));
  EXPECT_FALSE(ReadPattern("C-T"));
  EXPECT_FALSE(ReadPattern(""));
}

}  // namespace
}  // namespace kven::fill
