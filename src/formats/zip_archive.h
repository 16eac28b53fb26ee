#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kven {

// The document inside a zip archive held in memory, as programs that zip a
// single puzzle write it: the first file whose name ends in ".jpz" or
// ".xml", else the archive's first file. None when the bytes are no archive
// libzip can open, hold no file, or the file is larger than maxBytes once
// unpacked (which is checked while unpacking, whatever the archive claims).
std::optional<std::string> FirstFileOfZip(std::string_view bytes, std::size_t maxBytes);

}  // namespace kven
