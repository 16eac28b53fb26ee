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

// Where a message is about one input among several, it says which:
// "NAME: ", or nothing when there is only one.
std::string InputLabel(const Options& options, const std::string& name);
// Tells of one input on standard error: "kventool: NAME: MESSAGE".
void ComplainAbout(const Options& options, const std::string& name, const std::string& message);

// The inputs a command goes on with once they are read.
enum class ReadNeed {
  Any,    // every input, a refused document too (its puzzle is the start-up one)
  Shown,  // every input that shows a puzzle, whole or in part
  Whole,  // only an input read whole
};

// Runs a command over every input as ForEachInput does, each read as File >
// Open reads it into a puzzle of its own. Standard error is told what
// reading left out and why it was not read whole (led by the input's name
// when there are several); then, where `need` lets the input through,
// `each` gets its name, the puzzle and what reading gave. An input's exit
// code is the worse of the reading's and the one `each` returns.
ExitCode ForEachPuzzle(const Options& options, ReadNeed need,
                       const std::function<ExitCode(const std::string& name, Puzzle& p, const TextRead& read)>& each);

// decode, encode, clues, ipuz, puz, jpz, xd, check, fill, suggest and words.
ExitCode RunTextCommand(const Options& options);

}  // namespace kven::tool
