#include "pdf_command.h"

#include <algorithm>

#include "commands.h"
#include "output.h"
#include "render/printed_puzzle.h"
#include "render/puzzle_page.h"

namespace kven::tool {

namespace {

Paper PaperOf(PaperChoice choice) {
  switch (choice) {
    case PaperChoice::A4:
      return Paper::A4;
    case PaperChoice::Letter:
      return Paper::Letter;
    case PaperChoice::Locale:
      break;
  }
  return PaperForLocale();
}

}  // namespace

ExitCode RunPdfCommand(const Options& options) {
  Output out(options.output, options.inputs, ".pdf");
  if (!out.Prepare()) return UsageError;
  const Paper paper = PaperOf(options.paper);
  PageOptions pages;
  pages.pages = options.pdfPages;
  pages.barWidth = options.barWidth;
  return ForEachPuzzle(options, ReadNeed::Shown, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    PageGeometry geometry;
    const std::string bytes = PuzzlePdf(PrintedWithClues(p, read.clues, read.styles), paper, pages, &geometry);
    if (!geometry.refusal.empty()) {
      ComplainAbout(options, name, geometry.refusal);
      return Refused;
    }
    if (bytes.empty()) {
      Complain(message::Format(message::CannotCreateFile, out.PathFor(name)));
      return UsageError;
    }
    return out.Write(name, bytes);
  });
}

}  // namespace kven::tool
