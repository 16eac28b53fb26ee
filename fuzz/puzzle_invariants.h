#pragma once

// What every imported puzzle must be, whatever bytes it came from: the
// model's invariants, checked by the fuzz harnesses of the readers.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/numbering.h"
#include "formats/import.h"
#include "model/puzzle.h"
#include "text/encoder.h"

namespace {

using kven::Puzzle;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

[[maybe_unused]] void CheckSameNumbering(const Puzzle& a, const Puzzle& b, const char* what) {
  Check(a.AcrossCount == b.AcrossCount && a.DownCount == b.DownCount, what);
  Check(a.AcrossNumbers == b.AcrossNumbers && a.DownNumbers == b.DownNumbers, what);
  for (int c = 1; c <= a.HSquares; ++c)
    for (int r = 1; r <= a.VSquares; ++r) Check(a.Numbers(c, r) == b.Numbers(c, r), what);
}

[[maybe_unused]] void CheckInvariants(const Puzzle& p) {
  const int H = p.HSquares;
  const int V = p.VSquares;
  Check(H >= 5 && H <= 30 && V >= 5 && V <= 30, "size within 5..30");
  // Blocks and bars together make a diagram of both kinds.
  Check(p.BlockDiagram || p.BarDiagram, "a diagram kind");
  Check(p.Symmetry == 0 || p.Symmetry == 2 || p.Symmetry == 4, "symmetry 0, 2 or 4");
  Check(!(p.BarDiagram && p.Symmetry == 4 && H != V), "fourfold bars only on a square grid");
  Check(!(p.AutoNumbered && p.ManualNumbered), "one numbering kind");
  Check(p.AcrossCount >= 0 && p.AcrossCount <= kven::MaxEntries && p.DownCount >= 0 && p.DownCount <= kven::MaxEntries,
        "counts within the lists");
  Check(p.Title.size() <= 255, "title <= 255");
  Check(p.Title.find_first_of("\r\n") == std::string::npos, "title on one line");
  for (int c = 1; c <= 30; ++c) {
    for (int r = 1; r <= 30; ++r) {
      const bool inGrid = c <= H && r <= V;
      Check(p.Blocks(c, r) <= 1 && p.HBars(c, r) <= 1 && p.VBars(c, r) <= 1, "flags are 0 or 1");
      Check(p.Blocks(c, r) == 0 || (inGrid && p.BlockDiagram), "blocks only in a block diagram");
      // Our own ipuz export keeps a bar below the last row or right of the last column.
      Check(p.HBars(c, r) == 0 || (inGrid && p.BarDiagram), "bottom bars in the grid, in a bar diagram");
      Check(p.VBars(c, r) == 0 || (inGrid && p.BarDiagram), "right bars in the grid, in a bar diagram");
      const char l = p.Letters(c, r);
      Check(l == '.' || kven::IsLetterOrBlank(l), "letters are '.', blank or A..Z");
      Check(l == '.' || (inGrid && p.HasSolution && p.Blocks(c, r) == 0), "letters only in open squares");
      const std::int32_t n = p.Numbers(c, r);
      Check(n >= 0, "numbers are not negative");
      Check(n == 0 || (inGrid && (p.AutoNumbered || p.ManualNumbered)), "numbers only in a numbered puzzle");
      Check(n == 0 || p.Blocks(c, r) == 0 || p.ManualNumbered, "numbers of blocks only by hand");
    }
  }
  if (p.AutoNumbered) {
    Puzzle renumbered = p;
    kven::NullGridView view;
    kven::AutoNumber(renumbered, view);
    CheckSameNumbering(p, renumbered, "automatic numbers are the automatic ones");
  }
}

// Whether a reader imported a puzzle; any other outcome must be clean: no
// message for bytes that are none of the format's, a refusal on one line
// that begins as the format's refusals do.
[[maybe_unused]] bool CheckImported(const kven::Import& got, std::string_view refusalStart) {
  switch (got.outcome) {
    case kven::ImportOutcome::NotRecognised:
      Check(got.message.empty(), "no message when not recognised");
      return false;
    case kven::ImportOutcome::Refused:
      Check(got.message.starts_with(refusalStart), "refusal says so");
      Check(got.message.find('\n') == std::string::npos, "refusal on one line");
      return false;
    case kven::ImportOutcome::Imported:
      break;
  }
  Check(got.message.empty(), "no message when imported");
  return true;
}

[[maybe_unused]] kven::TextLineList KvenText(const Puzzle& p) { return kven::EncodeText(p); }

}  // namespace
