#include "format_commands.h"

#include <algorithm>

#include "commands.h"
#include "document/export.h"
#include "output.h"
#include "read_puzzle.h"

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
  return ForEachInput(options, [&](const std::string& name, std::string text) {
    DocumentContent content;
    const TextRead read = ReadAsOpen(std::move(text), content.puzzle);
    const ExitCode reported = ReportRead(options, name, read);
    // What was read is written even when the text was not read whole; a
    // refused document gave nothing to write.
    if (!read.Shown()) return reported;
    content.clues = read.clues;
    content.styles = read.styles;
    const Exported exported = ExportDocument(content, format);
    const std::string file = options.inputs.size() > 1 ? name + ": " : std::string();
    for (const std::string& note : exported.notes) Complain("kventool: " + file + note);
    if (exported.refused) {
      Complain("kventool: " + file + exported.message);
      return std::max(reported, Refused);
    }
    return std::max(out.Write(name, exported.bytes), reported);
  });
}

}  // namespace kven::tool
