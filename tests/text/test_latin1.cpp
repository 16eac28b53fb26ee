// Every byte of a title in both directions is covered by the round trips;
// these are the malformed inputs that only a direct call can reach.
#include <gtest/gtest.h>

#include "text/latin1.h"
#include "text/utf8.h"

namespace kven {
namespace {

TEST(Latin1, FromUtf8KeepsLatin1AndReplacesTheRest) {
  const struct {
    std::string utf8, latin1;
  } cases[] = {
      {"Clasp", "Clasp"},
      {"Caf\xC3\xA9 \xC3\xBF", "Caf\xE9 \xFF"},
      {"\xE2\x82\xAC 5", "? 5"},                // euro sign
      {"\xF0\x9F\x98\x80!", "?!"},              // beyond the basic plane
      {"\xC3", "?"},                            // cut short
      {"\x80x\xBF", "?x?"},                     // stray continuation bytes
      {"\xC0\xAF\xF8\x80", "????"},             // overlong and impossible leads
      {"\xE2\x82" "A", "??A"},                  // incomplete sequence before a letter
      {"\xE0\x80\x80", "???"},                    // an overlong form of U+0000
      {"\xED\xA0\x80", "???"},                    // a surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1) << c.utf8;
  EXPECT_EQ(Latin1ToUtf8("Caf\xE9 \xFF"), "Caf\xC3\xA9 \xC3\xBF");
}

// A text that mixes UTF-8 with other bytes keeps its UTF-8 and reads each
// other byte as Latin-1.
TEST(Latin1, ValidUtf8KeepsUtf8AndReadsOtherBytesAsLatin1) {
  const struct {
    std::string mixed, utf8;
  } cases[] = {
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},
      {"Caf\xE9", "Caf\xC3\xA9"},
      {"\xE2\x82\xAC \xFF", "\xE2\x82\xAC \xC3\xBF"},  // a euro sign, then a byte that is no UTF-8
      {"\xE2\x82" "A", "\xC3\xA2\xC2\x82" "A"},          // a sequence cut short
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},     // a surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(ValidUtf8(c.mixed), c.utf8) << c.mixed;
}

}  // namespace
}  // namespace kven
