#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "formats/file_format.h"

namespace kven {

// A document written in a format, as Save as, Copy and Export write it.
struct Exported {
  bool refused = false;
  std::string message;             // why it was refused; "" when written
  std::string bytes;               // the file; empty when refused
  std::vector<std::string> notes;  // what the file leaves out, a sentence each
};

// Writes the content in `format`. A format that cannot hold the diagram
// itself (bars in a format without them; hand numbers other than those the
// grid gives, in a format that numbers by the grid) refuses it with the
// reason and writes nothing; any other part the format has no place for is
// left out with a note. The KVEN text is written with CR LF line ends.
Exported ExportDocument(const DocumentContent& content, FileFormat format);

}  // namespace kven
