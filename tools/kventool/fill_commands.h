#pragma once

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// fill: each input's empty squares filled from the word list, written as
// KVEN text.
ExitCode RunFill(const Options& options);
// suggest: the words that fit one entry of one input, a line each.
ExitCode RunSuggest(const Options& options);
// words: the words of the lists matching a pattern or an anagram, a line each.
ExitCode RunWords(const Options& options);

}  // namespace kven::tool
