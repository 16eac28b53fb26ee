// KVEN puzzles go out as ipuz and come back as the same KVEN text: the
// diagram, numbers, title and solution in the document's own fields, the
// symmetry and numbering kind in the program's extension.
#include <gtest/gtest.h>

#include <random>

#include "editing/numbering.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "formats/kven_text.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using test::ExpectSameAsKven;
using test::FreshPuzzle;
using test::FromKvenText;

Puzzle ThroughIpuz(const Puzzle& p, const std::string& where) {
  const std::string document = WriteIpuz(p);
  const IpuzImport back = ReadIpuz(document);
  EXPECT_EQ(back.outcome, IpuzOutcome::Imported) << where << ": " << back.message;
  EXPECT_EQ(back.solutionCellsLeftEmpty, 0) << where;
  EXPECT_EQ(WriteIpuz(back.puzzle), document) << where;  // nothing drifts on a second pass
  return back.puzzle;
}

TEST(IpuzRoundTrip, Examples) {
  // Among them a twofold diagram that happens to be fourfold, and hand
  // numbers that equal the automatic ones.
  for (const char* name : {"bar-fourfold.txt", "block-twofold.txt", "manual-numbers.txt"}) {
    const Puzzle source = FromKvenText(test::ReadExample(name));
    ExpectSameAsKven(ThroughIpuz(source, name), source, name);
  }
}

TEST(IpuzRoundTrip, AutomaticNumbersBeyond100EntriesComeBackAsHandNumbers) {
  Puzzle p = FreshPuzzle(30, 30, 0);
  NullGridView view;
  for (int r = 1; r <= 30; ++r)
    for (int c = 4; c <= 28; c += 4) ToggleBlock(p, view, c, r);  // 8 across entries a row
  EXPECT_THROW(AutoNumber(p, view), RangeError);
  p.AutoNumbered = false;
  p.ManualNumbered = true;
  ExpectSameAsKven(ThroughIpuz(p, "240 across entries"), p, "240 across entries");
}

enum class Numbering { Auto, Manual, None };

// A random diagram made symmetric under its symmetry (fourfold bars on
// square grids only), with no bar on the outer border.
Puzzle RandomDiagram(std::mt19937& rng, int h, int v, int symmetry, bool bars) {
  Puzzle p = FreshPuzzle(h, v, symmetry);
  (bars ? p.BarDiagram : p.BlockDiagram) = true;
  const int marks = h * v * std::uniform_int_distribution<int>(0, 25)(rng) / 200;
  for (int i = 0; i < marks; ++i) {
    const Mark kind = !bars ? Mark::Block : rng() % 2 ? Mark::VBar : Mark::HBar;
    const int c = std::uniform_int_distribution<int>(1, kind == Mark::VBar ? h - 1 : h)(rng);
    const int r = std::uniform_int_distribution<int>(1, kind == Mark::HBar ? v - 1 : v)(rng);
    test::SetWithPartners(p, {kind, c, r});
  }
  return p;
}

TEST(IpuzRoundTrip, RandomPuzzlesComeBackAsTheSameKvenText) {
  std::mt19937 rng(20261209);
  std::uniform_int_distribution<int> percent(0, 99);
  int checked = 0;
  for (int h = 5; h <= 30; ++h) {
    for (int v = 5; v <= 30; ++v) {
      for (int symmetry : {0, 2, 4}) {
        const bool bars = (h + v + symmetry) % 2 == 0 && (symmetry != 4 || h == v);
        const auto numbering = static_cast<Numbering>((h * 7 + v * 3 + symmetry) % 3);
        Puzzle p = RandomDiagram(rng, h, v, symmetry, bars);
        NullGridView view;
        if (numbering == Numbering::Auto) {
          try {
            AutoNumber(p, view);
          } catch (const RangeError&) {
            continue;  // the KVEN text could not carry it
          }
        }
        const std::string where = std::to_string(h) + "x" + std::to_string(v) + " sym " + std::to_string(symmetry);
        bool numbered = false;
        for (int r = 1; r <= v; ++r) {
          for (int c = 1; c <= h; ++c) {
            if (p.Blocks(c, r) != 0) continue;
            if (numbering == Numbering::Manual && (percent(rng) < 30 || !numbered)) {
              p.Numbers(c, r) = std::uniform_int_distribution<int>(1, 999)(rng);
              numbered = true;
            }
          }
        }
        p.ManualNumbered = numbering == Numbering::Manual;
        const int letters = percent(rng);  // none, all letters, or letters, blanks and no-letters
        p.HasSolution = letters >= 30;
        const std::string alphabet = letters >= 65 ? "ABCDEFGHIJKLMNOPQRSTUVWXYZ" : " .ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        for (int r = 1; r <= v && p.HasSolution; ++r)
          for (int c = 1; c <= h; ++c)
            if (p.Blocks(c, r) == 0) p.Letters(c, r) = alphabet[rng() % alphabet.size()];
        const int titleLength = std::uniform_int_distribution<int>(0, 251)(rng);
        while (static_cast<int>(p.Title.size()) < titleLength) {
          const char ch = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(rng));
          // Line breaks are not in a KVEN title; "MN" or "NN" would read as a numbering line.
          if (ch == '\r' || ch == '\n' || (numbering == Numbering::Auto && ch == 'N')) continue;
          p.Title += ch;
        }
        ExpectSameAsKven(ThroughIpuz(p, where), p, where);
        if (::testing::Test::HasFailure()) return;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1500);
}

}  // namespace
}  // namespace kven
