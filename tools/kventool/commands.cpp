#include "commands.h"

#include <algorithm>

#include "input.h"
#include "output.h"
#include "read_puzzle.h"
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

// A refused text is named when the command ran over several files.
void ReportRefusal(const Options& options, const std::string& name, const ReadOutcome& outcome) {
  const bool several = options.inputs.size() > 1;
  Complain("kventool: " + (several ? name + ": " : std::string()) + outcome.message);
}

ExitCode Decode(const Options& options) {
  const bool several = options.inputs.size() > 1;
  const Output out(std::string(), options.inputs, std::string());
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    const ReadOutcome outcome = ReadAsOpen(std::move(text), p);
    // With several files, one object a line, each beginning with its file.
    const ExitCode written = out.Write(name, PuzzleJson(p, outcome, several ? name : std::string()) + "\n");
    if (!outcome.valid && several) ReportRefusal(options, name, outcome);
    return std::max(written, outcome.valid ? Done : Refused);
  });
}

ExitCode WriteEach(const Options& options, const char* extension, TextLineList (*make)(const Puzzle&)) {
  Output out(options.output, options.inputs, extension);
  if (!out.Prepare()) return UsageError;
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    const ReadOutcome outcome = ReadAsOpen(std::move(text), p);
    // What was read is written even when the text was refused.
    const ExitCode written = out.Write(name, JoinLinesCrLf(make(p)));
    if (!outcome.valid) ReportRefusal(options, name, outcome);
    return std::max(written, outcome.valid ? Done : Refused);
  });
}

}  // namespace

ExitCode RunTextCommand(const Options& options) {
  switch (options.command) {
    case Command::Decode:
      return Decode(options);
    case Command::Encode:
      return WriteEach(options, ".txt", EncodeText);
    case Command::Clues:
      return WriteEach(options, ".clues.txt", BuildClueList);
    default:
      return UsageError;
  }
}

}  // namespace kven::tool
