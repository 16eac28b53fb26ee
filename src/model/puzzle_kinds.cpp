#include "model/puzzle_kinds.h"

#include "model/puzzle.h"

namespace kven {

DiagramKind DiagramKindOf(const Puzzle& p) {
  if (p.BlockDiagram) return p.BarDiagram ? DiagramKind::Both : DiagramKind::Blocks;
  return p.BarDiagram ? DiagramKind::Bars : DiagramKind::None;
}

void SetDiagramKind(Puzzle& p, DiagramKind kind) {
  p.BlockDiagram = HasBlockKind(kind);
  p.BarDiagram = HasBarKind(kind);
}

NumberingKind NumberingKindOf(const Puzzle& p) {
  if (p.ManualNumbered) return NumberingKind::Manual;
  return p.AutoNumbered ? NumberingKind::Auto : NumberingKind::None;
}

void SetNumberingKind(Puzzle& p, NumberingKind kind) {
  p.AutoNumbered = kind == NumberingKind::Auto;
  p.ManualNumbered = kind == NumberingKind::Manual;
}

}  // namespace kven
