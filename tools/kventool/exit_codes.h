#pragma once

// kventool's exit status. With several inputs it is the worst of them: the
// highest number.
namespace kven::tool {

enum ExitCode : int {
  Done = 0,         // every input read and every output written
  Refused = 1,      // a text was refused (invalid data, a range error, an ipuz document
                    // that cannot be imported), or a check found something
  UsageError = 2,   // a wrong command line, an input that cannot be read, or an
                    // output file that cannot be created
  WriteFailed = 3,  // standard output could not be written (a full disk, a closed device)
};

}  // namespace kven::tool
