#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/check_report.h"
#include "model/editor_state.h"

namespace kven::tool {

enum class Command { Decode, Encode, Clues, Ipuz, Puz, Jpz, Xd, Picture, Pdf, Check, Fill, Suggest, Help, Version };

// The paper of kventool pdf.
enum class PaperChoice { Locale, A4, Letter };

// A kventool command line, checked.
struct Options {
  Command command = Command::Help;
  std::vector<std::string> inputs;  // "-" is standard input; none means standard input
  std::string output;               // -o: a file, or a folder for several inputs
  int barWidth = DefaultBarWidth;   // picture: MinBarWidth..MaxBarWidth
  std::string format;               // picture into a folder: "bmp", "png" or "svg"
  PaperChoice paper = PaperChoice::Locale;  // pdf
  bool solution = false;            // pdf: a page with the filled grid
  CheckOptions check;               // check: style, minimum length, thresholds
  bool json = false;                // check: one JSON object per file
  std::string words;                // fill, suggest: the word list; the default list when empty
  int minScore = 0;                 // fill, suggest: the lowest score a word may have
  std::uint64_t seed = 1;           // fill: the search's random seed
  double timeLimit = 30;            // fill: seconds before it gives up
  std::string entry;                // suggest: "5 across"
  int limit = 0;                    // suggest: at most this many words; 0 for all
  bool clueTexts = false;           // clues: the clues with their texts
};

// Parses the arguments after the program name. On a usage error returns
// none and puts the reason in `error`.
// Whether the command is one of kventool-picture's, which need Qt.
inline bool DrawsWithQt(Command command) { return command == Command::Picture || command == Command::Pdf; }

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

// What --help prints, and what --version prints.
std::string HelpText();
std::string VersionText();

}  // namespace kven::tool
