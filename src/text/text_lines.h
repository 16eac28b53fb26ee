#pragma once

#include <string>
#include <string_view>

#include "model/puzzle.h"

namespace kven {

// Splits text into lines at CR, LF or CR LF. A final line break does not make
// an extra empty line; an empty text gives no lines.
TextLineList SplitLines(std::string_view text);

// Joins lines, each followed by CR LF, as Save writes them.
std::string JoinLinesCrLf(const TextLineList& lines);

}  // namespace kven
