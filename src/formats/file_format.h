#pragma once

#include <span>
#include <string_view>

namespace kven {

// The formats a puzzle is read from and written to.
enum class FileFormat { KvenText, Ipuz, Puz, Jpz, Xd };

// What a format keeps of a document beyond the diagram's squares, blocks,
// numbers and letters. What it does not keep is lost when the document is
// written in it, and the user is told once.
struct FormatKeeps {
  bool clues = false;         // clue texts and enumerations
  bool facts = false;         // author, copyright, notes
  bool unicodeTitle = false;  // a title beyond single bytes
  bool bars = false;
  bool handNumbers = false;   // numbers given by hand, not worked out from the diagram
  bool circles = false;
  bool shading = false;
  bool bothKinds = false;     // blocks and bars in one diagram
};

// One declaration per format: its name for the user, what it keeps, the
// file dialog's filter and the name a save proposes.
struct FormatInfo {
  FileFormat format = FileFormat::KvenText;
  std::string_view name;      // "KVEN text", "ipuz document"
  std::string_view filter;    // "ipuz Files (*.ipuz)"
  std::string_view proposed;  // "Xword.ipuz"
  std::string_view extension; // ".ipuz": what kventool names an output after
  FormatKeeps keeps;
};

const FormatInfo& InfoOf(FileFormat format);
// Every format, KVEN text first.
std::span<const FormatInfo> AllFormats();

}  // namespace kven
