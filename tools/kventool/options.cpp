#include "options.h"

#include <getopt.h>

#include <charconv>

namespace kven::tool {

const char* const HelpText =
    "Usage: kventool COMMAND [options] [FILE...]\n"
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
    "            copyright and notes of an ipuz input\n"
    "  picture   writes the grid picture: BMP, or PNG or SVG when OUT ends in\n"
    "            .png or .svg (needs -o)\n"
    "  check     reports what a setter checks: short entries, unchecked\n"
    "            letters, orphans, a split diagram, symmetry, numbering, the\n"
    "            solution and, for a clued ipuz crossword, entries without a clue\n"
    "A text that holds no line with KVEN and is an ipuz crossword is imported.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT  write to the file OUT instead of standard output; with\n"
    "                    several files, or when OUT is a folder, one file per\n"
    "                    input goes into the folder OUT (made if missing), named\n"
    "                    after the input: NAME.txt (encode), NAME.clues.txt\n"
    "                    (clues), NAME.ipuz (ipuz), NAME.bmp (picture)\n"
    "  --bar-width N     picture: bar thickness in pixels, 1..6 (default 2)\n"
    "  --format F        picture into a folder: bmp, png or svg (default bmp)\n"
    "  --style S         check: us, uk, barred or none (default uk for blocks,\n"
    "                    barred for bars)\n"
    "  --min-length N    check: the shortest entry allowed (default 3)\n"
    "  --barred MIN-MAX  check: the barred style's share of checked letters in\n"
    "                    percent (default 66-75)\n"
    "  --json            check: one JSON object per file, each line one object\n"
    "  --text            clues: the clue texts instead of the skeleton (UTF-8)\n"
    "  -h, --help        this text\n"
    "  --                what follows are file names, even those starting with -\n"
    "\n"
    "An input larger than 64 MiB is refused.\n"
    "\n"
    "Exit status (with several files, the highest of them):\n"
    "  0  done\n"
    "  1  a text was refused (invalid data, a range error, an ipuz document\n"
    "     that cannot be imported; what was read is still written), or a\n"
    "     check found something\n"
    "  2  a usage error, an input that cannot be read, or an output file that\n"
    "     cannot be created\n"
    "  3  standard output could not be written\n"
    "\n"
    "Examples:\n"
    "  kventool decode examples/block-twofold.txt\n"
    "  kventool clues examples/manual-numbers.txt\n"
    "  kventool clues examples/clued.ipuz --text\n"
    "  kventool picture examples/bar-fourfold.txt -o grid.png\n"
    "  kventool encode examples/*.txt -o texts\n"
    "  kventool ipuz examples/bar-fourfold.txt -o bars.ipuz\n"
    "  kventool check examples/block-twofold.txt --style us --json\n";

namespace {

std::optional<Command> CommandNamed(const std::string& name) {
  if (name == "decode") return Command::Decode;
  if (name == "encode") return Command::Encode;
  if (name == "clues") return Command::Clues;
  if (name == "ipuz") return Command::Ipuz;
  if (name == "check") return Command::Check;
  if (name == "picture") return Command::Picture;
  if (name == "help" || name == "-h" || name == "--help") return Command::Help;
  return std::nullopt;
}

bool ParseInt(const char* text, int low, int high, int& value) {
  const char* end = text + std::char_traits<char>::length(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end && value >= low && value <= high;
}

enum LongOnly { BarWidth = 256, Format, Style, MinLength, Barred, JsonOutput, ClueTexts };

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
      {"text", no_argument, nullptr, ClueTexts},
      {nullptr, 0, nullptr, 0},
  };
  optind = 0;  // a fresh scan
  opterr = 0;  // errors are reported by the caller
  bool pictureGiven = false;
  bool checkGiven = false;
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
          return refuse("--bar-width must be a number from 1 to 6");
        pictureGiven = true;
        break;
      case Format:
        options.format = optarg;
        pictureGiven = true;
        if (options.format != "bmp" && options.format != "png" && options.format != "svg")
          return refuse("--format must be bmp, png or svg");
        break;
      case Style: {
        const std::optional<CheckStyle> style = ParseCheckStyle(optarg);
        if (!style || *style == CheckStyle::Automatic) return refuse("--style must be us, uk, barred or none");
        options.check.style = *style;
        checkGiven = true;
        break;
      }
      case MinLength:
        if (!ParseInt(optarg, 1, 30, options.check.minLength))
          return refuse("--min-length must be a number from 1 to 30");
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
      case ClueTexts:
        options.clueTexts = true;
        break;
      case 'h':
        options.command = Command::Help;
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
    if (name.empty()) return refuse("an empty file name");
    options.inputs.push_back(name);
  }

  const bool picture = options.command == Command::Picture;
  if (!picture && pictureGiven) return refuse("--bar-width and --format belong to picture");
  if (picture && options.output.empty()) return refuse("picture needs -o OUT");
  if ((options.command == Command::Decode || options.command == Command::Check) && !options.output.empty())
    return refuse("decode and check write to standard output only");
  if (options.command != Command::Clues && options.clueTexts) return refuse("--text belongs to clues");
  if (options.command != Command::Check && checkGiven)
    return refuse("--style, --min-length, --barred and --json belong to check");
  return options;
}

}  // namespace kven::tool
