// KVEN puzzles go out as ipuz and come back as the same KVEN text, within
// what ipuz carries: the symmetry is read from the diagram, and hand numbers
// equal to the automatic ones come back as automatic numbering.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "editing/numbering.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "formats/kven_text.h"
#include "model/marks.h"
#include "support/test_puzzles.h"

namespace kven {
namespace {

using testing::ExpectSameAsKven;
using testing::FreshPuzzle;
using testing::FromKvenText;

Puzzle ThroughIpuz(const Puzzle& p, const std::string& where) {
  const std::string document = WriteIpuz(p);
  const IpuzImport back = ReadIpuz(document);
  EXPECT_EQ(back.outcome, IpuzOutcome::Imported) << where << ": " << back.message;
  EXPECT_EQ(back.solutionCellsLeftEmpty, 0) << where;
  EXPECT_EQ(WriteIpuz(back.puzzle), document) << where;  // nothing drifts on a second pass
  return back.puzzle;
}

TEST(IpuzRoundTrip, Examples) {
  const struct {
    const char* name;
    int symmetry;  // the diagram's own, which may be stronger than the text's
    bool becomesAutomatic;
  } cases[] = {
      {"bar-fourfold.txt", 4, false},
      {"block-twofold.txt", 4, false},  // both blocks lie on the middle column
      {"manual-numbers.txt", 2, true},  // its hand numbers are the automatic ones
  };
  for (const auto& c : cases) {
    Puzzle source = FromKvenText(testing::ReadExample(c.name));
    const Puzzle back = ThroughIpuz(source, c.name);
    source.Symmetry = c.symmetry;
    if (c.becomesAutomatic) {
      source.ManualNumbered = false;
      source.AutoNumbered = true;
      BuildEntryLists(source);  // from the file's own numbers
    }
    ExpectSameAsKven(back, source, c.name);
  }
}

TEST(IpuzRoundTrip, AutomaticNumbersBeyond100EntriesComeBackAsHandNumbers) {
  Puzzle p = FreshPuzzle(30, 30, 0);
  NullView view;
  for (int r = 1; r <= 30; ++r)
    for (int c = 4; c <= 28; c += 4) ToggleBlock(p, view, c, r);  // 8 across entries a row
  EXPECT_THROW(AutoNumber(p, view), RangeError);
  p.AutoNumbered = false;
  p.ManualNumbered = true;
  ExpectSameAsKven(ThroughIpuz(p, "240 across entries"), p, "240 across entries");
}

enum class Numbering { Auto, Manual, None };

using Marks = std::set<std::tuple<Mark, int, int>>;

// The images of a mark: half turn, then mirror images (blocks) or quarter turns (bars).
Marks Orbit(Mark kind, int c, int r, int symmetry, int h, int v) {
  Marks orbit = {{kind, c, r}};
  if (symmetry >= 2 && kind == Mark::Block) orbit.insert({Mark::Block, h - c + 1, v - r + 1});
  if (symmetry >= 2 && kind == Mark::HBar) orbit.insert({Mark::HBar, h - c + 1, v - r});
  if (symmetry >= 2 && kind == Mark::VBar) orbit.insert({Mark::VBar, h - c, v - r + 1});
  if (symmetry == 4 && kind == Mark::Block) orbit.insert({{Mark::Block, h - c + 1, r}, {Mark::Block, c, v - r + 1}});
  if (symmetry == 4 && kind == Mark::HBar) orbit.insert({{Mark::VBar, h - r, c}, {Mark::VBar, r, v - c + 1}});
  if (symmetry == 4 && kind == Mark::VBar) orbit.insert({{Mark::HBar, v - r + 1, c}, {Mark::HBar, r, v - c}});
  return orbit;
}

void Put(Puzzle& p, const Marks& marks, std::uint8_t value) {
  for (const auto& [kind, c, r] : marks)
    (kind == Mark::Block ? p.Blocks : kind == Mark::HBar ? p.HBars : p.VBars)(c, r) = value;
}

// A diagram whose strongest symmetry is exactly `symmetry`: random orbits,
// then one orbit set and its images under the next order cleared.
Puzzle RandomDiagram(std::mt19937& rng, int h, int v, int symmetry, bool bars) {
  Puzzle p = FreshPuzzle(h, v, symmetry);
  (bars ? p.BarDiagram : p.BlockDiagram) = true;
  std::uniform_int_distribution<int> percent(0, 99);
  const int marks = h * v * std::uniform_int_distribution<int>(0, 25)(rng) / 200;
  for (int i = 0; i < marks; ++i) {
    const bool across = percent(rng) < 50;
    const Mark kind = !bars ? Mark::Block : across ? Mark::VBar : Mark::HBar;
    const int c = std::uniform_int_distribution<int>(1, kind == Mark::VBar ? h - 1 : h)(rng);
    const int r = std::uniform_int_distribution<int>(1, kind == Mark::HBar ? v - 1 : v)(rng);
    Put(p, Orbit(kind, c, r, symmetry, h, v), 1);
  }
  const Mark corner = bars ? Mark::HBar : Mark::Block;
  if (symmetry == 0) {
    Put(p, {{corner, 1, 1}}, 1);
    Put(p, Orbit(corner, 1, 1, 2, h, v), 0);
    Put(p, {{corner, 1, 1}}, 1);
  } else if (symmetry == 2 && (!bars || h == v)) {
    Put(p, Orbit(corner, 1, 1, 4, h, v), 0);
    Put(p, Orbit(corner, 1, 1, 2, h, v), 1);
  } else {
    Put(p, Orbit(corner, 1, 1, symmetry, h, v), 1);  // a bar diagram has a bar
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
        NullView view;
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
