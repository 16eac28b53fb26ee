#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// The program's own messages, each written once, and its run-time error.
namespace kven::message {

inline constexpr std::string_view InvalidData = "Oops - We hit Invalid Data";
inline constexpr std::string_view RangeCheck = "Range check error";
// "%s" stands for the file name.
inline constexpr std::string_view CannotOpenFile = "Cannot open file %s";
inline constexpr std::string_view CannotCreateFile = "Cannot create file %s";
// A size in the words of the messages: "64 MiB" for 64 << 20 bytes (whole
// mebibytes, rounded down).
std::string Mebibytes(std::size_t bytes);

// A text larger than the program reads (kven::io::MaxInputBytes): the file
// message with "%s" standing for the file name, and the clipboard's.
std::string TooLargeFile();
std::string TooLargeClipboard();

// An ipuz import left squares without a letter; "%s" stands for their number.
inline constexpr std::string_view SolutionLeftEmpty =
    "Squares left without a letter because their solution was not a single letter: %s";

// The message with its "%s" replaced by text.
std::string Format(std::string_view message, std::string_view text);

}  // namespace kven::message

namespace kven {

// A fixed limit reached at run time (the 101st across or down entry). It ends
// the current command; whoever runs commands catches it and shows what().
class RangeError : public std::runtime_error {
 public:
  RangeError() : std::runtime_error(std::string(message::RangeCheck)) {}
};

}  // namespace kven
