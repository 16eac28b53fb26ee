#include "formats/imported_diagram.h"

#include "editing/numbering.h"

namespace kven {

namespace {

bool AnySet(const Puzzle& p, const SquareArray<std::uint8_t>& flags) {
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (flags(col, row) != 0) return true;
  return false;
}

// The numbers automatic numbering gives the diagram; false when its lists
// could not hold the entries (the numbers are complete all the same).
bool AutomaticNumbers(Puzzle& p) {
  NullGridView view;
  try {
    AutoNumber(p, view);
  } catch (const RangeError&) {
    return false;
  }
  return true;
}

}  // namespace

void SetKindByMarks(Puzzle& p) {
  const bool bars = AnySet(p, p.HBars) || AnySet(p, p.VBars);
  const bool blocks = AnySet(p, p.Blocks);
  SetDiagramKind(p, bars ? (blocks ? DiagramKind::Both : DiagramKind::Bars) : DiagramKind::Blocks);
}

std::optional<Square> TakeGivenNumbers(Puzzle& p, const SquareArray<std::int64_t>& numbers) {
  bool any = false;
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col) any = any || numbers(col, row) != 0;
  if (!any) return std::nullopt;

  Puzzle automatic = p;
  const bool fits = AutomaticNumbers(automatic);
  bool same = true;
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col) same = same && automatic.Numbers(col, row) == numbers(col, row);
  if (same && fits) {
    p = automatic;
    return std::nullopt;
  }
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (numbers(col, row) < 0 || numbers(col, row) > MaxHandNumber) return Square{col, row};
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col) p.Numbers(col, row) = static_cast<std::int32_t>(numbers(col, row));
  p.ManualNumbered = true;
  return std::nullopt;
}

void NumberByGrid(Puzzle& p) { AutomaticNumbers(p); }

Puzzle GridNumbered(const Puzzle& p) {
  Puzzle numbered = DrawnDiagram(p);
  numbered.ManualNumbered = false;
  NumberByGrid(numbered);
  return numbered;
}

std::int32_t StrongestSymmetry(const Puzzle& p) {
  // Fourfold bars on an oblong grid would be only twofold: the KVEN writer
  // could not list them.
  if ((!p.BarDiagram || p.HSquares == p.VSquares) && HasAllPartners(p, Fourfold)) return Fourfold;
  if (HasAllPartners(p, Twofold)) return Twofold;
  return NoSymmetry;
}

bool NumberedAsGridGives(const Puzzle& p) {
  if (NumberingKindOf(p) != NumberingKind::Manual) return true;
  const Puzzle automatic = GridNumbered(p);
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col)
      if (automatic.Numbers(col, row) != p.Numbers(col, row)) return false;
  return true;
}

}  // namespace kven
