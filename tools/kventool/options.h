#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/check_report.h"
#include "model/editor_state.h"

namespace kven::tool {

enum class Command { Decode, Encode, Clues, Ipuz, Picture, Check, Help };

// A kventool command line, checked.
struct Options {
  Command command = Command::Help;
  std::vector<std::string> inputs;  // "-" is standard input; none means standard input
  std::string output;               // -o: a file, or a folder for several inputs
  int barWidth = DefaultBarWidth;   // picture: MinBarWidth..MaxBarWidth
  std::string format;               // picture into a folder: "bmp", "png" or "svg"
  CheckOptions check;               // check: style, minimum length, thresholds
  bool json = false;                // check: one JSON object per file
  bool clueTexts = false;           // clues: the clues with their texts
};

// Parses the arguments after the program name. On a usage error returns
// none and puts the reason in `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

// What --help prints.
extern const char* const HelpText;

}  // namespace kven::tool
