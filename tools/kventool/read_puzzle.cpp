#include "read_puzzle.h"

#include <nlohmann/json.hpp>

#include "formats/decode_json.h"

namespace kven::tool {

TextRead ReadAsOpen(std::string text, Puzzle& p) {
  NullView view;
  EditorState e;
  TextLines kept;
  // The program's puzzle as it starts, which a refused document leaves as it is.
  StartUpPuzzle(p, e, view);
  try {
    return TakeText(TextLines(std::move(text)), std::nullopt, [&] { NewPuzzle(p, e, view); }, kept, p, view);
  } catch (const RangeError& error) {
    TextRead stopped;
    stopped.outcome = TextRead::Outcome::Stopped;
    stopped.message = error.what();
    return stopped;
  }
}

std::string PuzzleJson(const Puzzle& p, const TextRead& read, const std::string& file) {
  nlohmann::ordered_json j;
  if (!file.empty()) j["file"] = file;
  j.update(DecodeJson(p, read));
  // ASCII only, as any reader takes it; a file name that is no UTF-8 gets
  // replacement characters.
  return j.dump(-1, ' ', true, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace kven::tool
