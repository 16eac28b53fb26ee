#pragma once

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// kventool pdf: reads every input as File > Open does and writes the
// finished puzzle as a PDF document: its title, the grid, every clue list
// (a KVEN text's clues empty, with their numbers and enumerations), and
// with --solution a page with the filled grid; --solution-only that page
// alone; --submission the copy for an editor, which a puzzle without its
// whole solution is refused (exit code 1, the reason on standard error,
// nothing written). The paper is --paper's, else the locale's. A refused
// text still gets the pages of what was read, and exit code 1. Needs a
// QGuiApplication to exist.
ExitCode RunPdfCommand(const Options& options);

}  // namespace kven::tool
