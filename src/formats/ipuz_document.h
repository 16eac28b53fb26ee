#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace kven {

// Limits that keep hostile input cheap: a real ipuz crossword is a few
// kilobytes and nests about six levels deep.
inline constexpr std::size_t MaxIpuzBytes = 4 * 1024 * 1024;
inline constexpr int MaxIpuzNesting = 64;

// What a text holds, before any crossword field is read.
struct IpuzDocument {
  enum class Kind {
    None,      // not an ipuz document
    Broken,    // claims to be one but cannot be read; `refusal` says why
    Document,  // `json` is the document's top-level object
  };
  Kind kind = Kind::None;
  std::string refusal;
  nlohmann::json json;
};

// Finds the ipuz document in the whole text of a file or of the clipboard.
// The text may start with a UTF-8 byte order mark and white space, and may
// wrap the JSON as ipuz(...) with an optional ";" after it.
//   - A text that does not start with "{" or "ipuz(" is None.
//   - A text that starts so but cannot be parsed (malformed, unterminated
//     wrapper, over MaxIpuzBytes, nested deeper than MaxIpuzNesting) is
//     Broken when it is wrapped as ipuz(...) or contains "ipuz.org", and
//     None otherwise.
//   - A JSON object whose "version" or "kind" mentions ipuz.org is a
//     Document; any other JSON is None, or Broken when wrapped as ipuz(...).
// Never throws (short of running out of memory).
IpuzDocument FindIpuzDocument(std::string_view text);

// The deepest nesting of arrays and objects in a JSON text, counted without
// parsing; stops counting once past `limit`. Text in strings is skipped.
int JsonNesting(std::string_view text, int limit);

// The one-sentence message for an ipuz document that cannot be imported.
std::string IpuzRefusal(std::string_view reason);

}  // namespace kven
