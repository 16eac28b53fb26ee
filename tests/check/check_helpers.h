#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/check_diagram.h"
#include "support/test_puzzles.h"

namespace kven::testing {

using Lines = std::vector<std::string>;

// A puzzle read from KVEN text; the text must decode.
inline Puzzle Decode(Lines lines) {
  Puzzle p = FreshPuzzle();
  DecodeLines(p, std::move(lines));
  EXPECT_GE(p.HSquares, 5) << "text did not decode";
  return p;
}

// "1,1 2,1 3,1".
inline std::string SquaresText(const std::vector<SquarePos>& squares) {
  std::string out;
  for (const SquarePos& s : squares)
    out += (out.empty() ? "" : " ") + std::to_string(s.col) + "," + std::to_string(s.row);
  return out;
}

// The findings of one rule.
inline std::vector<Finding> FindingsOf(const CheckReport& r, CheckRule rule) {
  std::vector<Finding> out;
  for (const Finding& f : r.findings)
    if (f.rule == rule) out.push_back(f);
  return out;
}

// The squares of each finding of one rule, as SquaresText.
inline std::vector<std::string> FindingSquares(const CheckReport& r, CheckRule rule) {
  std::vector<std::string> out;
  for (const Finding& f : FindingsOf(r, rule)) out.push_back(SquaresText(f.squares));
  return out;
}

// The texts of each finding of one rule.
inline std::vector<std::string> FindingTexts(const CheckReport& r, CheckRule rule) {
  std::vector<std::string> out;
  for (const Finding& f : FindingsOf(r, rule)) out.push_back(f.text);
  return out;
}

}  // namespace kven::testing
