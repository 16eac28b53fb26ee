#include "fill/fill_quality.h"

#include <algorithm>
#include <cstdio>

namespace kven::fill {

FillQuality MeasureFill(const std::vector<FilledEntry>& entries, int weakBelow) {
  FillQuality q;
  q.weakBelow = weakBelow;
  q.entries = static_cast<int>(entries.size());
  if (entries.empty()) return q;
  long long total = 0;
  q.lowest = entries.front().score;
  for (const FilledEntry& e : entries) {
    total += e.score;
    q.lowest = std::min(q.lowest, e.score);
    if (e.score < weakBelow) q.weak.push_back(e);
  }
  q.mean = static_cast<double>(total) / static_cast<double>(entries.size());
  std::stable_sort(q.weak.begin(), q.weak.end(), [](const FilledEntry& a, const FilledEntry& b) { return a.score < b.score; });
  return q;
}

std::string QualityReport(const Puzzle& p, const FillQuality& q) {
  char mean[32];
  std::snprintf(mean, sizeof mean, "%.1f", q.mean);
  std::string line = "Quality: " + std::to_string(q.entries) + (q.entries == 1 ? " entry" : " entries");
  if (q.entries == 0) return line;
  line += ", lowest score " + std::to_string(q.lowest) + ", mean " + mean + "; " + std::to_string(q.weak.size()) +
          " below " + std::to_string(q.weakBelow);
  for (std::size_t i = 0; i < q.weak.size(); ++i)
    line += (i == 0 ? ": " : ", ") + EntryName(p, q.weak[i].entry) + " " + q.weak[i].word + " " +
            std::to_string(q.weak[i].score);
  return line;
}

}  // namespace kven::fill
