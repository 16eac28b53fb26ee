// Word lists folded to the letters a grid holds.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "fill/word_index.h"
#include "fill/word_list.h"

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
                      Folding{"space_dropped", "ice cream", "ICECREAM"}, Folding{"hyphen_dropped", "x-ray", "XRAY"},
                      Folding{"apostrophe_dropped", "don't", "DONT"},
                      Folding{"curly_apostrophe_dropped", "don\xE2\x80\x99t", "DONT"},
                      Folding{"digit_skips", "r2d2", std::nullopt}, Folding{"symbol_skips", "ab&c", std::nullopt},
                      Folding{"greek_skips", "\xCE\xB1\xCE\xB2\xCE\xB3", std::nullopt},
                      Folding{"one_letter_skips", "a", std::nullopt},
                      Folding{"only_marks_skip", "'-'", std::nullopt},
                      Folding{"thirty_letters_kept", std::string(30, 'q'), std::string(30, 'Q')},
                      Folding{"thirty_one_letters_skip", std::string(31, 'q'), std::nullopt},
                      Folding{"broken_utf8_read_as_latin1", "\xC3" "B", "AB"}),
    [](const auto& info) { return std::string(info.param.name); });

int ScoreOf(const WordList& list, std::string_view word) {
  for (std::size_t i = 0; i < list.Size(); ++i)
    if (list.Word(i) == word) return list.Score(i);
  return -1;
}

TEST(WordList, ReadsScoresKeepsTheHighestAndCountsWhatItSkips) {
  WordList list;
  list.AddText("clasp;30\r\nCLASP;80\nClasp;40\n\nover\nbad;score\nr2d2;90\n  ester ; 7 \nmin;-5\nplus;+12\n");
  EXPECT_EQ(list.Size(), 5u);
  EXPECT_EQ(ScoreOf(list, "CLASP"), 80);
  EXPECT_EQ(ScoreOf(list, "OVER"), DefaultScore);
  EXPECT_EQ(ScoreOf(list, "ESTER"), 7);
  EXPECT_EQ(ScoreOf(list, "MIN"), -5);
  EXPECT_EQ(ScoreOf(list, "PLUS"), 12);
  EXPECT_EQ(list.entriesSkipped, 2);
  EXPECT_EQ(ListSummary(list), "Read 5 words (2 entries skipped)");
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

TEST(WordList, TheDefaultFallsBackToTheSystemWordsFile) {
  std::string folder = ::testing::TempDir() + "word_list_XXXXXX";
  ASSERT_NE(::mkdtemp(folder.data()), nullptr);
  const std::string dir = folder + "/";
  const std::string words = dir + "fallback_words";
  std::ofstream(words) << "apple\nbanana\n";
  WordList list;
  EXPECT_EQ(LoadDefaultWordList(list, dir + "no_such_folder", words).status, LoadStatus::Loaded);
  EXPECT_EQ(list.Size(), 2u);
  WordList none;
  EXPECT_EQ(LoadDefaultWordList(none, dir + "no_such_folder", dir + "no_such_file").status, LoadStatus::CannotOpen);
  std::filesystem::remove_all(folder);
}

TEST(WordIndex, HoldsWordsBestFirstAndFindsThemByLetter) {
  WordList list;
  list.AddText("cat;10\ncot;90\ndog;50\nhorse\n");
  const WordIndex index(list);
  ASSERT_EQ(index.Count(3), 3);
  EXPECT_EQ(index.Word(3, 0), "COT");
  EXPECT_EQ(index.Word(3, 2), "CAT");
  EXPECT_EQ(index.CountAtLeast(3, 50), 2);
  EXPECT_EQ(index.Find("DOG"), 1);
  EXPECT_EQ(index.Find("DIG"), -1);
  // The words with O second: COT and DOG.
  EXPECT_EQ(index.With(3, 1, 'O' - 'A')[0], 0b011u);
  EXPECT_EQ(index.Count(5), 1);
  EXPECT_EQ(index.Count(31), 0);
}

}  // namespace
}  // namespace kven::fill
