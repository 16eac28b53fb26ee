#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exit_codes.h"

namespace kven::tool {

// Where a command puts what it makes of each input: standard output, the
// file -o names, or, with several inputs or when -o names a folder, one
// file per input in that folder, named after the input with the command's
// extension. Every write is checked and every failure reported on standard
// error, naming the file.
class Output {
 public:
  // `extension` includes its dot (".txt"); inputs as the command line gave them.
  Output(const std::string& option, const std::vector<std::string>& inputs, std::string extension);

  // Makes the folder when one is wanted. False (with the message printed)
  // when it cannot be made.
  bool Prepare();
  // Where the result of `input` goes; empty for standard output.
  std::string PathFor(const std::string& input) const;
  // Writes the result of one input; the exit code it leaves.
  ExitCode Write(const std::string& input, std::string_view bytes) const;

 private:
  std::string option_;
  std::vector<std::string> inputs_;
  std::string extension_;
  bool folder_ = false;
};

// Prints a message of the program on a line of its own on standard error,
// then, when there is one, the system's reason as "kventool: REASON".
void Complain(const std::string& message, const std::string& reason = std::string());

}  // namespace kven::tool
