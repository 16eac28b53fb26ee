#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fill/default_list.h"
#include "fill/word_list.h"

// The words a fill draws on, as a setter stacks them: a personal list over
// the default one, and avoid lists over them all.
namespace kven::fill {

// Stands for the default list among the lists of a stack.
inline constexpr std::string_view DefaultListName = "default";

struct WordSources {
  // From the bottom up: a word in several lists takes the score of the
  // highest one that holds it. DefaultListName is the default list; none
  // given means the default list alone.
  std::vector<std::string> lists;
  // Lists of words never to offer or fill, one word a line; they reach the
  // user's own lists too, which are otherwise kept as they are.
  std::vector<std::string> avoid;
  DefaultListPlace place;
  io::Accept accept = io::Accept::AnyReadable;
};

struct SourcesLoad {
  LoadResult result;
  // "LIST: Read N words (M entries skipped)" for each named list that had
  // entries it could not take.
  std::vector<std::string> notes;
};

// Reads every list of the stack into `words`; stops at the first that cannot
// be read. `stopped`, when given, is asked between lists and files.
SourcesLoad LoadWords(const WordSources& sources, WordList& words, const std::function<bool()>& stopped = {});

}  // namespace kven::fill
