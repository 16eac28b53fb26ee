#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/check_report.h"
#include "fill/fill_search.h"
#include "model/editor_state.h"
#include "render/printed_puzzle.h"

namespace kven::tool {

enum class Command { Decode, Encode, Clues, Ipuz, Puz, Jpz, Xd, Html, Picture, Pdf, Check, Fill, Suggest, Words, Help, Version };

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
  // pdf: the puzzle; --solution adds the solution page, --solution-only
  // is that page alone, --submission the copy for an editor.
  PrintedPages pdfPages = PrintedPages::Puzzle;
  CheckOptions check;               // check: style, minimum length, thresholds
  bool json = false;                // check: one JSON object per file
  // fill, suggest, words: the word lists from the bottom up ("default" the
  // default list; none: the default list alone), and the avoid lists.
  std::vector<std::string> words;
  std::vector<std::string> avoid;
  int minScore = fill::FillOptions{}.minScore;  // fill, suggest, words: the lowest score a word may have
  std::uint64_t seed = fill::FillOptions{}.seed;  // fill: the search's random seed
  double timeLimit = fill::FillOptions{}.timeLimitSeconds;  // fill: seconds before it gives up
  bool report = false;              // fill: the fill's quality on standard error
  std::string entry;                // suggest: "5 across"
  int limit = 0;                    // suggest, words: at most this many words; 0 for all
  std::string pattern;              // words: "C?T", "PRE*ION"
  std::string anagram;              // words: the letters of an anagram
  bool clueTexts = false;           // clues: the clues with their texts
  bool noSolution = false;          // html: the page without the answers
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
