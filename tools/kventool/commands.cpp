#include "commands.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "fill_commands.h"
#include "html_command.h"
#include "format_commands.h"
#include "input.h"
#include "output.h"
#include "read_puzzle.h"
#include "check/check_clues.h"
#include "check/check_diagram.h"
#include "check/check_json.h"
#include "check/check_text.h"
#include "clues/clue_lines.h"
#include "formats/clue_sections.h"
#include "text/clue_list.h"
#include "text/encoder.h"
#include "text/latin1.h"

namespace kven::tool {

ExitCode ForEachInput(const Options& options,
                      const std::function<ExitCode(const std::string& name, std::string text)>& each) {
  const std::vector<std::string> inputs = options.inputs.empty() ? std::vector<std::string>{"-"} : options.inputs;
  ExitCode worst = Done;
  for (const std::string& name : inputs) {
    std::string error;
    std::optional<std::string> text = ReadInput(name, error);
    const ExitCode code = text ? each(name, std::move(*text)) : (Complain(error), UsageError);
    worst = std::max(worst, code);
  }
  return worst;
}

std::string InputLabel(const Options& options, const std::string& name) {
  return options.inputs.size() > 1 ? name + ": " : std::string();
}

void ComplainAbout(const Options& options, const std::string& name, const std::string& message) {
  Complain("kventool: " + InputLabel(options, name) + message);
}

namespace {

ExitCode ReportRead(const Options& options, const std::string& name, const TextRead& read) {
  if (const std::string note = read.Note(); !note.empty()) ComplainAbout(options, name, note);
  if (read.Read()) return Done;
  ComplainAbout(options, name, read.message);
  return Refused;
}

bool Needed(ReadNeed need, const TextRead& read) {
  switch (need) {
    case ReadNeed::Any: return true;
    case ReadNeed::Shown: return read.Shown();
    case ReadNeed::Whole: return read.Read();
  }
  return false;
}

}  // namespace

ExitCode ForEachPuzzle(const Options& options, ReadNeed need,
                       const std::function<ExitCode(const std::string& name, Puzzle& p, const TextRead& read)>& each) {
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    const TextRead read = ReadAsOpen(std::move(text), p);
    const ExitCode reported = ReportRead(options, name, read);
    if (!Needed(need, read)) return reported;
    return std::max(each(name, p, read), reported);
  });
}

namespace {

// A refused document still gets its object, "valid": false and the reason.
ExitCode Decode(const Options& options) {
  const bool several = options.inputs.size() > 1;
  const Output out(std::string(), options.inputs, std::string());
  return ForEachPuzzle(options, ReadNeed::Any, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    // With several files, one object a line, each beginning with its file.
    return out.Write(name, PuzzleJson(p, read, several ? name : std::string()) + "\n");
  });
}

std::string KvenText(const Puzzle& p, const PuzzleClues&) { return JoinLinesCrLf(EncodeText(p)); }
std::string ClueList(const Puzzle& p, const PuzzleClues&) { return JoinLinesCrLf(BuildClueList(p)); }
std::string ClueTexts(const Puzzle& p, const PuzzleClues& clues) {
  return JoinLinesCrLf(ClueTextLines(ClueSections(clues, p)));
}

ExitCode WriteEach(const Options& options, const char* extension,
                   std::string (*make)(const Puzzle&, const PuzzleClues&)) {
  Output out(options.output, options.inputs, extension);
  if (!out.Prepare()) return UsageError;
  // What was read is written even when the text was not read whole; a
  // refused document gave nothing to write.
  return ForEachPuzzle(options, ReadNeed::Shown, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    return out.Write(name, make(p, read.clues));
  });
}

// The report of each file: its lines (led by the file's name when there are
// several), or one JSON object a line, each led by its "file".
ExitCode Check(const Options& options) {
  const bool several = options.inputs.size() > 1;
  const Output out(std::string(), options.inputs, std::string());
  bool first = true;
  return ForEachPuzzle(options, ReadNeed::Shown, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    CheckReport report = CheckDiagram(p, options.check);
    AddClueFindings(report, read.clues);
    std::string output;
    if (options.json) {
      nlohmann::ordered_json j{{"file", name}};
      j.update(CheckReportJson(report));
      output = j.dump(-1, ' ', true, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    } else {
      if (several) output += (first ? "" : "\n") + std::string("File: ") + name + "\n";
      // The report's lines are the program's single bytes; kventool prints UTF-8.
      for (const std::string& line : CheckReportLines(report)) output += Latin1ToUtf8(line) + "\n";
    }
    first = false;
    return std::max(out.Write(name, output), report.Passed() ? Done : Refused);
  });
}

}  // namespace

ExitCode RunTextCommand(const Options& options) {
  switch (options.command) {
    case Command::Decode:
      return Decode(options);
    case Command::Encode:
      return WriteEach(options, ".txt", KvenText);
    case Command::Clues:
      return WriteEach(options, ".clues.txt", options.clueTexts ? ClueTexts : ClueList);
    case Command::Ipuz:
    case Command::Puz:
    case Command::Jpz:
    case Command::Xd:
      return RunFormatCommand(options);
    case Command::Html:
      return RunHtml(options);
    case Command::Check:
      return Check(options);
    case Command::Fill:
      return RunFill(options);
    case Command::Suggest:
      return RunSuggest(options);
    case Command::Words:
      return RunWords(options);
    default:
      return UsageError;
  }
}

}  // namespace kven::tool
