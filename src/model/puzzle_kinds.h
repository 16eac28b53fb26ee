#pragma once

#include <cstdint>

#include "model/marks.h"

namespace kven {

struct Puzzle;

// What a diagram is built of, as the flags BlockDiagram and BarDiagram say.
// Every reader of the puzzle asks DiagramKindOf instead of the flags.
//  None    nothing placed since New: no marks; read as a block diagram
//          (numbered by the block rules, checked as blocks, written
//          "BLK Z"), painted with neither.
//  Blocks  a block diagram.
//  Bars    a bar diagram.
//  Both    blocks and bars in one diagram, as an ipuz document may have
//          them, or a text whose diagram line named both keywords ("BLK HBR
//          Z"): drawn, written and checked with blocks and bars, numbered
//          where its entries start (they end at either). A text's holds no
//          mark, as the reader places none in it, and the first accepted
//          click of either kind makes it that kind; one that holds marks
//          keeps both kinds.
enum class DiagramKind : std::uint8_t { None, Blocks, Bars, Both };

DiagramKind DiagramKindOf(const Puzzle& p);
// Sets the two flags to say `kind`.
void SetDiagramKind(Puzzle& p, DiagramKind kind);

// Whether a diagram of the kind is painted, written and checked with its
// blocks (its bars). A diagram of no kind has no blocks to write, so its
// "BLK Z" comes from ReadKind.
constexpr bool HasBlockKind(DiagramKind kind) { return kind == DiagramKind::Blocks || kind == DiagramKind::Both; }
constexpr bool HasBarKind(DiagramKind kind) { return kind == DiagramKind::Bars || kind == DiagramKind::Both; }

// The kind a diagram is read as: one of no kind yet as a block diagram.
constexpr DiagramKind ReadKind(DiagramKind kind) { return kind == DiagramKind::None ? DiagramKind::Blocks : kind; }

// Whether a click may enter a mark of `mark` kind: a diagram of one kind
// refuses the other; one of no kind or of both takes either.
constexpr bool TakesMark(DiagramKind kind, Mark mark) {
  switch (kind) {
    case DiagramKind::Blocks: return mark == Mark::Block;
    case DiagramKind::Bars: return mark != Mark::Block;
    case DiagramKind::None:
    case DiagramKind::Both: return true;
  }
  return false;
}

// How the squares are numbered, as the flags AutoNumbered and
// ManualNumbered say: Manual whenever ManualNumbered is set, else Auto when
// AutoNumbered is, else None. SetNumberingKind keeps at most one flag set.
enum class NumberingKind : std::uint8_t { Auto, Manual, None };

NumberingKind NumberingKindOf(const Puzzle& p);
void SetNumberingKind(Puzzle& p, NumberingKind kind);

}  // namespace kven
