#include "fill/word_list.h"

#include <charconv>
#include <cstring>

#include "model/messages.h"
#include "text/blanks.h"

namespace kven::fill {

namespace {

std::uint64_t Hash(std::string_view word) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char ch : word) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
  return h;
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A whole number, a plus sign allowed.
std::optional<int> Number(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsPossessive(std::string_view entry) {
  return entry.ends_with("'s") || entry.ends_with("'S") || entry.ends_with("\xE2\x80\x99s");
}

}  // namespace

ListLine ReadListLine(std::string_view line, Folder& folder, const ListReading& reading) {
  ListLine out;
  line = Trim(line);
  if (line.empty()) return out;
  if (line.front() == '#') {
    out.kind = LineKind::Comment;
    return out;
  }
  out.kind = LineKind::Skipped;
  std::optional<int> score;
  if (const auto semicolon = line.rfind(';'); semicolon != std::string_view::npos) {
    score = Number(Trim(line.substr(semicolon + 1)));
    if (!score) return out;
    line = Trim(line.substr(0, semicolon));
  } else if (const auto blank = line.find_last_of(" \t"); blank != std::string_view::npos) {
    // "word 60": a last field that is a number is the score; else the blanks
    // are a phrase's ("ice cream").
    score = Number(line.substr(blank + 1));
    if (score) line = Trim(line.substr(0, blank));
  }
  if (reading.skipPossessives && IsPossessive(line)) return out;
  if (!folder.Fold(line, out.word)) return out;
  out.kind = LineKind::Word;
  out.score = reading.scoreForAll.value_or(score.value_or(DefaultScore));
  return out;
}

std::size_t WordList::Find(std::string_view word, std::uint64_t hash) const {
  const std::size_t mask = table_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t at = table_[slot];
    if (at == 0 || Word(at - 1) == word) return slot;
  }
}

void WordList::Grow() {
  table_.assign(table_.empty() ? 1u << 16 : table_.size() * 2, 0);
  for (std::size_t i = 0; i < offsets_.size(); ++i) table_[Find(Word(i), Hash(Word(i)))] = static_cast<std::uint32_t>(i + 1);
}

void WordList::Append(std::string_view word, int score, std::size_t slot) {
  offsets_.push_back(static_cast<std::uint32_t>(letters_.size()));
  lengths_.push_back(static_cast<std::uint8_t>(word.size()));
  scores_.push_back(score);
  letters_.append(word);
  table_[slot] = static_cast<std::uint32_t>(offsets_.size());
}

void WordList::Add(std::string_view word, int score) {
  ++entriesRead;
  if ((offsets_.size() + 1) * 2 > table_.size()) Grow();
  const std::size_t slot = Find(word, Hash(word));
  if (table_[slot] == 0) {
    Append(word, score, slot);
    return;
  }
  std::int32_t& kept = scores_[table_[slot] - 1];
  if (score > kept) kept = score;
}

void WordList::AddText(std::string_view text, const ListReading& reading) {
  text = WithoutByteOrderMark(text);
  Folder folder;
  std::size_t start = 0;
  while (start < text.size()) {
    const void* newline = std::memchr(text.data() + start, '\n', text.size() - start);
    const std::size_t end = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data()) : text.size();
    const ListLine line = ReadListLine(text.substr(start, end - start), folder, reading);
    start = end + 1;
    if (line.kind == LineKind::Word) Add(line.word, line.score);
    else if (line.kind == LineKind::Skipped) ++entriesSkipped;
  }
}

void WordList::PutOver(const WordList& over) {
  for (std::size_t i = 0; i < over.Size(); ++i) {
    if ((offsets_.size() + 1) * 2 > table_.size()) Grow();
    const std::string_view word = over.Word(i);
    const std::size_t slot = Find(word, Hash(word));
    if (table_[slot] == 0) Append(word, over.Score(i), slot);
    else scores_[table_[slot] - 1] = over.Score(i);
  }
  entriesRead += over.entriesRead;
  entriesSkipped += over.entriesSkipped;
}

void WordList::PutOver(WordList&& over) {
  if (Size() > 0) return PutOver(static_cast<const WordList&>(over));
  over.entriesRead += entriesRead;
  over.entriesSkipped += entriesSkipped;
  *this = std::move(over);
}

void WordList::Remove(const WordList& avoid) {
  WordList kept;
  for (std::size_t i = 0; i < Size(); ++i) {
    if (avoid.ScoreOf(Word(i))) continue;
    if ((kept.offsets_.size() + 1) * 2 > kept.table_.size()) kept.Grow();
    kept.Append(Word(i), Score(i), kept.Find(Word(i), Hash(Word(i))));
  }
  kept.entriesRead = entriesRead;
  kept.entriesSkipped = entriesSkipped;
  *this = std::move(kept);
}

std::optional<int> WordList::ScoreOf(std::string_view word) const {
  if (table_.empty()) return std::nullopt;
  const std::uint32_t at = table_[Find(word, Hash(word))];
  if (at == 0) return std::nullopt;
  return scores_[at - 1];
}

std::string ListSummary(const WordList& list) {
  return "Read " + std::to_string(list.Size()) + " words (" + std::to_string(list.entriesSkipped) +
         " entries skipped)";
}

LoadResult LoadWordList(const std::string& path, io::Accept accept, WordList& list, const ListReading& reading) {
  const io::ReadResult read = io::ReadFile(path, accept);
  switch (read.status) {
    case io::ReadStatus::Read:
      list.AddText(read.bytes, reading);
      return {};
    case io::ReadStatus::TooLarge:
      return {LoadStatus::CannotOpen, message::Format(message::TooLargeFile(), path)};
    case io::ReadStatus::CannotOpen:
      break;
  }
  return {LoadStatus::CannotOpen, message::Format(message::CannotOpenFile, path)};
}

}  // namespace kven::fill
