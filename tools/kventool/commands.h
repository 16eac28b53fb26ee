#pragma once

#include <functional>
#include <string>

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// Runs a command over every input (standard input when none is named):
// reads it, reporting what cannot be read, then hands its name and text to
// `each`, which returns that input's exit code. One input failing does not
// stop the others; the worst exit code of them all is returned.
ExitCode ForEachInput(const Options& options,
                      const std::function<ExitCode(const std::string& name, std::string text)>& each);

// decode, encode, clues, ipuz, check, fill and suggest.
ExitCode RunTextCommand(const Options& options);

}  // namespace kven::tool
