#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kven {

// Lines the program builds (the KVEN text it writes, the clue list).
using TextLineList = std::vector<std::string>;

// The lines of a text as it was read, held compactly: the bytes in one
// buffer and the start of every 64th line, so that a text of millions of
// short lines costs little more than its own size. Lines are split at CR,
// LF or CR LF; a final line break makes no extra empty line, and an empty
// text has no lines. Reading a line costs a short walk from the nearest
// kept start, or none when it is the line read last or the one after it.
class TextLines {
 public:
  TextLines() = default;
  explicit TextLines(std::string text);
  // The lines as given, each followed by a line break.
  static TextLines FromLines(const TextLineList& lines);

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // Line i (0-based, i < size()), without its line break.
  std::string_view operator[](std::size_t i) const {
    return i == cachedLine_ ? std::string_view(text_.data() + cachedBegin_, cachedLength_) : Fetch(i);
  }
  // The first line at or after `from` that contains token, which holds no
  // line break; none when no line does.
  std::optional<std::size_t> FindLine(std::size_t from, std::string_view token) const;

  // The text as it was read, line breaks and all.
  std::string_view Text() const { return text_; }

 private:
  static constexpr std::size_t Stride = 64;
  static constexpr std::size_t None = static_cast<std::size_t>(-1);

  // Finds line i and keeps it as the line read last.
  std::string_view Fetch(std::size_t i) const;
  // Where the line after the one ending at `end` begins.
  std::size_t NextLineStart(std::size_t end) const;
  std::size_t LineEnd(std::size_t begin) const;

  std::string text_;
  std::size_t count_ = 0;
  std::vector<std::size_t> starts_;  // the start of lines 0, 64, 128, ...
  // The line read last, as offsets that stay right when the text is copied
  // or moved: readers read one line many times, then the next.
  mutable std::size_t cachedLine_ = None;
  mutable std::size_t cachedBegin_ = 0;
  mutable std::size_t cachedLength_ = 0;
};

// Lines joined with CR LF after each, as Save writes them.
std::string JoinLinesCrLf(const TextLineList& lines);

}  // namespace kven
