#include "html_command.h"

#include <algorithm>

#include "commands.h"
#include "output.h"
#include "publish/web_page.h"
#include "read_puzzle.h"

namespace kven::tool {

ExitCode RunHtml(const Options& options) {
  Output out(options.output, options.inputs, ".html");
  if (!out.Prepare()) return UsageError;
  WebPageOptions page;
  page.solution = !options.noSolution;
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    Puzzle p;
    const TextRead read = ReadAsOpen(std::move(text), p);
    const ExitCode reported = ReportRead(options, name, read);
    if (!read.Shown()) return reported;
    if (!HasFullSolution(p))
      Complain("kventool: " + (options.inputs.size() > 1 ? name + ": " : std::string()) +
               std::string(PageWithoutSolution));
    return std::max(out.Write(name, PuzzlePage(p, read.clues, read.styles, page)), reported);
  });
}

}  // namespace kven::tool
