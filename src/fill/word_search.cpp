#include "fill/word_search.h"

#include <algorithm>
#include <array>

namespace kven::fill {

namespace {

char Upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }
bool IsLetter(char ch) { return ch >= 'A' && ch <= 'Z'; }

// Whether the word matches the pattern, "*" and "?" as in ReadPattern.
bool Matches(std::string_view pattern, std::string_view word) {
  std::size_t p = 0, w = 0;
  std::size_t star = std::string_view::npos, resume = 0;
  while (w < word.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == word[w])) {
      ++p, ++w;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++, resume = w;
    } else if (star != std::string_view::npos) {
      p = star + 1, w = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

void BestFirst(std::vector<FoundWord>& found, int limit) {
  const auto better = [](const FoundWord& a, const FoundWord& b) {
    return a.score != b.score ? a.score > b.score : a.word < b.word;
  };
  if (limit > 0 && found.size() > static_cast<std::size_t>(limit)) {
    std::partial_sort(found.begin(), found.begin() + limit, found.end(), better);
    found.resize(static_cast<std::size_t>(limit));
  } else {
    std::sort(found.begin(), found.end(), better);
  }
}

}  // namespace

std::optional<std::string> ReadPattern(std::string_view pattern) {
  std::string out;
  bool place = false;
  for (const char raw : pattern) {
    const char ch = raw == '.' ? '?' : Upper(raw);
    if (ch == '*') {
      if (out.empty() || out.back() != '*') out += ch;
      continue;
    }
    if (ch != '?' && !IsLetter(ch)) return std::nullopt;
    out += ch;
    place = true;
  }
  if (!place && out.empty()) return std::nullopt;
  return out;
}

std::vector<FoundWord> MatchPattern(const WordIndex& index, std::string_view pattern, int minScore, int limit) {
  std::vector<FoundWord> found;
  const std::size_t firstStar = pattern.find('*');
  const std::size_t lastStar = pattern.rfind('*');
  const bool open = firstStar != std::string_view::npos;
  const int places = static_cast<int>(pattern.size() - std::count(pattern.begin(), pattern.end(), '*'));
  const int longest = open ? MaxWordLength : places;
  for (int length = std::max(places, MinWordLength); length <= longest; ++length) {
    const int n = index.CountAtLeast(length, minScore);
    if (n == 0) continue;
    // The letters before the first "*" and after the last one stand at
    // places of their own: the index narrows the words by them.
    std::vector<std::uint64_t> bits(static_cast<std::size_t>(index.Blocks(length)), 0);
    for (int w = 0; w < n; ++w) bits[static_cast<std::size_t>(w / 64)] |= std::uint64_t{1} << (w % 64);
    const auto narrow = [&](int position, char ch) {
      if (!IsLetter(ch)) return;
      const std::uint64_t* with = index.With(length, position, ch - 'A');
      for (std::size_t b = 0; b < bits.size(); ++b) bits[b] &= with[b];
    };
    const std::size_t head = open ? firstStar : pattern.size();
    for (std::size_t k = 0; k < head; ++k) narrow(static_cast<int>(k), pattern[k]);
    if (open)
      for (std::size_t k = lastStar + 1; k < pattern.size(); ++k)
        narrow(length - static_cast<int>(pattern.size() - k), pattern[k]);
    for (std::size_t b = 0; b < bits.size(); ++b)
      for (std::uint64_t m = bits[b]; m != 0; m &= m - 1) {
        const int w = static_cast<int>(b * 64) + __builtin_ctzll(m);
        const std::string_view word = index.Word(length, w);
        if (!open || Matches(pattern, word)) found.push_back({std::string(word), index.Score(length, w)});
      }
  }
  BestFirst(found, limit);
  return found;
}

std::optional<std::vector<FoundWord>> Anagrams(const WordIndex& index, std::string_view letters, int minScore,
                                               int limit) {
  std::array<int, Letters> wanted{};
  int blanks = 0;
  for (const char raw : letters) {
    const char ch = Upper(raw);
    if (ch == '?') ++blanks;
    else if (IsLetter(ch)) ++wanted[static_cast<std::size_t>(ch - 'A')];
    else return std::nullopt;
  }
  std::vector<FoundWord> found;
  const int length = static_cast<int>(letters.size());
  const int n = index.CountAtLeast(length, minScore);
  for (int w = 0; w < n; ++w) {
    const std::string_view word = index.Word(length, w);
    std::array<int, Letters> left = wanted;
    int over = 0;
    for (const char ch : word)
      if (--left[static_cast<std::size_t>(ch - 'A')] < 0) ++over;
    if (over <= blanks) found.push_back({std::string(word), index.Score(length, w)});
  }
  BestFirst(found, limit);
  return found;
}

}  // namespace kven::fill
