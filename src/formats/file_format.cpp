#include "formats/file_format.h"

#include <array>

namespace kven {

namespace {

// clang-format off
constexpr std::array<FormatInfo, 5> Formats{{
    {FileFormat::KvenText, "KVEN text", "Text Files (*.TXT *.txt)", "Xword.txt", ".txt",
     {.clues = false, .facts = false, .unicodeTitle = false, .bars = true, .handNumbers = true,
      .circles = false, .shading = false}},
    {FileFormat::Ipuz, "ipuz document", "ipuz Files (*.ipuz)", "Xword.ipuz", ".ipuz",
     {.clues = true, .facts = true, .unicodeTitle = true, .bars = true, .handNumbers = true,
      .circles = true, .shading = true, .bothKinds = true}},
    {FileFormat::Puz, "Across Lite puzzle", "Across Lite Puzzles (*.puz)", "Xword.puz", ".puz",
     {.clues = true, .facts = true, .unicodeTitle = true, .bars = false, .handNumbers = false,
      .circles = true, .shading = false}},
    {FileFormat::Jpz, "Crossword Compiler puzzle", "Crossword Compiler Puzzles (*.jpz)", "Xword.jpz", ".jpz",
     {.clues = true, .facts = true, .unicodeTitle = true, .bars = true, .handNumbers = true,
      .circles = true, .shading = true, .bothKinds = true}},
    {FileFormat::Xd, "xd crossword", "xd Crosswords (*.xd)", "Xword.xd", ".xd",
     {.clues = true, .facts = true, .unicodeTitle = true, .bars = false, .handNumbers = false,
      .circles = true, .shading = true}},
}};
// clang-format on

}  // namespace

const FormatInfo& InfoOf(FileFormat format) {
  for (const FormatInfo& info : Formats)
    if (info.format == format) return info;
  return Formats[0];
}

std::span<const FormatInfo> AllFormats() { return Formats; }

}  // namespace kven
