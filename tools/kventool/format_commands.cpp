#include "format_commands.h"

#include "commands.h"
#include "document/export.h"
#include "output.h"

namespace kven::tool {

namespace {

FileFormat FormatOf(Command command) {
  switch (command) {
    case Command::Puz: return FileFormat::Puz;
    case Command::Jpz: return FileFormat::Jpz;
    case Command::Xd: return FileFormat::Xd;
    default: return FileFormat::Ipuz;
  }
}

}  // namespace

ExitCode RunFormatCommand(const Options& options) {
  const FileFormat format = FormatOf(options.command);
  Output out(options.output, options.inputs, std::string(InfoOf(format).extension));
  if (!out.Prepare()) return UsageError;
  // What was read is written even when the text was not read whole; a
  // refused document gave nothing to write.
  return ForEachPuzzle(options, ReadNeed::Shown, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    const DocumentContent content{p, read.clues, read.styles};
    const Exported exported = ExportDocument(content, format);
    for (const std::string& note : exported.notes) ComplainAbout(options, name, note);
    if (exported.refused) {
      ComplainAbout(options, name, exported.message);
      return Refused;
    }
    return out.Write(name, exported.bytes);
  });
}

}  // namespace kven::tool
