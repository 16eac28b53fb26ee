#include <gtest/gtest.h>

#include "text/blanks.h"
#include "text/text_lines.h"

namespace kven {
namespace {

TextLineList AllLines(const TextLines& text) {
  TextLineList lines;
  for (std::size_t i = 0; i < text.size(); ++i) lines.emplace_back(text[i]);
  return lines;
}

TEST(TextLines, SplitAtCrLfOrBoth) {
  struct Case {
    std::string text;
    TextLineList want;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"\n\r\n\r", {"", "", ""}},
      {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
  };
  for (const Case& c : cases) EXPECT_EQ(AllLines(TextLines(c.text)), c.want) << c.text;
}

// Lines far apart, read in any order, come back whole: the text keeps the
// start of only every 64th line.
TEST(TextLines, ManyLinesInAnyOrder) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "line " + std::to_string(i) + (i % 3 == 0 ? "\r\n" : "\n");
  const TextLines lines(std::move(text));
  ASSERT_EQ(lines.size(), 1000u);
  for (const std::size_t i : {999u, 0u, 64u, 63u, 65u, 500u, 129u, 130u, 128u, 1u})
    EXPECT_EQ(lines[i], "line " + std::to_string(i));
}

TEST(TextLines, FindLineSearchesFromAGivenLine) {
  const TextLines lines = TextLines::FromLines({"Dear Jo,", "", "KVEN 2 5 5", "BLK Z", "a KVEN b"});
  EXPECT_EQ(lines.FindLine(0, "KVEN"), 2u);
  EXPECT_EQ(lines.FindLine(3, "KVEN"), 4u);
  EXPECT_EQ(lines.FindLine(2, "BLK"), 3u);
  EXPECT_EQ(lines.FindLine(4, "BLK"), std::nullopt);
  EXPECT_EQ(lines.FindLine(9, "KVEN"), std::nullopt);
}

TEST(JoinLinesCrLf, EveryLineEnds) {
  EXPECT_EQ(JoinLinesCrLf({"KVEN", "", "BLK Z"}), "KVEN\r\n\r\nBLK Z\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
  EXPECT_EQ(AllLines(TextLines(JoinLinesCrLf({"a", "", "c"}))), (TextLineList{"a", "", "c"}));
}

}  // namespace
// Trimming and the byte-order mark, as readers of documents and lists take them.
TEST(Blanks, TrimmedAndWithoutByteOrderMark) {
  const struct {
    std::string_view text, blanks, trimmed;
  } trims[] = {
      {" \t Sea bird \r\n", Blanks, "Sea bird"}, {"  ", Blanks, ""}, {"", Blanks, ""},
      {"\n line \r", " \t\r", "\n line"}, {"x", Blanks, "x"}, {" a b ", " ", "a b"},
  };
  for (const auto& t : trims) EXPECT_EQ(Trimmed(t.text, t.blanks), t.trimmed) << t.text;
  const struct {
    std::string_view text, without;
  } marks[] = {{"\xEF\xBB\xBF{\"ipuz\"}", "{\"ipuz\"}"}, {"{}", "{}"}, {"\xEF\xBB", "\xEF\xBB"},
               {"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"}, {"", ""}};
  for (const auto& m : marks) EXPECT_EQ(WithoutByteOrderMark(m.text), m.without) << m.text;
}

}  // namespace kven
