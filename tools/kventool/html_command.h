#pragma once

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// html: each input as one self-contained web page a solver plays in a
// browser, with its clues, circles and shading; without the answers under
// --no-solution.
ExitCode RunHtml(const Options& options);

}  // namespace kven::tool
