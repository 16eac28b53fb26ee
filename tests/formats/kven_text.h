#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/decoder.h"
#include "text/encoder.h"
#include "text/text_lines.h"

namespace kven::test {

// The KVEN text of a puzzle: two puzzles with the same text agree on every
// field the language carries.
inline TextLineList KvenText(const Puzzle& p) { return EncodeText(p); }

inline Puzzle FromKvenText(const std::string& text) {
  Puzzle p;
  NullView view;
  EXPECT_EQ(DecodeText(TextLines(text), p, view), DecodeResult::Decoded) << text;
  return p;
}

// Same KVEN text, and for automatic numbering the same numbers and lists,
// which the text leaves to the reader.
inline void ExpectSameAsKven(const Puzzle& got, const Puzzle& want, const std::string& where) {
  EXPECT_EQ(KvenText(got), KvenText(want)) << where;
  if (!want.AutoNumbered) return;
  EXPECT_TRUE(got.AutoNumbered) << where;
  EXPECT_EQ(got.AcrossNumbers, want.AcrossNumbers) << where;
  EXPECT_EQ(got.DownNumbers, want.DownNumbers) << where;
  for (int r = 1; r <= want.VSquares; ++r)
    for (int c = 1; c <= want.HSquares; ++c) EXPECT_EQ(got.Numbers(c, r), want.Numbers(c, r)) << where;
}

}  // namespace kven::test
