#include "fill/word_sources.h"

namespace kven::fill {

SourcesLoad LoadWords(const WordSources& sources, WordList& words, const std::function<bool()>& stopped) {
  SourcesLoad load;
  std::vector<std::string> lists = sources.lists;
  if (lists.empty()) lists.emplace_back(DefaultListName);
  for (const std::string& name : lists) {
    if (stopped && stopped()) {
      load.result.status = LoadStatus::Stopped;
      return load;
    }
    WordList list;
    if (name == DefaultListName) {
      load.result = LoadDefaultWordList(list, sources.place, stopped);
    } else {
      load.result = LoadWordList(name, sources.accept, list);
      if (list.entriesSkipped > 0) load.notes.push_back(name + ": " + ListSummary(list));
    }
    if (load.result.status != LoadStatus::Loaded) return load;
    words.PutOver(std::move(list));
  }
  for (const std::string& name : sources.avoid) {
    WordList avoid;
    load.result = LoadWordList(name, sources.accept, avoid);
    if (load.result.status != LoadStatus::Loaded) return load;
    words.Remove(avoid);
  }
  return load;
}

}  // namespace kven::fill
