#include "commands.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "input.h"
#include "output.h"
#include "read_puzzle.h"
#include "check/check_clues.h"
#include "check/check_diagram.h"
#include "check/check_json.h"
#include "check/check_text.h"
#include "clues/clue_lines.h"
#include "formats/ipuz_writer.h"
#include "text/clue_list.h"
#include "text/encoder.h"

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

namespace {

// A refused text, and what an import left out, named by their file when
// the command ran over several files. The exit code the outcome gives.
ExitCode Report(const Options& options, const std::string& name, const ReadOutcome& outcome) {
  const std::string file = options.inputs.size() > 1 ? name + ": " : std::string();
  if (!outcome.note.empty()) Complain("kventool: " + file + outcome.note);
  if (outcome.valid) return Done;
  Complain("kventool: " + file + outcome.message);
  return Refused;
}

ExitCode Decode(const Options& options) {
  const bool several = options.inputs.size() > 1;
  const Output out(std::string(), options.inputs, std::string());
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    const ReadOutcome outcome = ReadAsOpen(std::move(text), p);
    // With several files, one object a line, each beginning with its file.
    const ExitCode written = out.Write(name, PuzzleJson(p, outcome, several ? name : std::string()) + "\n");
    // The object carries the outcome; one file alone is not told twice.
    const ExitCode read = several ? Report(options, name, outcome) : (outcome.valid ? Done : Refused);
    return std::max(written, read);
  });
}

std::string KvenText(const Puzzle& p, const PuzzleClues&) { return JoinLinesCrLf(EncodeText(p)); }
std::string ClueList(const Puzzle& p, const PuzzleClues&) { return JoinLinesCrLf(BuildClueList(p)); }
std::string ClueTexts(const Puzzle& p, const PuzzleClues& clues) { return JoinLinesCrLf(ClueTextLines(clues, p)); }
std::string Ipuz(const Puzzle& p, const PuzzleClues& clues) { return WriteIpuz(p, clues); }

ExitCode WriteEach(const Options& options, const char* extension,
                   std::string (*make)(const Puzzle&, const PuzzleClues&)) {
  Output out(options.output, options.inputs, extension);
  if (!out.Prepare()) return UsageError;
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    PuzzleClues clues;
    const ReadOutcome outcome = ReadAsOpen(std::move(text), p, clues);
    // What was read is written even when the text was refused.
    const ExitCode written = out.Write(name, make(p, clues));
    return std::max(written, Report(options, name, outcome));
  });
}

// The report of each file: its lines (led by the file's name when there are
// several), or one JSON object a line, each led by its "file".
ExitCode Check(const Options& options) {
  const bool several = options.inputs.size() > 1;
  const Output out(std::string(), options.inputs, std::string());
  bool first = true;
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    PuzzleClues clues;
    const ReadOutcome outcome = ReadAsOpen(std::move(text), p, clues);
    CheckReport report = CheckDiagram(p, options.check);
    AddClueFindings(report, clues);
    std::string output;
    if (options.json) {
      nlohmann::ordered_json j{{"file", name}};
      j.update(CheckReportJson(report));
      output = j.dump(-1, ' ', true, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    } else {
      if (several) output += (first ? "" : "\n") + std::string("File: ") + name + "\n";
      for (const std::string& line : CheckReportLines(report)) output += line + "\n";
    }
    first = false;
    const ExitCode written = out.Write(name, output);
    return std::max({written, Report(options, name, outcome), report.Passed() ? Done : Refused});
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
      return WriteEach(options, ".ipuz", Ipuz);
    case Command::Check:
      return Check(options);
    default:
      return UsageError;
  }
}

}  // namespace kven::tool
