#include "fill/word_list.h"

#include <array>
#include <charconv>
#include <cstring>

#include "model/messages.h"

namespace kven::fill {

namespace {

// The letters of U+00C0..U+017F with their accents taken off; "" for the two
// signs (multiplication, division) in the range, which are not letters.
constexpr std::array<const char*, 0x180 - 0xC0> LatinLetters = {
    // U+00C0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "TH", "SS",
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "TH", "Y",
    // U+0100
    "A", "A", "A", "A", "A", "A", "C", "C", "C", "C", "C", "C", "C", "C", "D", "D",
    "D", "D", "E", "E", "E", "E", "E", "E", "E", "E", "E", "E", "G", "G", "G", "G",
    "G", "G", "G", "G", "H", "H", "H", "H", "I", "I", "I", "I", "I", "I", "I", "I",
    "I", "I", "IJ", "IJ", "J", "J", "K", "K", "K", "L", "L", "L", "L", "L", "L", "L",
    "L", "L", "L", "N", "N", "N", "N", "N", "N", "N", "N", "N", "O", "O", "O", "O",
    "O", "O", "OE", "OE", "R", "R", "R", "R", "R", "R", "S", "S", "S", "S", "S", "S",
    "S", "S", "T", "T", "T", "T", "T", "T", "U", "U", "U", "U", "U", "U", "U", "U",
    "U", "U", "U", "U", "W", "W", "Y", "Y", "Y", "Z", "Z", "Z", "Z", "Z", "Z", "S",
};

// Marks a word may carry that a grid does not: spaces, hyphens, apostrophes.
constexpr bool IsDropped(char32_t c) {
  return c == U' ' || c == U'-' || c == U'\'' || c == 0xA0 || c == 0x2010 || c == 0x2011 || c == 0x2018 ||
         c == 0x2019 || c == 0x02BC;
}

// Appends the letters of code point c to out; false when c is no letter the
// grid can take or the word grows too long.
bool AppendLetters(char32_t c, char* out, int& length) {
  const char* letters = nullptr;
  char single[2] = {0, 0};
  if (c >= U'a' && c <= U'z') {
    single[0] = static_cast<char>(c - U'a' + U'A');
    letters = single;
  } else if (c >= U'A' && c <= U'Z') {
    single[0] = static_cast<char>(c);
    letters = single;
  } else if (IsDropped(c)) {
    return true;
  } else if (c >= 0xC0 && c < 0x180) {
    letters = LatinLetters[c - 0xC0];
  }
  if (letters == nullptr || *letters == 0) return false;
  for (; *letters != 0; ++letters) {
    if (length == MaxWordLength) return false;
    out[length++] = *letters;
  }
  return true;
}

// The next code point of valid UTF-8 at text[i], advancing i; none for an
// ill-formed sequence.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int extra = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size())
    return std::nullopt;
  for (int k = 1; k <= extra; ++k) {
    const unsigned char next = byte(i + static_cast<std::size_t>(k));
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
  if ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
    return std::nullopt;
  i += static_cast<std::size_t>(extra) + 1;
  return c;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();)
    if (!NextUtf8(text, i)) return false;
  return true;
}

// Folds entry into out[0..length); false when it does not fold.
bool FoldInto(std::string_view entry, char* out, int& length) {
  length = 0;
  bool ascii = true;
  for (const char ch : entry) {
    if (static_cast<unsigned char>(ch) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii || !IsValidUtf8(entry)) {
    for (const char ch : entry)
      if (!AppendLetters(static_cast<unsigned char>(ch), out, length)) return false;
  } else {
    for (std::size_t i = 0; i < entry.size();)
      if (!AppendLetters(*NextUtf8(entry, i), out, length)) return false;
  }
  return length >= MinWordLength;
}

std::uint64_t Hash(std::string_view word) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char ch : word) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
  return h;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::string> FoldEntry(std::string_view entry) {
  char out[MaxWordLength];
  int length = 0;
  if (!FoldInto(entry, out, length)) return std::nullopt;
  return std::string(out, static_cast<std::size_t>(length));
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

void WordList::Add(std::string_view word, int score) {
  ++entriesRead;
  if ((offsets_.size() + 1) * 2 > table_.size()) Grow();
  const std::uint64_t hash = Hash(word);
  const std::size_t slot = Find(word, hash);
  if (table_[slot] != 0) {
    std::int32_t& kept = scores_[table_[slot] - 1];
    if (score > kept) kept = score;
    return;
  }
  offsets_.push_back(static_cast<std::uint32_t>(letters_.size()));
  lengths_.push_back(static_cast<std::uint8_t>(word.size()));
  scores_.push_back(score);
  letters_.append(word);
  table_[slot] = static_cast<std::uint32_t>(offsets_.size());
}

void WordList::AddText(std::string_view text, std::optional<int> scoreForAll) {
  std::size_t start = 0;
  while (start < text.size()) {
    const char* begin = text.data() + start;
    const void* newline = std::memchr(begin, '\n', text.size() - start);
    const std::size_t end = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data()) : text.size();
    std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    int score = scoreForAll.value_or(DefaultScore);
    if (const auto semicolon = line.rfind(';'); semicolon != std::string_view::npos) {
      const std::string_view number = Trim(line.substr(semicolon + 1));
      line = line.substr(0, semicolon);
      const char* first = number.data();
      if (!number.empty() && *first == '+') ++first;
      const auto [ptr, ec] = std::from_chars(first, number.data() + number.size(), score);
      if (number.empty() || ec != std::errc() || ptr != number.data() + number.size()) {
        ++entriesSkipped;
        continue;
      }
    }
    char folded[MaxWordLength];
    int length = 0;
    if (!FoldInto(line, folded, length)) {
      ++entriesSkipped;
      continue;
    }
    Add(std::string_view(folded, static_cast<std::size_t>(length)), score);
  }
}

std::string ListSummary(const WordList& list) {
  return "Read " + std::to_string(list.Size()) + " words (" + std::to_string(list.entriesSkipped) +
         " entries skipped)";
}

LoadResult LoadWordList(const std::string& path, io::Accept accept, WordList& list) {
  const io::ReadResult read = io::ReadFile(path, accept);
  switch (read.status) {
    case io::ReadStatus::Read:
      list.AddText(read.bytes);
      return {};
    case io::ReadStatus::TooLarge:
      return {LoadStatus::CannotOpen, message::Format(message::TooLargeFile(), path)};
    case io::ReadStatus::CannotOpen:
      break;
  }
  return {LoadStatus::CannotOpen, message::Format(message::CannotOpenFile, path)};
}

LoadResult LoadDefaultWordList(WordList& list, std::string_view folder, std::string_view fallback) {
  // SCOWL's size levels: the lower the level, the commoner the word.
  static constexpr int Levels[] = {10, 20, 35, 40, 50, 55, 60, 70};
  static constexpr const char* Kinds[] = {"english", "british", "american"};
  bool any = false;
  for (const int level : Levels) {
    for (const char* kind : Kinds) {
      const std::string path = std::string(folder) + "/" + kind + "-words." + std::to_string(level);
      const io::ReadResult read = io::ReadFile(path, io::Accept::RegularFiles);
      if (read.status != io::ReadStatus::Read) continue;
      list.AddText(read.bytes, 100 - level);
      any = true;
    }
  }
  if (any) return {};
  return LoadWordList(std::string(fallback), io::Accept::RegularFiles, list);
}

}  // namespace kven::fill
