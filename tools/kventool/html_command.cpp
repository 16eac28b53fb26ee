#include "html_command.h"

#include "commands.h"
#include "output.h"
#include "publish/web_page.h"

namespace kven::tool {

ExitCode RunHtml(const Options& options) {
  Output out(options.output, options.inputs, ".html");
  if (!out.Prepare()) return UsageError;
  WebPageOptions page;
  page.solution = !options.noSolution;
  return ForEachPuzzle(options, ReadNeed::Shown, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    if (!HasFullSolution(p))
      ComplainAbout(options, name, std::string(PageWithoutSolution));
    return out.Write(name, PuzzlePage(p, read.clues, read.styles, page));
  });
}

}  // namespace kven::tool
