// Feeds arbitrary bytes as a word list. Every word kept must be 2..30 letters
// A..Z, held once, and fold to itself; the counts must add up; and an index
// of the list must find every word where it puts it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "fill/word_index.h"
#include "fill/word_list.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kven::fill::WordList list;
  list.AddText(text);
  Check(list.Size() <= static_cast<std::size_t>(list.entriesRead), "more words than entries read");
  std::set<std::string_view> seen;
  for (std::size_t i = 0; i < list.Size(); ++i) {
    const std::string_view word = list.Word(i);
    Check(word.size() >= 2 && word.size() <= 30, "a word's length");
    for (const char ch : word) Check(ch >= 'A' && ch <= 'Z', "a word's letters");
    Check(seen.insert(word).second, "a word held twice");
    Check(kven::fill::FoldEntry(word) == std::string(word), "a word that does not fold to itself");
  }
  const kven::fill::WordIndex index(list);
  std::size_t indexed = 0;
  for (int length = 2; length <= 30; ++length) {
    indexed += static_cast<std::size_t>(index.Count(length));
    for (int i = 0; i < index.Count(length); ++i) {
      Check(index.Find(index.Word(length, i)) == i, "an indexed word not found where it is");
      if (i > 0) Check(index.Score(length, i - 1) >= index.Score(length, i), "words not best first");
    }
  }
  Check(indexed == list.Size(), "the index lost words");
  return 0;
}
