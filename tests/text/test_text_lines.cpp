#include <gtest/gtest.h>

#include "text/text_lines.h"

namespace kven {
namespace {

TEST(SplitLines, AtCrLfOrBoth) {
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
      {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.want) << c.text;
}

TEST(JoinLinesCrLf, EveryLineEnds) {
  EXPECT_EQ(JoinLinesCrLf({"KVEN", "", "BLK Z"}), "KVEN\r\n\r\nBLK Z\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
  EXPECT_EQ(SplitLines(JoinLinesCrLf({"a", "", "c"})), (TextLineList{"a", "", "c"}));
}

}  // namespace
}  // namespace kven
