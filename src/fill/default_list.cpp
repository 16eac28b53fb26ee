#include "fill/default_list.h"

#include <nlohmann/json.hpp>

namespace kven::fill {

// The profane-words package's words.json, built into the program.
extern const std::string_view ProfaneWordsJson;

namespace {

struct ScowlPart {
  const char* name;
  int maxLevel;
  int scoreOff;  // taken from 100 - level
  bool possessives;  // holds possessives as forms of their own ("class's")
};

// Names are good entries, but a setter reaches for a common word first;
// abbreviations only where nothing else fits.
constexpr ScowlPart Parts[] = {
    {"words", 70, 0, true},
    {"contractions", 70, 0, false},  // "it's" is no possessive
    {"upper", 50, 0, true},
    {"proper-names", 50, 0, true},
    {"abbreviations", 50, 10, true},
};
// SCOWL's size levels up to 70: the lower the level, the commoner the word.
constexpr int Levels[] = {10, 20, 35, 40, 50, 55, 60, 70};
constexpr const char* Kinds[] = {"english", "british", "american"};

}  // namespace

LoadResult LoadDefaultWordList(WordList& list, const DefaultListPlace& place, const std::function<bool()>& stopped) {
  WordList scowl;
  bool any = false;
  for (const ScowlPart& part : Parts) {
    for (const int level : Levels) {
      if (level > part.maxLevel) continue;
      for (const char* kind : Kinds) {
        if (stopped && stopped()) return {LoadStatus::Stopped, {}};
        const std::string path = place.folder + "/" + kind + "-" + part.name + "." + std::to_string(level);
        const io::ReadResult read = io::ReadFile(path, io::Accept::RegularFiles);
        if (read.status != io::ReadStatus::Read) continue;
        scowl.AddText(read.bytes, ListReading{100 - level - part.scoreOff, part.possessives});
        any = true;
      }
    }
  }
  if (!any) {
    const LoadResult fallback = LoadWordList(place.fallback, io::Accept::RegularFiles, scowl, ListReading{{}, true});
    if (fallback.status != LoadStatus::Loaded) return fallback;
  }
  scowl.Remove(DefaultAvoidList());
  list.PutOver(std::move(scowl));
  return {};
}

const WordList& DefaultAvoidList() {
  static const WordList avoid = [] {
    WordList words;
    Folder folder;
    std::string folded;
    for (const auto& entry : nlohmann::json::parse(ProfaneWordsJson))
      if (entry.is_string() && folder.Fold(entry.get<std::string>(), folded)) words.Add(folded, 0);
    return words;
  }();
  return avoid;
}

}  // namespace kven::fill
