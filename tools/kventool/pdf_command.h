#pragma once

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// kventool pdf: reads every input as File > Open does and writes the
// finished puzzle as a PDF document: its title, the grid, an empty clue for
// every entry with its number and enumeration, and with --solution a page
// with the filled grid. The paper is --paper's, else the locale's. A
// refused text still gets the pages of what was read, and exit code 1.
// Needs a QGuiApplication to exist.
ExitCode RunPdfCommand(const Options& options);

}  // namespace kven::tool
