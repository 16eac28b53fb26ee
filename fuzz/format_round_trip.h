#pragma once

// The checks the fuzz harnesses of the .puz, .jpz and .xd readers share:
// any bytes give a clean refusal, "not this format", or a puzzle that keeps
// the model's invariants and that its own export in the format reads back
// as, first time and every time after.
#include <string>
#include <string_view>

#include "document/export.h"
#include "formats/format_messages.h"
#include "formats/import.h"
#include "puzzle_invariants.h"

namespace {

using Reader = kven::Import (*)(std::string_view);

void CheckStyles(const kven::Import& got) {
  const Puzzle& p = got.puzzle;
  for (int c = 1; c <= 30; ++c)
    for (int r = 1; r <= 30; ++r) {
      const bool open = c <= p.HSquares && r <= p.VSquares && p.Blocks(c, r) == 0;
      Check(open || got.styles(c, r).Plain(), "styles only on open squares");
    }
}

kven::DocumentContent ContentOf(const kven::Import& got) { return {got.puzzle, got.clues, got.styles}; }

void CheckFormatImport(const kven::Import& got, kven::FileFormat format, Reader read) {
  // "Cannot import this Across Lite puzzle: " and then the reason.
  const std::string refusal = kven::message::ImportRefusal(format, "");
  if (!CheckImported(got, std::string_view(refusal).substr(0, refusal.size() - 1))) return;
  const Puzzle& p = got.puzzle;
  CheckInvariants(p);
  CheckStyles(got);
  Check(got.solutionCellsLeftEmpty >= 0 && got.solutionCellsLeftEmpty <= p.HSquares * p.VSquares,
        "left-empty count within the grid");

  const kven::Exported first = kven::ExportDocument(ContentOf(got), format);
  if (first.refused) {
    const kven::FormatLosses lost = kven::LossesOf(ContentOf(got), format);
    Check(lost.bars || lost.handNumbers, "refused only for what the format cannot hold");
    return;
  }
  const kven::Import back = read(first.bytes);
  Check(back.outcome == kven::ImportOutcome::Imported, "export reads back");
  Check(back.notes.empty(), "export reads back without notes");
  Check(back.solutionCellsLeftEmpty == 0, "export leaves no square's letter unread");
  Check(KvenText(back.puzzle) == KvenText(p), "export reads back as the same puzzle");
  const kven::Exported second = kven::ExportDocument(ContentOf(back), format);
  Check(!second.refused, "a second export is written");
  const kven::Import again = read(second.bytes);
  Check(again.clues == back.clues && again.styles == back.styles, "a second export keeps clues and styles");
  Check(kven::ExportDocument(ContentOf(again), format).bytes == second.bytes, "export is stable");
}

}  // namespace
