// Feeds arbitrary bytes as an ipuz document to the reader. Every imported
// puzzle must keep the model's invariants, read back from its own KVEN text
// where the language can carry it, and come back unchanged from its own
// ipuz export; every other outcome must be a clean refusal or "not ipuz".
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/numbering.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "text/decoder.h"
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

kven::TextLineList KvenText(const Puzzle& p) { return kven::EncodeText(p); }

void CheckSameNumbering(const Puzzle& a, const Puzzle& b, const char* what) {
  Check(a.AcrossCount == b.AcrossCount && a.DownCount == b.DownCount, what);
  Check(a.AcrossNumbers == b.AcrossNumbers && a.DownNumbers == b.DownNumbers, what);
  for (int c = 1; c <= a.HSquares; ++c)
    for (int r = 1; r <= a.VSquares; ++r) Check(a.Numbers(c, r) == b.Numbers(c, r), what);
}

void CheckInvariants(const Puzzle& p) {
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
      // Our own export keeps a bar below the last row or right of the last column.
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

// Whether the KVEN text can carry the puzzle, so that it must read back.
bool KvenCarries(const Puzzle& p) {
  // The reader takes the bar lists after a block list for the numbering line.
  if (p.BlockDiagram && p.BarDiagram) return false;
  if (p.Title.size() > 251) return false;  // the TTL line is cut at 255
  // With automatic numbering the title line follows the diagram, where these read as a numbering.
  if (p.AutoNumbered && (p.Title.find("MN") != std::string::npos || p.Title.find("NN") != std::string::npos))
    return false;
  // A hand number wider than its field touches the one before it, except
  // first in its row.
  if (p.ManualNumbered)
    for (int r = 1; r <= p.VSquares; ++r)
      for (int c = 2; c <= p.HSquares; ++c)
        if (p.Numbers(c, r) > 999) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kven::Import got = kven::ReadIpuz(std::string_view(reinterpret_cast<const char*>(data), size));
  switch (got.outcome) {
    case kven::ImportOutcome::NotRecognised:
      Check(got.message.empty(), "no message when not ipuz");
      return 0;
    case kven::ImportOutcome::Refused:
      Check(got.message.starts_with("Cannot import this ipuz puzzle: "), "refusal says so");
      Check(got.message.find('\n') == std::string::npos, "refusal on one line");
      return 0;
    case kven::ImportOutcome::Imported:
      break;
  }
  const Puzzle& p = got.puzzle;
  CheckInvariants(p);
  Check(got.solutionCellsLeftEmpty >= 0 && got.solutionCellsLeftEmpty <= p.HSquares * p.VSquares,
        "left-empty count within the grid");
  Check(got.message.empty(), "no message when imported");

  const kven::TextLineList text = KvenText(p);
  if (KvenCarries(p)) {
    Puzzle again;
    kven::NullView view;
    Check(kven::DecodeText(kven::TextLines::FromLines(text), again, view) == kven::DecodeResult::Decoded,
          "KVEN text decodes");
    Check(KvenText(again) == text, "KVEN text reads back");
    if (p.AutoNumbered) CheckSameNumbering(p, again, "automatic numbers read back");
  }

  // The clues and facts: once exported, an export reads back to itself.
  const kven::Import cluedBack = kven::ReadIpuz(kven::WriteIpuz(p, got.clues));
  Check(cluedBack.outcome == kven::ImportOutcome::Imported, "export with clues imports");
  const std::string clued = kven::WriteIpuz(cluedBack.puzzle, cluedBack.clues);
  const kven::Import cluedAgain = kven::ReadIpuz(clued);
  Check(cluedAgain.clues == cluedBack.clues, "exported clues read back");
  Check(kven::WriteIpuz(cluedAgain.puzzle, cluedAgain.clues) == clued, "export with clues comes back the same");

  const std::string document = kven::WriteIpuz(p);
  const kven::Import back = kven::ReadIpuz(document);
  Check(back.outcome == kven::ImportOutcome::Imported, "export imports");
  Check(back.solutionCellsLeftEmpty == 0, "export leaves no solution cell empty");
  Check(KvenText(back.puzzle) == text, "export comes back as the same puzzle");
  if (p.AutoNumbered) CheckSameNumbering(p, back.puzzle, "export keeps the automatic numbers");
  Check(kven::WriteIpuz(back.puzzle) == document, "export is stable");
  return 0;
}
