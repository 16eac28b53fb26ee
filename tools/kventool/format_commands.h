#pragma once

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// ipuz, puz, jpz and xd: each input written as a document of that format,
// with its clues, facts and circled or shaded squares. An input the format
// cannot hold (bars in .puz) is refused with the reason and gets no output.
ExitCode RunFormatCommand(const Options& options);

}  // namespace kven::tool
