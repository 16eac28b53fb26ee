#include "picture_command.h"

#include <QImage>
#include <algorithm>

#include "commands.h"
#include "output.h"
#include "render/puzzle_picture.h"

namespace kven::tool {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.rbegin(), end.rend(), text.rbegin(),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// The picture's format: by --format, else by the output's extension, else BMP.
std::string FormatFor(const Options& options) {
  if (!options.format.empty()) return options.format;
  if (EndsWith(options.output, ".png")) return "png";
  if (EndsWith(options.output, ".svg")) return "svg";
  return "bmp";
}

}  // namespace

ExitCode RunPictureCommand(const Options& options) {
  const std::string format = FormatFor(options);
  Output out(options.output, options.inputs, "." + format);
  if (!out.Prepare()) return UsageError;
  return ForEachPuzzle(options, ReadNeed::Shown, [&](const std::string& name, Puzzle& p, const TextRead& read) {
    std::string reason;
    const std::string bytes =
        format == "svg" ? PuzzleSvg(p, options.barWidth, &read.styles)
                        : EncodePicture(MakePuzzleBitmap(p, options.barWidth, &read.styles),
                                        format == "png" ? "PNG" : "BMP", &reason);
    if (bytes.empty()) {
      Complain(message::Format(message::CannotCreateFile, out.PathFor(name)), reason);
      return UsageError;
    }
    return out.Write(name, bytes);
  });
}

}  // namespace kven::tool
