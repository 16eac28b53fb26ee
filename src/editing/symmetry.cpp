#include "editing/symmetry.h"

#include "editing/numbering.h"
#include "editing/solution_entry.h"

namespace kven {

bool IsCentreSquare(const Puzzle& p, int col, int row) {
  return OddFlags(p) == 3 && col == HalfH(p) && row == HalfV(p);
}

bool InFirstQuadrant(const Puzzle& p, int col, int row) { return col <= HalfH(p) && row <= HalfV(p); }

bool InTwofoldInputRegion(const Puzzle& p, Mark kind, int col, int row) {
  const bool inside = col <= p.HSquares && row <= HalfV(p);
  const bool hbar = kind == Mark::HBar;
  // On the centre line a square and its partner both lie in the top half, so
  // only the left one of each pair may be entered there.
  switch (OddFlags(p)) {
    case 0:
      return hbar ? inside && (row != HalfV(p) || col <= HalfH(p)) : inside;
    case 1:
      return hbar ? inside && (row != HalfV(p) || col < HalfH(p)) : inside;
    case 2:
      return hbar ? col <= p.HSquares && row < HalfV(p) : inside && (row != HalfV(p) || col <= HalfH(p));
    case 3:
      return hbar ? inside && row < HalfV(p) : inside && (row != HalfV(p) || col < HalfH(p));
    default:
      return false;
  }
}

bool IsOwnTwofoldPartner(const Puzzle& p, Mark kind, int col, int row) {
  if (col != HalfH(p) || row != HalfV(p)) return false;
  if (kind == Mark::VBar) return OddFlags(p) == 2;
  if (kind == Mark::HBar) return OddFlags(p) == 1;
  return false;
}

// The squares that are their own partners lie outside the twofold region
// and are let in by name.
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

void ToggleMarkSymmetric(Puzzle& p, GridView& view, const MarkAt& mark) {
  const bool block = mark.kind == Mark::Block;
  const DiagramKind kind = DiagramKindOf(p);
  if (!TakesMark(kind, mark.kind)) return;
  // The click decides the kind, also where it enters nothing; only a diagram
  // that holds blocks and bars already stays of both kinds, or it would lose
  // the marks of the other.
  const bool both = kind == DiagramKind::Both && (AnyMarkSet(p, Mark::Block) || AnyMarkSet(p, Mark::HBar) ||
                                                  AnyMarkSet(p, Mark::VBar));
  const DiagramKind after = both ? DiagramKind::Both : block ? DiagramKind::Blocks : DiagramKind::Bars;
  SetDiagramKind(p, after);
  if (EntersMark(p, mark)) {
    ToggleMark(p, view, mark);
    for (const MarkAt& partner : SymmetricPartners(mark, p.Symmetry, p.HSquares, p.VSquares))
      ToggleMark(p, view, partner);
  }
  // Each toggle says its own kind.
  SetDiagramKind(p, after);
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
