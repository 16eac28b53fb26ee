#include "fill_commands.h"

#include <algorithm>
#include <memory>

#include "commands.h"
#include "fill/fill_problem.h"
#include "fill/fill_search.h"
#include "fill/suggest.h"
#include "fill/word_index.h"
#include "fill/word_list.h"
#include "output.h"
#include "text/encoder.h"
#include "text/text_lines.h"

namespace kven::tool {

namespace {

// The chosen list, or the default one; none (reported) when it cannot be read.
std::unique_ptr<fill::WordIndex> LoadIndex(const Options& options) {
  fill::WordList list;
  const fill::LoadResult loaded = options.words.empty()
                                      ? fill::LoadDefaultWordList(list)
                                      : fill::LoadWordList(options.words, io::Accept::AnyReadable, list);
  if (loaded.status != fill::LoadStatus::Loaded) {
    Complain("kventool: " + loaded.message);
    return nullptr;
  }
  // Skipped entries are worth a word; a clean list goes unremarked.
  if (!options.words.empty() && list.entriesSkipped > 0) Complain("kventool: " + options.words + ": " + fill::ListSummary(list));
  return std::make_unique<fill::WordIndex>(list);
}

std::string Names(const Puzzle& p, const std::vector<DiagramEntry>& entries) {
  std::string names;
  for (const DiagramEntry& e : entries) names += (names.empty() ? "" : ", ") + EntryName(p, e);
  return names;
}

std::string Seconds(double s) {
  std::string text = std::to_string(s);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

ExitCode RunFill(const Options& options) {
  const std::unique_ptr<fill::WordIndex> index = LoadIndex(options);
  if (!index) return UsageError;
  Output out(options.output, options.inputs, ".txt");
  if (!out.Prepare()) return UsageError;
  // Only a puzzle read whole is filled: letters put into half a diagram
  // would be saved as if they were a fill of it.
  return ForEachPuzzle(options, ReadNeed::Whole, [&](const std::string& name, Puzzle& p, const TextRead&) {
    const std::string file = options.inputs.size() > 1 ? name + ": " : std::string();
    fill::FillOptions fillOptions;
    fillOptions.minScore = options.minScore;
    fillOptions.seed = options.seed;
    fillOptions.timeLimitSeconds = options.timeLimit;
    const fill::FillResult result = fill::FillGrid(p, *index, fillOptions);
    if (result.status != fill::FillStatus::Filled) {
      std::string why = result.status == fill::FillStatus::NoFillExists
                            ? "no fill exists"
                            : "no fill found in " + Seconds(options.timeLimit) + " s";
      if (!result.unfillable.empty()) why += "; no word fits " + Names(p, result.unfillable);
      Complain("kventool: " + file + why);
      return Refused;
    }
    NullGridView view;
    fill::PlaceLetters(p, view, result.letters);
    return out.Write(name, JoinLinesCrLf(EncodeText(p)));
  });
}

ExitCode RunSuggest(const Options& options) {
  const std::unique_ptr<fill::WordIndex> index = LoadIndex(options);
  if (!index) return UsageError;
  const Output out(std::string(), options.inputs, std::string());
  return ForEachPuzzle(options, ReadNeed::Whole, [&](const std::string& name, Puzzle& p, const TextRead&) {
    const std::optional<DiagramEntry> entry = EntryNamed(p, options.entry);
    if (!entry) {
      Complain("kventool: " + name + " has no entry " + options.entry);
      return UsageError;
    }
    const fill::Suggestions found = fill::SuggestWords(p, *entry, *index, options.minScore, options.limit);
    std::string lines;
    for (const fill::Suggestion& s : found.words) lines += s.word + " " + std::to_string(s.score) + "\n";
    const ExitCode written = out.Write(name, lines);
    if (!found.unfillable.empty()) Complain("kventool: no word fits " + Names(p, found.unfillable));
    if (found.count == 0) {
      Complain("kventool: no word fits " + EntryName(p, *entry) + " and its crossings");
      return std::max(written, Refused);
    }
    return written;
  });
}

}  // namespace kven::tool
