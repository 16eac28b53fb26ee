// Word lists as setters keep them, folded to the letters a grid holds.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "fill/default_list.h"
#include "fill/word_index.h"
#include "fill/word_list.h"
#include "fill/word_sources.h"

namespace kven::fill {
namespace {

struct Folding {
  const char* name;
  std::string entry;
  std::optional<std::string> folded;
};

class FoldingTest : public ::testing::TestWithParam<Folding> {};

TEST_P(FoldingTest, FoldsToCapitals) { EXPECT_EQ(FoldEntry(GetParam().entry), GetParam().folded); }

INSTANTIATE_TEST_SUITE_P(
    Entries, FoldingTest,
    ::testing::Values(Folding{"lower_case", "clasp", "CLASP"}, Folding{"mixed_case", "McDonald", "MCDONALD"},
                      Folding{"utf8_accent", "caf\xC3\xA9", "CAFE"}, Folding{"latin1_accent", "caf\xE9", "CAFE"},
                      Folding{"utf8_diaeresis", "na\xC3\xAFve", "NAIVE"},
                      Folding{"sharp_s", "Stra\xC3\x9F" "e", "STRASSE"},
                      Folding{"ligature_and_stroke", "\xC3\x86r\xC3\xB8", "AERO"},
                      Folding{"latin_extended", "\xC5\x81\xC3\xB3" "d\xC5\xBA", "LODZ"},
                      Folding{"comma_below", "\xC8\x98tefan", "STEFAN"},
                      Folding{"vietnamese_stacked_accents", "Nguy\xE1\xBB\x85n", "NGUYEN"},
                      Folding{"combining_accent", "e\xCC\x81t\xC3\xA9", "ETE"},
                      Folding{"space_dropped", "ice cream", "ICECREAM"}, Folding{"hyphen_dropped", "x-ray", "XRAY"},
                      Folding{"apostrophe_dropped", "don't", "DONT"},
                      Folding{"curly_apostrophe_dropped", "don\xE2\x80\x99t", "DONT"},
                      Folding{"digit_skips", "r2d2", std::nullopt}, Folding{"symbol_skips", "ab&c", std::nullopt},
                      Folding{"multiplication_sign_skips", "a\xC3\x97" "b", std::nullopt},
                      Folding{"greek_skips", "\xCE\xB1\xCE\xB2\xCE\xB3", std::nullopt},
                      Folding{"one_letter_skips", "a", std::nullopt},
                      Folding{"only_marks_skip", "'-'", std::nullopt},
                      Folding{"thirty_letters_kept", std::string(30, 'q'), std::string(30, 'Q')},
                      Folding{"thirty_one_letters_skip", std::string(31, 'q'), std::nullopt},
                      Folding{"broken_utf8_read_as_latin1", "\xC3" "B", "AB"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Line {
  const char* name;
  std::string line;
  bool possessivesMarked;
  LineKind kind;
  std::string word;
  int score;
};

class LineTest : public ::testing::TestWithParam<Line> {};

TEST_P(LineTest, ReadsTheFormsSettersUse) {
  Folder folder;
  const Line& c = GetParam();
  const ListLine read = ReadListLine(c.line, folder, ListReading{{}, c.possessivesMarked});
  EXPECT_EQ(read.kind, c.kind);
  if (c.kind != LineKind::Word) return;
  EXPECT_EQ(read.word, c.word);
  EXPECT_EQ(read.score, c.score);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(Line{"word_alone", "clasp", false, LineKind::Word, "CLASP", DefaultScore},
                      Line{"semicolon_score", "CLASP;80", false, LineKind::Word, "CLASP", 80},
                      Line{"blank_score", "clasp 80", false, LineKind::Word, "CLASP", 80},
                      Line{"tab_score", "clasp\t80", false, LineKind::Word, "CLASP", 80},
                      Line{"cr_lf", "clasp;80\r", false, LineKind::Word, "CLASP", 80},
                      Line{"signed_scores", "min;-5", false, LineKind::Word, "MIN", -5},
                      Line{"phrase_with_score", "ICE CREAM;60", false, LineKind::Word, "ICECREAM", 60},
                      Line{"phrase_blank_score", "ice cream 60", false, LineKind::Word, "ICECREAM", 60},
                      Line{"phrase_alone", "ice cream", false, LineKind::Word, "ICECREAM", DefaultScore},
                      Line{"latin1", "caf\xE9;70", false, LineKind::Word, "CAFE", 70},
                      Line{"contraction", "don't", true, LineKind::Word, "DONT", DefaultScore},
                      Line{"possessive_where_marked", "class's", true, LineKind::Skipped, "", 0},
                      Line{"possessive_in_a_setters_list", "class's", false, LineKind::Word, "CLASSS", DefaultScore},
                      Line{"comment", "# my list, 2024", false, LineKind::Comment, "", 0},
                      Line{"blank", "  \r", false, LineKind::Blank, "", 0},
                      Line{"score_not_a_number", "bad;score", false, LineKind::Skipped, "", 0},
                      Line{"digits", "r2d2;90", false, LineKind::Skipped, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordList, KeepsAWordsBestScoreAndCountsWhatItSkips) {
  WordList list;
  list.AddText("\xEF\xBB\xBF" "clasp;30\r\nCLASP;80\nClasp;40\n\n# note\nover\nbad;score\nr2d2;90\n");
  EXPECT_EQ(list.Size(), 2u);
  EXPECT_EQ(list.ScoreOf("CLASP"), 80);
  EXPECT_EQ(list.ScoreOf("OVER"), DefaultScore);
  EXPECT_EQ(list.entriesSkipped, 2);
  EXPECT_EQ(ListSummary(list), "Read 2 words (2 entries skipped)");
}

TEST(WordList, AListOverAnotherWinsAndAnAvoidListTakesOut) {
  WordList base;
  base.AddText("cat;90\ncow;80\nhen;70\n");
  WordList mine;
  mine.AddText("cow;20\nemu;60\n");
  base.PutOver(mine);
  EXPECT_EQ(base.ScoreOf("COW"), 20);
  EXPECT_EQ(base.ScoreOf("EMU"), 60);
  WordList avoid;
  avoid.AddText("hen\nyak\n");
  base.Remove(avoid);
  EXPECT_EQ(base.Size(), 3u);
  EXPECT_EQ(base.ScoreOf("HEN"), std::nullopt);
  EXPECT_EQ(base.ScoreOf("CAT"), 90);
}

TEST(WordList, AMissingFileIsNamedAndAHugeLineIsSkipped) {
  WordList list;
  const LoadResult missing = LoadWordList("/nonexistent/words.txt", io::Accept::AnyReadable, list);
  EXPECT_EQ(missing.status, LoadStatus::CannotOpen);
  EXPECT_EQ(missing.message, "Cannot open file /nonexistent/words.txt");
  list.AddText(std::string(1'000'000, 'a') + "\nword\n");
  EXPECT_EQ(list.Size(), 1u);
  EXPECT_EQ(list.entriesSkipped, 1);
}

// A folder of SCOWL's files, written for the test.
class ScowlFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = ::testing::TempDir() + "scowl_XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    dir_ = folder;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Write(const std::string& name, const std::string& text) { std::ofstream(dir_ + "/" + name) << text; }

  std::string dir_;
};

TEST_F(ScowlFolderTest, ScoresByLevelWithoutPossessivesOrOffensiveWords) {
  Write("english-words.10", "cat\ncat's\nshit\n");
  Write("american-words.60", "tmesis\ncat\n");
  Write("english-words.80", "zzxjoanw\n");  // past the sizes read
  Write("english-contractions.10", "don't\nit's\n");
  Write("english-upper.50", "Erie\nErie's\n");
  Write("english-upper.60", "Aconcagua\n");
  Write("english-abbreviations.35", "CIA\n");
  WordList list;
  ASSERT_EQ(LoadDefaultWordList(list, {dir_, dir_ + "/none"}).status, LoadStatus::Loaded);
  EXPECT_EQ(list.ScoreOf("CAT"), 90);
  EXPECT_EQ(list.ScoreOf("CATS"), std::nullopt);
  EXPECT_EQ(list.ScoreOf("SHIT"), std::nullopt);
  EXPECT_EQ(list.ScoreOf("TMESIS"), 40);
  EXPECT_EQ(list.ScoreOf("ZZXJOANW"), std::nullopt);
  EXPECT_EQ(list.ScoreOf("DONT"), 90);
  EXPECT_EQ(list.ScoreOf("ITS"), 90);
  EXPECT_EQ(list.ScoreOf("ERIE"), 50);
  EXPECT_EQ(list.ScoreOf("ERIES"), std::nullopt);
  EXPECT_EQ(list.ScoreOf("ACONCAGUA"), std::nullopt);
  EXPECT_EQ(list.ScoreOf("CIA"), 55);
  EXPECT_EQ(list.Size(), 6u);
}

TEST_F(ScowlFolderTest, WithoutScowlTheWordsFileIsRead) {
  Write("words", "apple\nbanana\n");
  WordList list;
  EXPECT_EQ(LoadDefaultWordList(list, {dir_ + "/none", dir_ + "/words"}).status, LoadStatus::Loaded);
  EXPECT_EQ(list.Size(), 2u);
  WordList none;
  EXPECT_EQ(LoadDefaultWordList(none, {dir_ + "/none", dir_ + "/none"}).status, LoadStatus::CannotOpen);
}

TEST_F(ScowlFolderTest, APersonalListLiesOverTheDefaultAndKeepsWhatTheDefaultAvoids) {
  Write("english-words.10", "cat\ncow\nshit\n");
  Write("mine.txt", "cow;20\nshit;50\nice cream;70\n");
  Write("avoid.txt", "cat\n");
  WordSources sources;
  sources.lists = {std::string(DefaultListName), dir_ + "/mine.txt"};
  sources.avoid = {dir_ + "/avoid.txt"};
  sources.place = {dir_, dir_ + "/none"};
  WordList words;
  ASSERT_EQ(LoadWords(sources, words).result.status, LoadStatus::Loaded);
  EXPECT_EQ(words.ScoreOf("COW"), 20);
  EXPECT_EQ(words.ScoreOf("SHIT"), 50);
  EXPECT_EQ(words.ScoreOf("ICECREAM"), 70);
  EXPECT_EQ(words.ScoreOf("CAT"), std::nullopt);
  sources.lists = {dir_ + "/missing.txt"};
  EXPECT_EQ(LoadWords(sources, words).result.status, LoadStatus::CannotOpen);
}

TEST(DefaultAvoidList, HoldsSlursAndVulgarWordsButNotOrdinaryOnes) {
  for (const char* word : {"NIGGA", "SHITS", "SEMEN", "DYKE", "HOER"}) EXPECT_TRUE(DefaultAvoidList().ScoreOf(word)) << word;
  for (const char* word : {"CLASP", "GOD", "TRAP", "SPADE"}) EXPECT_FALSE(DefaultAvoidList().ScoreOf(word)) << word;
}

TEST(WordIndex, HoldsWordsBestFirst) {
  WordList list;
  list.AddText("cat;10\ncot;90\ndog;50\nhorse\n");
  const WordIndex index(list);
  ASSERT_EQ(index.Count(3), 3);
  EXPECT_EQ(index.Word(3, 0), "COT");
  EXPECT_EQ(index.Word(3, 2), "CAT");
  EXPECT_EQ(index.CountAtLeast(3, 50), 2);
  EXPECT_EQ(index.Find("DOG"), 1);
  EXPECT_EQ(index.Find("DIG"), -1);
  EXPECT_EQ(index.Count(5), 1);
  EXPECT_EQ(index.Count(31), 0);
}

}  // namespace
}  // namespace kven::fill
