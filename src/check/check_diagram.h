#pragma once

#include "check/check_report.h"
#include "model/puzzle.h"

namespace kven {

// How the check reads the puzzle's kind: as ReadKind says, so a new diagram
// of no kind is a block diagram.
DiagramKind CheckedKind(const Puzzle& p);

// The style the check applies: options' style, or for Automatic uk on a
// block diagram and barred on a bar diagram (or both kinds).
CheckStyle AppliedStyle(const Puzzle& p, const CheckOptions& options);

// Checks the diagram as it is drawn: a block diagram by its blocks alone and
// a bar diagram by its bars alone (marks of the other kind are neither drawn
// nor written to its text), a diagram of both kinds by both. Reads only
// squares inside the grid, whatever the puzzle holds; never throws.
CheckReport CheckDiagram(const Puzzle& p, const CheckOptions& options = {});

}  // namespace kven
