#include "fill_commands.h"

#include <algorithm>
#include <memory>
#include <unistd.h>

#include "commands.h"
#include "fill/fill_problem.h"
#include "fill/fill_quality.h"
#include "fill/fill_search.h"
#include "fill/suggest.h"
#include "fill/word_index.h"
#include "fill/word_search.h"
#include "fill/word_sources.h"
#include "io/files.h"
#include "output.h"
#include "text/encoder.h"
#include "text/text_lines.h"

namespace kven::tool {

namespace {

// The chosen lists, or the default one; none (reported) when one cannot be read.
std::unique_ptr<fill::WordIndex> LoadIndex(const Options& options) {
  fill::WordSources sources;
  sources.lists = options.words;
  sources.avoid = options.avoid;
  fill::WordList list;
  const fill::SourcesLoad loaded = fill::LoadWords(sources, list);
  // Skipped entries are worth a word; a clean list goes unremarked.
  for (const std::string& note : loaded.notes) Complain("kventool: " + note);
  if (loaded.result.status != fill::LoadStatus::Loaded) {
    Complain("kventool: " + loaded.result.message);
    return nullptr;
  }
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

template <typename Words>
std::string WordLines(const Words& words) {
  std::string lines;
  for (const auto& w : words) lines += w.word + " " + std::to_string(w.score) + "\n";
  return lines;
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
      ComplainAbout(options, name, why);
      return Refused;
    }
    if (options.report)
      Complain(InputLabel(options, name) +
               fill::QualityReport(p, fill::MeasureFill(result.entries, fillOptions.weakBelow)));
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
    const ExitCode written = out.Write(name, WordLines(found.words));
    if (!found.unfillable.empty()) Complain("kventool: no word fits " + Names(p, found.unfillable));
    if (found.count == 0) {
      Complain("kventool: no word fits " + EntryName(p, *entry) + " and its crossings");
      return std::max(written, Refused);
    }
    return written;
  });
}

ExitCode RunWords(const Options& options) {
  std::optional<std::string> pattern;
  if (options.anagram.empty()) {
    pattern = fill::ReadPattern(options.pattern);
    if (!pattern) {
      Complain("kventool: a pattern holds letters, ? or . (one letter) and * (any letters): " + options.pattern);
      return UsageError;
    }
  }
  const std::unique_ptr<fill::WordIndex> index = LoadIndex(options);
  if (!index) return UsageError;
  std::vector<fill::FoundWord> found;
  if (pattern) {
    found = fill::MatchPattern(*index, *pattern, options.minScore, options.limit);
  } else {
    const auto anagrams = fill::Anagrams(*index, options.anagram, options.minScore, options.limit);
    if (!anagrams) {
      Complain("kventool: an anagram is made of letters (and ? for any one): " + options.anagram);
      return UsageError;
    }
    found = *anagrams;
  }
  if (!io::WriteAll(STDOUT_FILENO, WordLines(found)).ok) return WriteFailed;
  return found.empty() ? Refused : Done;
}

}  // namespace kven::tool
