#include "options.h"

#include <getopt.h>

#include <charconv>
#include <climits>

#include "io/files.h"
#include "kven_version.h"
#include "model/messages.h"
#include "model/puzzle.h"

namespace kven::tool {

namespace {

// A number of seconds as it is written: 30, 2.5.
std::string Number(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

std::string HelpText() {
  const CheckOptions defaults;
  const fill::FillOptions fillDefaults;
  const std::string barWidths = std::to_string(MinBarWidth) + ".." + std::to_string(MaxBarWidth);
  const std::string barred = std::to_string(defaults.barredMinPercent) + "-" + std::to_string(defaults.barredMaxPercent);
  return "Usage: kventool COMMAND [options] [FILE...]\n"
         "\n"
         "Reads each FILE (standard input when FILE is - or when none is given) as\n"
         "the Open command of KVEN3 reads a file, and then:\n"
         "  decode    prints the puzzle as one JSON object; with several files one\n"
         "            object per line, each beginning with its \"file\"\n"
         "  encode    writes the puzzle's KVEN text (CR LF after every line)\n"
         "  clues     writes the clue-list skeleton (CR LF after every line); with\n"
         "            --text the clues of an ipuz crossword with their texts, one a\n"
         "            line: \"1 Across. Setter's first clue (4)\"\n"
         "  ipuz      writes the puzzle as an ipuz document, with the clues, author,\n"
         "            copyright, notes and circled or shaded squares of the input\n"
         "  puz       writes the puzzle as an Across Lite .puz file (a bar diagram,\n"
         "            or numbers by hand other than the grid's, are refused)\n"
         "  jpz       writes the puzzle as a Crossword Compiler .jpz document\n"
         "  xd        writes the puzzle as an .xd crossword (bars and numbers by\n"
         "            hand refused as for puz)\n"
         "  html      writes the puzzle as one web page a solver plays in any\n"
         "            browser, offline: the grid with its clues, Check and Reveal,\n"
         "            the time taken, progress kept in the browser\n"
         "  picture   writes the grid picture: BMP, or PNG or SVG when OUT ends in\n"
         "            .png or .svg (needs -o)\n"
         "  pdf       writes the finished puzzle as PDF: the title, author and\n"
         "            copyright, the grid, every clue list with its numbers and\n"
         "            enumerations (empty for a KVEN text, which holds no clue\n"
         "            texts) in columns in reading order, and the notes, on A4\n"
         "            or Letter paper, over further pages when one is not enough\n"
         "            (needs -o)\n"
         "  check     reports what a setter checks: short entries, unchecked\n"
         "            letters, orphans, a split diagram, symmetry, numbering, the\n"
         "            solution and, for a clued ipuz crossword, entries without a clue\n"
         "  fill      fills every empty square with words of a list and writes the\n"
         "            filled puzzle's KVEN text (CR LF after every line)\n"
         "  suggest   prints the words that fit one entry, best first, one a line\n"
         "            with its score\n"
         "  words     prints the words of the list matching PATTERN (? or . one\n"
         "            letter, * any run of letters, letters as themselves), or with\n"
         "            --anagram the words of exactly those letters: best first, one\n"
         "            WORD SCORE a line (kventool words PATTERN [options])\n"
         "An Across Lite .puz file and a zipped .jpz are imported whatever they hold;\n"
         "a text that holds no line with KVEN and is an ipuz, .jpz or .xd crossword\n"
         "is imported.\n"
         "\n"
         "Options:\n"
         "  -o, --output OUT  write to the file OUT instead of standard output; with\n"
         "                    several files, or when OUT is a folder, one file per\n"
         "                    input goes into the folder OUT (made if missing), named\n"
         "                    after the input: NAME.txt (encode), NAME.clues.txt\n"
         "                    (clues), NAME.ipuz (ipuz), NAME.puz, NAME.jpz,\n"
         "                    NAME.xd, NAME.html (html), NAME.bmp (picture),\n"
         "                    NAME.pdf (pdf), NAME.txt (fill)\n"
         "  --bar-width N     picture and pdf: bar thickness in pixels, " + barWidths + " (default " +
         std::to_string(DefaultBarWidth) + ")\n"
         "  --format F        picture into a folder: bmp, png or svg (default bmp)\n"
         "  --paper P         pdf: a4 or letter (default the locale's paper: Letter\n"
         "                    in the US, Canada and their neighbours, else A4)\n"
         "  --solution        pdf: a further page with the filled grid\n"
         "  --solution-only   pdf: the page with the filled grid alone\n"
         "  --submission      pdf: the copy for an editor: the filled grid, then\n"
         "                    each clue beside its entry and answer, the author and\n"
         "                    the puzzle's facts and the page number on every page;\n"
         "                    refused for a puzzle without its whole solution\n"
         "  --style S         check: us, uk, barred or none (default uk for blocks,\n"
         "                    barred for bars)\n"
         "  --min-length N    check: the shortest entry allowed (default " + std::to_string(defaults.minLength) + ")\n"
         "  --barred MIN-MAX  check: the barred style's share of checked letters in\n"
         "                    percent (default " + barred + ")\n"
         "  --json            check: one JSON object per file, each line one object\n"
         "  --text            clues: the clue texts instead of the skeleton (UTF-8)\n"
         "  --no-solution     html: leave the answers out; the page still tells a\n"
         "                    finished grid is right, from a digest of the whole grid\n"
         "  --words LIST      fill, suggest, words: a word list, one entry a line: WORD,\n"
         "                    WORD;SCORE or WORD SCORE, phrases with blanks, # comments,\n"
         "                    UTF-8 or Latin-1. Given again, the later list lies over\n"
         "                    the earlier and its scores win; \"default\" names the\n"
         "                    default list (the SCOWL lists in /usr/share/dict/scowl,\n"
         "                    common words first, without possessives or offensive\n"
         "                    words; else /usr/share/dict/words), which is used when\n"
         "                    no list is given\n"
         "  --avoid FILE      fill, suggest, words: words never to use, one a line\n"
         "  --min-score N     fill, suggest, words: use only words scoring at least N\n"
         "  --seed N          fill: the random seed; another seed, another fill\n"
         "  --time-limit S    fill: give up after S seconds (default " + Number(fillDefaults.timeLimitSeconds) + ")\n"
         "  --report          fill: the fill's quality on standard error: the lowest\n"
         "                    and mean score and the entries scoring below " + std::to_string(fillDefaults.weakBelow) + "\n"
         "  --entry NAME      suggest: the entry, as \"5 across\", \"12d\" or \"3,4 down\"\n"
         "  --limit N         suggest, words: print at most N words\n"
         "  --anagram LETTERS words: the words of exactly these letters (? any one)\n"
         "  -h, --help        this text\n"
         "  --version         the version and licence of kventool\n"
         "  --                what follows are file names, even those starting with -\n"
         "\n"
         "An input larger than " + message::Mebibytes(io::MaxInputBytes) + " is refused.\n"
         "\n"
         "Exit status (with several files, the highest of them):\n"
         "  0  done\n"
         "  1  a text was refused (invalid data, a range error: what was read is\n"
         "     still written; a document of another program that cannot be\n"
         "     imported: nothing is written for it, nor for a puzzle that the\n"
         "     format asked for cannot hold), a check found something, fill found\n"
         "     no fill (standard error says whether none exists or none was found\n"
         "     in time), or pdf --submission was given a puzzle without its whole\n"
         "     solution\n"
         "  2  a usage error, an input that cannot be read, or an output file that\n"
         "     cannot be created\n"
         "  3  standard output could not be written\n"
         "\n"
         "Examples:\n"
         "  kventool decode examples/block-twofold.txt\n"
         "  kventool clues examples/manual-numbers.txt\n"
         "  kventool clues examples/clued.ipuz --text\n"
         "  kventool picture examples/bar-fourfold.txt -o grid.png\n"
         "  kventool pdf examples/block-twofold.txt -o clasp.pdf --paper a4 --solution\n"
         "  kventool pdf examples/block-twofold.txt -o editor.pdf --submission\n"
         "  kventool encode examples/*.txt -o texts\n"
         "  kventool ipuz examples/bar-fourfold.txt -o bars.ipuz\n"
         "  kventool html examples/clued.ipuz -o stems.html --no-solution\n"
         "  kventool puz examples/block-twofold.txt -o clasp.puz\n"
         "  kventool check examples/block-twofold.txt --style us --json\n"
         "  kventool fill examples/block-twofold.txt --seed 7\n"
         "  kventool suggest examples/block-twofold.txt --entry \"1 across\" --limit 10\n"
         "  kventool fill examples/block-twofold.txt --words default --report\n"
         "  kventool words 'PRE*ION' --limit 5\n"
         "  kventool words --anagram listen\n";
}

std::string VersionText() {
  return std::string("kventool (KVEN3) ") + Version + "\nLicence: " + Licence + "\n";
}

namespace {

// A day: longer than anyone waits for a fill.
constexpr double MaxTimeLimit = 86400;

std::optional<Command> CommandNamed(const std::string& name) {
  if (name == "decode") return Command::Decode;
  if (name == "encode") return Command::Encode;
  if (name == "clues") return Command::Clues;
  if (name == "ipuz") return Command::Ipuz;
  if (name == "html") return Command::Html;
  if (name == "puz") return Command::Puz;
  if (name == "jpz") return Command::Jpz;
  if (name == "xd") return Command::Xd;
  if (name == "check") return Command::Check;
  if (name == "picture") return Command::Picture;
  if (name == "pdf") return Command::Pdf;
  if (name == "fill") return Command::Fill;
  if (name == "suggest") return Command::Suggest;
  if (name == "words") return Command::Words;
  if (name == "help" || name == "-h" || name == "--help") return Command::Help;
  if (name == "version" || name == "--version") return Command::Version;
  return std::nullopt;
}

// The whole text as one number of the value's type.
template <typename Number>
bool ParseWhole(const char* text, Number& value) {
  const char* end = text + std::char_traits<char>::length(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end;
}

bool ParseInt(const char* text, int low, int high, int& value) {
  return ParseWhole(text, value) && value >= low && value <= high;
}

enum LongOnly {
  BarWidth = 256, Format, Style, MinLength, Barred, JsonOutput, PaperOption, Solution, SolutionOnly, Submission,
  VersionOption, Words, MinScore, Seed, TimeLimit, EntryName, Limit, ClueTexts, NoSolution, Avoid, Report, Anagram
};

// "MIN-MAX", two percentages.
bool ParseRange(const std::string& text, int& low, int& high) {
  const auto dash = text.find('-');
  if (dash == std::string::npos) return false;
  const std::string first = text.substr(0, dash);
  const std::string second = text.substr(dash + 1);
  return ParseInt(first.c_str(), 0, 100, low) && ParseInt(second.c_str(), 0, 100, high) && low <= high;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error) {
  const auto refuse = [&error](std::string reason) {
    error = std::move(reason);
    return std::optional<Options>();
  };
  if (arguments.empty()) return refuse("missing command");
  Options options;
  const std::optional<Command> command = CommandNamed(arguments[0]);
  if (!command) return refuse("unknown command '" + arguments[0] + "'");
  options.command = *command;

  // getopt works on C strings it may reorder: options may follow the files.
  std::vector<std::string> words = arguments;
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  static const option LongOptions[] = {
      {"output", required_argument, nullptr, 'o'},     {"bar-width", required_argument, nullptr, BarWidth},
      {"format", required_argument, nullptr, Format},  {"style", required_argument, nullptr, Style},
      {"min-length", required_argument, nullptr, MinLength}, {"barred", required_argument, nullptr, Barred},
      {"json", no_argument, nullptr, JsonOutput},       {"help", no_argument, nullptr, 'h'},
      {"paper", required_argument, nullptr, PaperOption}, {"solution", no_argument, nullptr, Solution},
      {"solution-only", no_argument, nullptr, SolutionOnly}, {"submission", no_argument, nullptr, Submission},
      {"version", no_argument, nullptr, VersionOption},
      {"words", required_argument, nullptr, Words},     {"min-score", required_argument, nullptr, MinScore},
      {"seed", required_argument, nullptr, Seed},       {"time-limit", required_argument, nullptr, TimeLimit},
      {"entry", required_argument, nullptr, EntryName}, {"limit", required_argument, nullptr, Limit},
      {"text", no_argument, nullptr, ClueTexts},
      {"no-solution", no_argument, nullptr, NoSolution},
      {"avoid", required_argument, nullptr, Avoid},     {"report", no_argument, nullptr, Report},
      {"anagram", required_argument, nullptr, Anagram},
      {nullptr, 0, nullptr, 0},
  };
  optind = 0;  // a fresh scan
  opterr = 0;  // errors are reported by the caller
  bool pictureGiven = false;  // --format
  bool barWidthGiven = false;
  bool pdfGiven = false;
  bool checkGiven = false;
  bool fillGiven = false;     // options of fill, suggest and words
  bool fillOnlyGiven = false; // options of fill alone
  bool suggestGiven = false;  // options of suggest alone
  bool limitGiven = false;    // of suggest and words
  bool wordsGiven = false;    // of words alone
  for (;;) {
    const int c = ::getopt_long(static_cast<int>(words.size()), argv.data(), ":o:h", LongOptions, nullptr);
    if (c == -1) break;
    switch (c) {
      case 'o':
        options.output = optarg;
        if (options.output.empty()) return refuse("-o needs a name");
        break;
      case BarWidth:
        if (!ParseInt(optarg, MinBarWidth, MaxBarWidth, options.barWidth))
          return refuse("--bar-width must be a number from " + std::to_string(MinBarWidth) + " to " +
                        std::to_string(MaxBarWidth));
        barWidthGiven = true;
        break;
      case Format:
        options.format = optarg;
        pictureGiven = true;
        if (options.format != "bmp" && options.format != "png" && options.format != "svg")
          return refuse("--format must be bmp, png or svg");
        break;
      case PaperOption: {
        const std::string paper = optarg;
        if (paper == "a4") options.paper = PaperChoice::A4;
        else if (paper == "letter") options.paper = PaperChoice::Letter;
        else return refuse("--paper must be a4 or letter");
        pdfGiven = true;
        break;
      }
      case Solution:
      case SolutionOnly:
      case Submission: {
        const PrintedPages pages = c == Solution       ? PrintedPages::PuzzleAndSolution
                                   : c == SolutionOnly ? PrintedPages::SolutionOnly
                                                       : PrintedPages::Submission;
        if (options.pdfPages != PrintedPages::Puzzle && options.pdfPages != pages)
          return refuse("--solution, --solution-only and --submission exclude each other");
        options.pdfPages = pages;
        pdfGiven = true;
        break;
      }
      case Style: {
        const std::optional<CheckStyle> style = ParseCheckStyle(optarg);
        if (!style || *style == CheckStyle::Automatic) return refuse("--style must be us, uk, barred or none");
        options.check.style = *style;
        checkGiven = true;
        break;
      }
      case MinLength:
        if (!ParseInt(optarg, 1, MaxSide, options.check.minLength))
          return refuse("--min-length must be a number from 1 to " + std::to_string(MaxSide));
        checkGiven = true;
        break;
      case Barred:
        if (!ParseRange(optarg, options.check.barredMinPercent, options.check.barredMaxPercent))
          return refuse("--barred must be two percentages, MIN-MAX");
        checkGiven = true;
        break;
      case JsonOutput:
        options.json = true;
        checkGiven = true;
        break;
      case Words:
        options.words.emplace_back(optarg);
        if (options.words.back().empty()) return refuse("--words needs a file name");
        fillGiven = true;
        break;
      case Avoid:
        options.avoid.emplace_back(optarg);
        if (options.avoid.back().empty()) return refuse("--avoid needs a file name");
        fillGiven = true;
        break;
      case Report:
        options.report = true;
        fillOnlyGiven = true;
        break;
      case Anagram:
        options.anagram = optarg;
        if (options.anagram.empty()) return refuse("--anagram needs letters");
        wordsGiven = true;
        break;
      case MinScore:
        if (!ParseInt(optarg, INT_MIN, INT_MAX, options.minScore)) return refuse("--min-score must be a whole number");
        fillGiven = true;
        break;
      case Seed:
        if (!ParseWhole(optarg, options.seed)) return refuse("--seed must be a whole number from 0");
        fillOnlyGiven = true;
        break;
      case TimeLimit:
        if (!ParseWhole(optarg, options.timeLimit) || !(options.timeLimit > 0) || options.timeLimit > MaxTimeLimit)
          return refuse("--time-limit must be a number of seconds above 0, at most 86400");
        fillOnlyGiven = true;
        break;
      case EntryName:
        options.entry = optarg;
        suggestGiven = true;
        break;
      case Limit:
        if (!ParseInt(optarg, 1, INT_MAX, options.limit)) return refuse("--limit must be a number from 1");
        limitGiven = true;
        break;
      case ClueTexts:
        options.clueTexts = true;
        break;
      case NoSolution:
        options.noSolution = true;
        break;
      case 'h':
        options.command = Command::Help;
        return options;
      case VersionOption:
        options.command = Command::Version;
        return options;
      case ':':
        return refuse(std::string("option ") + argv[static_cast<std::size_t>(optind - 1)] + " needs a value");
      default:
        return refuse(optopt != 0 ? std::string("unknown option -") + static_cast<char>(optopt)
                                  : std::string("unknown option ") + argv[static_cast<std::size_t>(optind - 1)]);
    }
  }
  // getopt has moved the file names behind the options, in their order.
  for (int i = optind; i < static_cast<int>(words.size()); ++i) {
    const std::string name = argv[static_cast<std::size_t>(i)];
    if (name.empty())
      return refuse(options.command == Command::Words && i == optind ? "an empty pattern" : "an empty file name");
    options.inputs.push_back(name);
  }

  const bool picture = options.command == Command::Picture;
  const bool pdf = options.command == Command::Pdf;
  if (!picture && pictureGiven) return refuse("--format belongs to picture");
  if (!picture && !pdf && barWidthGiven) return refuse("--bar-width belongs to picture and pdf");
  if (!pdf && pdfGiven) return refuse("--paper, --solution, --solution-only and --submission belong to pdf");
  if (picture && options.output.empty()) return refuse("picture needs -o OUT");
  if (pdf && options.output.empty()) return refuse("pdf needs -o OUT");
  if ((options.command == Command::Decode || options.command == Command::Check ||
       options.command == Command::Suggest) && !options.output.empty())
    return refuse("decode, check and suggest write to standard output only");
  const bool fill = options.command == Command::Fill;
  const bool suggest = options.command == Command::Suggest;
  const bool lookUp = options.command == Command::Words;
  if (!fill && !suggest && !lookUp && fillGiven)
    return refuse("--words, --avoid and --min-score belong to fill, suggest and words");
  if (!fill && fillOnlyGiven) return refuse("--seed, --time-limit and --report belong to fill");
  if (!suggest && suggestGiven) return refuse("--entry belongs to suggest");
  if (!suggest && !lookUp && limitGiven) return refuse("--limit belongs to suggest and words");
  if (!lookUp && wordsGiven) return refuse("--anagram belongs to words");
  if (lookUp) {
    // Its one argument is the pattern, not a file.
    if (options.anagram.empty() && options.inputs.size() != 1) return refuse("words needs one PATTERN or --anagram LETTERS");
    if (!options.anagram.empty() && !options.inputs.empty()) return refuse("words takes a PATTERN or --anagram, not both");
    if (!options.inputs.empty()) options.pattern = options.inputs.front();
    options.inputs.clear();
    if (!options.output.empty()) return refuse("words writes to standard output only");
  }
  if (suggest && options.entry.empty()) return refuse("suggest needs --entry NAME");
  if (suggest && options.inputs.size() > 1) return refuse("suggest reads one file");
  if (options.command != Command::Clues && options.clueTexts) return refuse("--text belongs to clues");
  if (options.command != Command::Html && options.noSolution) return refuse("--no-solution belongs to html");
  if (options.command != Command::Check && checkGiven)
    return refuse("--style, --min-length, --barred and --json belong to check");
  return options;
}

}  // namespace kven::tool
