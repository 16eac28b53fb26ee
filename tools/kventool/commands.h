#pragma once

#include <functional>
#include <string>

#include "exit_codes.h"
#include "formats/puzzle_text.h"
#include "options.h"

namespace kven::tool {

// Runs a command over every input (standard input when none is named):
// reads it, reporting what cannot be read, then hands its name and text to
// `each`, which returns that input's exit code. One input failing does not
// stop the others; the worst exit code of them all is returned.
ExitCode ForEachInput(const Options& options,
                      const std::function<ExitCode(const std::string& name, std::string text)>& each);

// Tells standard error what reading one input left out and why it was not
// read whole, led by the input's name when the command runs over several.
// The exit code that gives.
ExitCode ReportRead(const Options& options, const std::string& name, const TextRead& read);

// decode, encode, clues, ipuz, puz, jpz, xd, check, fill and suggest.
ExitCode RunTextCommand(const Options& options);

}  // namespace kven::tool
