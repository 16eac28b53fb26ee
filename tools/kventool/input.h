#pragma once

#include <optional>
#include <string>

namespace kven::tool {

// Reads an input named on the command line whole ("-" is standard input).
// A file that cannot be read gives none, with the program's message naming
// it ("Cannot open file NAME", or that it is too large) in `error`.
std::optional<std::string> ReadInput(const std::string& name, std::string& error);

}  // namespace kven::tool
