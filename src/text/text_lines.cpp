#include "text/text_lines.h"

#include <algorithm>

namespace kven {

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

TextLines::TextLines(std::string text) : text_(std::move(text)) {
  const std::size_t n = text_.size();
  std::size_t begin = 0;
  while (begin < n) {
    if (count_ % Stride == 0) starts_.push_back(begin);
    ++count_;
    begin = NextLineStart(LineEnd(begin));
  }
}

TextLines TextLines::FromLines(const TextLineList& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return TextLines(std::move(text));
}

std::size_t TextLines::LineEnd(std::size_t begin) const {
  const char* data = text_.data();
  const std::size_t n = text_.size();
  std::size_t i = begin;
  while (i < n && !IsBreak(data[i])) ++i;
  return i;
}

std::size_t TextLines::NextLineStart(std::size_t end) const {
  if (end >= text_.size()) return text_.size();
  if (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') return end + 2;
  return end + 1;
}

std::string_view TextLines::Fetch(std::size_t i) const {
  std::size_t line;
  std::size_t begin;
  if (cachedLine_ != None && cachedLine_ < i && i - cachedLine_ < Stride) {
    line = cachedLine_ + 1;
    begin = NextLineStart(cachedBegin_ + cachedLength_);
  } else {
    line = i - i % Stride;
    begin = starts_[i / Stride];
  }
  for (; line < i; ++line) begin = NextLineStart(LineEnd(begin));
  cachedLine_ = i;
  cachedBegin_ = begin;
  cachedLength_ = LineEnd(begin) - begin;
  return std::string_view(text_.data() + cachedBegin_, cachedLength_);
}

std::optional<std::size_t> TextLines::FindLine(std::size_t from, std::string_view token) const {
  if (from >= count_) return std::nullopt;
  // One search of the buffer instead of one per line: a text may hold
  // millions of lines. A token holds no line break, so a match lies within
  // one line; counting the breaks before it names that line.
  const std::size_t start = static_cast<std::size_t>((*this)[from].data() - text_.data());
  const std::size_t at = std::string_view(text_).find(token, start);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t line = from;
  for (std::size_t pos = start;;) {
    const std::size_t end = LineEnd(pos);
    if (at < end) break;
    pos = NextLineStart(end);
    ++line;
  }
  return line;
}

std::string JoinLinesCrLf(const TextLineList& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace kven
