#pragma once

#include <cstdint>
#include <string_view>

#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven {

enum class DecodeResult { Decoded, InvalidData };

// Reads a KVEN text into the puzzle, in place. Returns InvalidData after
// telling the view (ReportInvalidData) when the text has no magic line, no
// diagram list, or no VBR list after an HBR list; what was read until then
// stays. RangeError, which automatic numbering would throw past its lists'
// length, ends the reading; no diagram of the grid reaches it.
DecodeResult DecodeText(const TextLines& text, Puzzle& p, PuzzleView& view);

// The reader's position in a text, and the two number scanners that read
// from it. They never read past the end of a line or of the text: running
// off a line reads as "Z" for list numbers and as 0 for manual numbers.
// Digit runs beyond 32 bits saturate at 2147483647.
struct TokenReader {
  explicit TokenReader(const TextLines& text) : lines(text) {}

  const TextLines& lines;
  std::int32_t TokenLine = 0;  // 0-based
  std::int32_t TokenPos = 0;   // 1-based position in the current line

  bool HasLine(std::int32_t line) const { return line >= 0 && static_cast<std::size_t>(line) < lines.size(); }
  // Line `line`, which HasLine.
  std::string_view LineAt(std::int32_t line) const { return lines[static_cast<std::size_t>(line)]; }

  // The next number of a square list, or ListSentinel at a "Z".
  std::int32_t ReadListNumber();
  // The next number of a manual-numbering row; a "Z" is skipped like any letter.
  std::int32_t ReadNumber();
};

}  // namespace kven
