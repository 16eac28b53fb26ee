#include "editing/symmetry.h"

#include "editing/numbering.h"
#include "editing/solution_entry.h"

namespace kven {

bool IsCentreSquare(const Puzzle& p, int col, int row) {
  return p.OddFlags == 3 && col == p.HalfH && row == p.HalfV;
}

bool InFirstQuadrant(const Puzzle& p, int col, int row) { return col <= p.HalfH && row <= p.HalfV; }

bool InTwofoldInputRegion(const Puzzle& p, Mark kind, int col, int row) {
  const bool inside = col <= p.HSquares && row <= p.HalfV;
  const bool hbar = kind == Mark::HBar;
  // On the centre line a square and its partner both lie in the top half, so
  // only the left one of each pair may be entered there.
  switch (p.OddFlags) {
    case 0:
      return hbar ? inside && (row != p.HalfV || col <= p.HalfH) : inside;
    case 1:
      return hbar ? inside && (row != p.HalfV || col < p.HalfH) : inside;
    case 2:
      return hbar ? col <= p.HSquares && row < p.HalfV : inside && (row != p.HalfV || col <= p.HalfH);
    case 3:
      return hbar ? inside && row < p.HalfV : inside && (row != p.HalfV || col < p.HalfH);
    default:
      return false;
  }
}

bool IsOwnTwofoldPartner(const Puzzle& p, Mark kind, int col, int row) {
  if (col != p.HalfH || row != p.HalfV) return false;
  if (kind == Mark::VBar) return p.OddFlags == 2;
  if (kind == Mark::HBar) return p.OddFlags == 1;
  return false;
}

namespace {

// Whether a click on the mark enters it under the puzzle's symmetry. Every
// other square is a partner of one that does (or, for unknown orders, none
// does). The squares that are their own partners lie outside the twofold
// region and are let in by name.
bool EntersMark(const Puzzle& p, const MarkAt& mark) {
  const auto [kind, col, row] = mark;
  switch (p.Symmetry) {
    case NoSymmetry:
      return true;
    case Twofold:
      return InTwofoldInputRegion(p, kind, col, row) ||
             (kind == Mark::Block ? IsCentreSquare(p, col, row) : IsOwnTwofoldPartner(p, kind, col, row));
    case Fourfold:
      // Bars need quarter turns; on a grid whose sides differ their click is refused.
      return InFirstQuadrant(p, col, row) &&
             (kind == Mark::Block || HasQuarterTurns(p.Symmetry, p.HSquares, p.VSquares));
    default:
      return false;
  }
}

}  // namespace

void ToggleMarkSymmetric(Puzzle& p, GridView& view, const MarkAt& mark) {
  const bool block = mark.kind == Mark::Block;
  if (!TakesMark(DiagramKindOf(p), mark.kind)) return;
  // The click decides the kind, also where it enters nothing.
  SetDiagramKind(p, block ? DiagramKind::Blocks : DiagramKind::Bars);
  if (EntersMark(p, mark)) {
    ToggleMark(p, view, mark);
    for (const MarkAt& partner : SymmetricPartners(mark, p.Symmetry, p.HSquares, p.VSquares))
      ToggleMark(p, view, partner);
  }
  if (block) view.InvalidateGrid();
}

void KvenGridMouseDown(Puzzle& p, EditorState& e, PuzzleView& view, int col, int row) {
  // Header cells and points beside the squares are no click at all.
  if (!InGrid(p, col, row)) return;
  GridView& grid = view.Grid();
  switch (e.EntryMode) {
    case EntryMode::Block:
      ToggleMarkSymmetric(p, grid, {Mark::Block, col, row});
      break;
    case EntryMode::Hbar:
      ToggleMarkSymmetric(p, grid, {Mark::HBar, col, row});
      break;
    case EntryMode::Vbar:
      ToggleMarkSymmetric(p, grid, {Mark::VBar, col, row});
      break;
    case EntryMode::Solution:
      PlaceCursor(p, e, grid, col, row);
      break;
    case EntryMode::ManualNumber:
      EnterManualNumber(p, e, view, col, row);
      break;
    default:
      break;
  }
  grid.RepaintGrid();
}

}  // namespace kven
