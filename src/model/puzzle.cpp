#include "model/puzzle.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kven {

void SquareIndexFault(int col, int row) {
  std::fprintf(stderr, "kven: square index [%d, %d] outside 1..30\n", col, row);
  std::abort();
}

int SquaresWithoutLetter(const Puzzle& p) {
  int missing = 0;
  for (int row = 1; row <= std::clamp(p.VSquares, 0, MaxSide); ++row)
    for (int col = 1; col <= std::clamp(p.HSquares, 0, MaxSide); ++col) {
      const char letter = p.Letters(col, row);
      if (p.Blocks(col, row) == 0 && (letter < 'A' || letter > 'Z')) ++missing;
    }
  return missing;
}

Puzzle DrawnDiagram(const Puzzle& p) {
  Puzzle d = p;
  d.HSquares = std::clamp(p.HSquares, 0, MaxSide);
  d.VSquares = std::clamp(p.VSquares, 0, MaxSide);
  const DiagramKind kind = ReadKind(DiagramKindOf(p));
  if (!HasBlockKind(kind)) d.Blocks.Fill(0);
  if (!HasBarKind(kind)) {
    d.HBars.Fill(0);
    d.VBars.Fill(0);
  }
  return d;
}

bool IsMarkSet(const Puzzle& p, const MarkAt& mark) {
  switch (mark.kind) {
    case Mark::Block: return p.Blocks(mark.col, mark.row) != 0;
    case Mark::HBar: return p.HBars(mark.col, mark.row) != 0;
    case Mark::VBar: return p.VBars(mark.col, mark.row) != 0;
  }
  return false;
}

bool AnyMarkSet(const Puzzle& p, Mark kind) {
  for (int row = 1; row <= std::min(p.VSquares, MaxSide); ++row)
    for (int col = 1; col <= std::min(p.HSquares, MaxSide); ++col)
      if (IsMarkSet(p, {kind, col, row})) return true;
  return false;
}

bool HasAllPartners(const Puzzle& p, std::int32_t order) {
  for (const Mark kind : {Mark::Block, Mark::HBar, Mark::VBar}) {
    for (int row = 1; row <= p.VSquares; ++row) {
      for (int col = 1; col <= p.HSquares; ++col) {
        const MarkAt mark{kind, col, row};
        if (!IsMarkSet(p, mark)) continue;
        for (const MarkAt& partner : SymmetricPartners(mark, order, p.HSquares, p.VSquares))
          if (!IsMarkSet(p, partner)) return false;
      }
    }
  }
  return true;
}

std::int32_t SquareNumber(const Puzzle& p, int col, int row) { return (row - 1) * p.HSquares + col; }

bool SquareFromNumber(const Puzzle& p, std::int32_t n, int& col, int& row) {
  if (p.HSquares < 1 || n < 1 || n > p.HSquares * p.VSquares) return false;
  const int c = (n - 1) % p.HSquares + 1;
  const int r = (n - 1) / p.HSquares + 1;
  if (!InGrid(p, c, r)) return false;
  col = c;
  row = r;
  return true;
}

void ResetPuzzle(Puzzle& p, PuzzleView& view) {
  GridView& grid = view.Grid();
  grid.SetBrushWhite();
  p.HSquares = std::clamp(p.HSquares, MinSide, MaxSide);
  p.VSquares = std::clamp(p.VSquares, MinSide, MaxSide);
  grid.SetSquareCount(p.HSquares, p.VSquares);
  view.FitWindowToGrid(p.HSquares, p.VSquares);
  view.ShowSize(p.HSquares, p.VSquares);
  view.EnableFourfold();
  if (OddFlags(p) > 0) view.WithdrawFourfoldUnlessBlockChecked();
  grid.FillSquaresWhite();
  p.Blocks.Fill(0);
  p.HBars.Fill(0);
  p.VBars.Fill(0);
  p.Letters.Fill('.');
  p.Numbers.Fill(0);
  p.Title.clear();
  view.SetTitleField(p.Title);
  view.HideNumberEntry();
}

void ToggleBlock(Puzzle& p, GridView& view, int col, int row) {
  if (col == 0 || row == 0) return;
  if (!InGrid(p, col, row)) return;  // never reached by the program's own callers
  SetDiagramKind(p, DiagramKind::Blocks);
  p.Blocks(col, row) ^= 1;
  view.InvalidateGrid();
}

void ToggleHBar(Puzzle& p, int col, int row) {
  SetDiagramKind(p, DiagramKind::Bars);
  if (row == p.VSquares || row == 0 || col == 0) return;
  if (!InGrid(p, col, row)) return;
  p.HBars(col, row) ^= 1;
}

void ToggleVBar(Puzzle& p, int col, int row) {
  SetDiagramKind(p, DiagramKind::Bars);
  if (col == p.HSquares || col == 0 || row == 0) return;
  if (!InGrid(p, col, row)) return;
  p.VBars(col, row) ^= 1;
}

void ToggleMark(Puzzle& p, GridView& view, const MarkAt& mark) {
  switch (mark.kind) {
    case Mark::Block: ToggleBlock(p, view, mark.col, mark.row); break;
    case Mark::HBar: ToggleHBar(p, mark.col, mark.row); break;
    case Mark::VBar: ToggleVBar(p, mark.col, mark.row); break;
  }
}

void PaintLetter(Puzzle& p, GridView& view, int col, int row, char ch) {
  p.HasSolution = true;
  view.DrawLetter(col, row, ch);
  p.Letters(col, row) = ch;
}

namespace {

void SetFreshPuzzle(Puzzle& p, EditorState& e, PuzzleView& view) {
  p.HSquares = 12;
  p.VSquares = 12;
  p.AcrossCount = 0;
  p.DownCount = 0;
  ResetPuzzle(p, view);
  p.Symmetry = Twofold;
  SetDiagramKind(p, DiagramKind::None);
  SetNumberingKind(p, NumberingKind::None);
  p.HasSolution = false;
  e.NextNumber = 1;
  e.EntryMode = EntryMode::Hbar;
  e.Direction = Direction::Right;
}

}  // namespace

void StartUpPuzzle(Puzzle& p, EditorState& e, PuzzleView& view) {
  e.BarWidth = DefaultBarWidth;
  e.CursorCol = 1;
  e.CursorRow = 1;
  SetFreshPuzzle(p, e, view);
}

void NewPuzzle(Puzzle& p, EditorState& e, PuzzleView& view) { SetFreshPuzzle(p, e, view); }

}  // namespace kven
