#pragma once

#include <cstdint>
#include <string_view>

namespace kven {

// The character an HTML entity names ("amp", "eacute", "mdash": the names
// of HTML 4 and "apos"); 0 for a name that is none of them. Case counts:
// "Eacute" is not "eacute".
std::uint32_t NamedEntity(std::string_view name);

}  // namespace kven
