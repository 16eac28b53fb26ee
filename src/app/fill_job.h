#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "fill/fill_search.h"
#include "fill/word_index.h"
#include "fill/word_list.h"
#include "model/puzzle.h"

namespace kven {

// What a background run is asked to do: read a word list (when `loadList`),
// then fill a copy of the puzzle (when there is one) with that list or the
// one given.
struct FillJobInput {
  bool loadList = false;
  std::string listPath;  // empty: the default list
  std::shared_ptr<const fill::WordIndex> index;
  std::optional<Puzzle> puzzle;
  fill::FillOptions options;  // its stop flag and progress are the job's own
};

struct FillJobOutput {
  std::shared_ptr<const fill::WordIndex> index;  // the list read, when one was
  fill::LoadResult load;
  std::string summary;  // how many words the list gave
  std::optional<fill::FillResult> result;
};

// One run on a thread of its own, which the window polls: it never calls
// back, so nothing of the window is touched from the worker.
class FillJob {
 public:
  explicit FillJob(FillJobInput input);
  ~FillJob();  // stops the run and waits for it
  FillJob(const FillJob&) = delete;
  FillJob& operator=(const FillJob&) = delete;

  void Stop() { stop_ = true; }
  bool Done() const { return done_; }
  bool Fills() const { return input_.puzzle.has_value(); }
  bool LoadsList() const { return input_.loadList; }
  const std::string& ListPath() const { return input_.listPath; }
  const fill::FillProgress& Progress() const { return progress_; }
  double Seconds() const;
  // What the run gave; only once Done.
  FillJobOutput Take();

 private:
  void Run();

  FillJobInput input_;
  FillJobOutput output_;
  fill::FillProgress progress_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> done_{false};
  std::chrono::steady_clock::time_point start_;
  std::thread thread_;
};

}  // namespace kven
