#pragma once

#include <string>
#include <string_view>

#include "formats/file_format.h"

// What the readers and writers of other programs' formats tell the user,
// each message written once.
namespace kven::message {

// A format's name as a sentence says it: "an Across Lite puzzle", "a KVEN
// text", "an xd crossword".
std::string WithArticle(std::string_view name);
// "Cannot import this Across Lite puzzle: it is diagramless." The reason is
// a clause without its full stop.
std::string ImportRefusal(FileFormat format, std::string_view reason);
// "Cannot write this puzzle as an Across Lite puzzle: it has bars, which the format has no place for."
std::string WriteRefusal(FileFormat format, std::string_view reason);
// "The Across Lite puzzle has no place for shaded squares: they are left out."
std::string LeftOut(FileFormat format, std::string_view what);

// Notes of the readers, a sentence each.
inline constexpr std::string_view ChecksumsDisagree =
    "The file's checksums do not agree with its contents; it was read all the same.";
inline constexpr std::string_view SolutionLocked =
    "The puzzle's solution is locked (scrambled), so it was read without its solution.";
// "%s" stands for "78 clues for 76 entries".
inline constexpr std::string_view ClueCountDiffers = "The file holds %s; the clues were given to the entries in turn.";
inline constexpr std::string_view FileEndsEarly = "The file ends before all its clues and notes.";

// Notes of the writers.
inline constexpr std::string_view PuzWrittenAsUnicode =
    "Written as an Across Lite 2.0 puzzle with UTF-8 text, as its texts hold characters beyond Latin-1; older "
    "programs may show them wrongly.";
inline constexpr std::string_view MarkupLeftOut = "Markup in the clues (italics, bold) was left out.";

}  // namespace kven::message
