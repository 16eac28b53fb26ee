#pragma once

#include <string>
#include <string_view>

#include "model/puzzle.h"

namespace kven::tool {

// The outcome of reading a text as the Open command would.
struct DecodeOutcome {
  bool valid = true;
  std::string message;  // "" when valid
};

// Reads a whole file as bytes, or standard input for "" or "-". False when
// the file cannot be read.
bool ReadInput(const std::string& name, std::string& text);

// A fresh start-up/New state, the text split into lines at CR, LF or CR LF,
// then the reader. Never throws: the range error becomes a message.
DecodeOutcome DecodeAsOpen(std::string text, Puzzle& p, EditorState& e);

// The puzzle as one JSON object (compact, one line).
std::string PuzzleJson(const Puzzle& p, const DecodeOutcome& outcome);

// Lines joined with CR LF after each, as Save writes them.
std::string EncodedText(const Puzzle& p);
std::string ClueListText(const Puzzle& p);

}  // namespace kven::tool
