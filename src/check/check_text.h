#pragma once

#include "check/check_report.h"
#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven {

// The report as text lines of at most MaxShortString characters: three
// summary lines, the count of findings, one line per finding starting with
// its rule name and a colon, then a table of the entries. Only finding lines
// start with a lower-case word, so `grep '^[a-z]*:'` picks them out.
TextLineList CheckReportLines(const CheckReport& report);

// The first line: title, size, kind, symmetry, style and minimum length.
std::string CheckHeadingLine(const CheckReport& report);
// "short: 7 down has 2 letters, fewer than 3".
std::string FindingLine(const Finding& finding);

}  // namespace kven
