#include "document/export.h"

#include "formats/format_messages.h"
#include "formats/ipuz_writer.h"
#include "formats/jpz_writer.h"
#include "formats/puz_writer.h"
#include "formats/xd_writer.h"
#include "text/encoder.h"

namespace kven {

namespace {

std::string Write(const DocumentContent& c, FileFormat format, std::vector<std::string>& notes) {
  switch (format) {
    case FileFormat::KvenText: return JoinLinesCrLf(EncodeText(c.puzzle));
    case FileFormat::Ipuz: return WriteIpuz(c.puzzle, c.clues, c.styles);
    case FileFormat::Puz: return WritePuz(c.puzzle, c.clues, c.styles, notes);
    case FileFormat::Jpz: return WriteJpz(c.puzzle, c.clues, c.styles, notes);
    case FileFormat::Xd: return WriteXd(c.puzzle, c.clues, c.styles, notes);
  }
  return {};
}

}  // namespace

Exported ExportDocument(const DocumentContent& content, FileFormat format) {
  Exported exported;
  FormatLosses lost = LossesOf(content, format);
  if (lost.bars || lost.handNumbers) {
    exported.refused = true;
    exported.message = message::WriteRefusal(
        format, lost.bars ? "it is a bar diagram, and the format has no bars"
                          : "its numbers were given by hand and are not the ones its grid gives, by which the format "
                            "numbers");
    return exported;
  }
  if (lost.Any()) exported.notes.push_back(message::LeftOut(format, lost.Phrase()));
  exported.bytes = Write(content, format, exported.notes);
  return exported;
}

}  // namespace kven
