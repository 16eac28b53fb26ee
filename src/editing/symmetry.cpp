#include "editing/symmetry.h"

#include "editing/numbering.h"
#include "editing/solution_entry.h"

namespace kven {

bool IsCentreSquare(const Puzzle& p, int col, int row) {
  return p.OddFlags == 3 && col == p.HalfH && row == p.HalfV;
}

bool InFirstQuadrant(const Puzzle& p, int col, int row) {
  return col <= p.HalfH && row <= p.HalfV;
}

bool OnMiddleRow(const Puzzle& p, int col, int row) {
  return !IsCentreSquare(p, col, row) && p.VSquares % 2 == 1 && row == p.HalfV && col <= p.HalfH;
}

bool OnMiddleColumn(const Puzzle& p, int col, int row) {
  return !IsCentreSquare(p, col, row) && p.HSquares % 2 == 1 && col == p.HalfH && row <= p.HalfV;
}

bool InTwofoldInputRegion(const Puzzle& p, std::int32_t entryMode, int col, int row) {
  const bool inside = col <= p.HSquares && row <= p.HalfV;
  const bool hbar = entryMode == Hbar;
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

bool IsOwnTwofoldPartner(const Puzzle& p, std::int32_t entryMode, int col, int row) {
  if (col != p.HalfH || row != p.HalfV) return false;
  if (entryMode == Vbar) return p.OddFlags == 2;
  if (entryMode == Hbar) return p.OddFlags == 1;
  return false;
}

void ToggleBlockSymmetric(Puzzle& p, GridView& view, int col, int row) {
  if (p.BarDiagram) return;
  p.BlockDiagram = true;
  const int h = p.HSquares;
  const int v = p.VSquares;
  switch (p.Symmetry) {
    case 0:
      ToggleBlock(p, view, col, row);
      break;
    case 2:
      if (InTwofoldInputRegion(p, Block, col, row)) {
        ToggleBlock(p, view, col, row);
        ToggleBlock(p, view, h - col + 1, v - row + 1);
      }
      // The centre square is its own partner and lies outside the region.
      if (IsCentreSquare(p, col, row)) ToggleBlock(p, view, col, row);
      break;
    case 4:
      if (InFirstQuadrant(p, col, row)) {
        ToggleBlock(p, view, col, row);
        ToggleBlock(p, view, h - col + 1, v - row + 1);
        ToggleBlock(p, view, h - col + 1, row);
        ToggleBlock(p, view, col, v - row + 1);
      }
      // On a centre line two of the four images coincide and cancel out;
      // these extra toggles set the square and its one remaining image again.
      if (OnMiddleRow(p, col, row)) {
        ToggleBlock(p, view, col, row);
        ToggleBlock(p, view, h - col + 1, row);
      }
      if (OnMiddleColumn(p, col, row)) {
        ToggleBlock(p, view, col, row);
        ToggleBlock(p, view, col, v - row + 1);
      }
      if (IsCentreSquare(p, col, row)) ToggleBlock(p, view, col, row);
      break;
    default:
      break;
  }
  view.InvalidateGrid();
}

namespace {

// Quarter turns map the grid onto itself only when both sides are equal; on
// any other grid a fourfold bar click is refused like one outside the quadrant.
bool AcceptsFourfoldBarClick(const Puzzle& p, int col, int row) {
  return p.HSquares == p.VSquares && InFirstQuadrant(p, col, row);
}

// A bar click under Symmetry. A bar's half turn is a bar of the same kind; its
// quarter turns are bars of the other kind.
void ToggleBarSymmetric(Puzzle& p, std::int32_t mode, int col, int row) {
  if (p.BlockDiagram) return;
  p.BarDiagram = true;
  const bool horizontal = mode == Hbar;
  void (*const own)(Puzzle&, int, int) = horizontal ? ToggleHBar : ToggleVBar;
  void (*const turned)(Puzzle&, int, int) = horizontal ? ToggleVBar : ToggleHBar;
  const int h = p.HSquares;
  const int v = p.VSquares;
  // The bottom edge of (col, row) turns into that of (h - col + 1, v - row);
  // the right edge into that of (h - col, v - row + 1).
  const int halfCol = horizontal ? h - col + 1 : h - col;
  const int halfRow = horizontal ? v - row : v - row + 1;
  switch (p.Symmetry) {
    case 0:
      own(p, col, row);
      break;
    case 2:
      if (InTwofoldInputRegion(p, mode, col, row)) {
        own(p, col, row);
        own(p, halfCol, halfRow);
      }
      if (IsOwnTwofoldPartner(p, mode, col, row)) own(p, col, row);
      break;
    case 4:
      if (AcceptsFourfoldBarClick(p, col, row)) {
        own(p, col, row);
        own(p, halfCol, halfRow);
        if (horizontal) {
          turned(p, h - row, col);
          turned(p, row, v - col + 1);
        } else {
          turned(p, h - row + 1, col);
          turned(p, row, v - col);
        }
      }
      break;
    default:
      break;
  }
}

}  // namespace

void ToggleHBarSymmetric(Puzzle& p, int col, int row) { ToggleBarSymmetric(p, Hbar, col, row); }

void ToggleVBarSymmetric(Puzzle& p, int col, int row) { ToggleBarSymmetric(p, Vbar, col, row); }

void KvenGridMouseDown(Puzzle& p, EditorState& e, PuzzleView& view, int col, int row) {
  // Header cells and points beside the squares are no click at all.
  if (!InGrid(p, col, row)) return;
  switch (e.EntryMode) {
    case Block:
      ToggleBlockSymmetric(p, view, col, row);
      break;
    case Hbar:
      ToggleHBarSymmetric(p, col, row);
      break;
    case Vbar:
      ToggleVBarSymmetric(p, col, row);
      break;
    case Solution:
      PlaceCursor(p, e, view, col, row);
      break;
    case ManualNumber:
      EnterManualNumber(p, e, view, col, row);
      break;
    default:
      break;
  }
  view.RepaintGrid();
}

}  // namespace kven
