// Feeds arbitrary bytes as an ipuz document to the reader. Every imported
// puzzle must keep the model's invariants, read back from its own KVEN text
// where the language can carry it, and come back unchanged from its own
// ipuz export; every other outcome must be a clean refusal or "not ipuz".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle_invariants.h"
#include "formats/ipuz_reader.h"
#include "formats/ipuz_writer.h"
#include "text/decoder.h"
#include "text/encoder.h"

namespace {

using kven::Puzzle;

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
  if (!CheckImported(got, "Cannot import this ipuz puzzle: ")) return 0;
  const Puzzle& p = got.puzzle;
  CheckInvariants(p);
  Check(got.solutionCellsLeftEmpty >= 0 && got.solutionCellsLeftEmpty <= p.HSquares * p.VSquares,
        "left-empty count within the grid");

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
