#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "fill/fill_search.h"
#include "fill/word_index.h"
#include "model/puzzle.h"

namespace kven {

// What a fill job runs on its thread: the fill search, unless a test gives
// one of its own.
using FillSearch = std::function<fill::FillResult(const Puzzle&, const fill::WordIndex&, const fill::FillOptions&)>;

// One fill of a copy of the puzzle on Qt's thread pool. The window hears of
// it only through signals on its own thread; when the job is destroyed the
// search is told to stop and left to end by itself, unwaited for.
class FillJob : public QObject {
  Q_OBJECT

 public:
  FillJob(std::shared_ptr<const fill::WordIndex> index, const Puzzle& puzzle, fill::FillOptions options,
          FillSearch search = fill::FillGrid, QObject* parent = nullptr);
  ~FillJob() override;

  void Stop();
  bool Stopped() const { return *stop_; }
  double Seconds() const;
  // Once finished: the search's result; when the search ended in an error,
  // none, with the error's text in `error`.
  std::optional<fill::FillResult> Result(QString& error) const;

 signals:
  void progressed(int squaresFilled, int restarts);
  void finished();

 private:
  std::shared_ptr<std::atomic<bool>> stop_;
  std::chrono::steady_clock::time_point start_;
  QFutureWatcher<fill::FillResult> watcher_;
};

}  // namespace kven
