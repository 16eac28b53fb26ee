#include "app/fill_job.h"

#include <QPromise>
#include <QUnhandledException>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "app/fill_panel_texts.h"

namespace kven {

FillJob::FillJob(std::shared_ptr<const fill::WordIndex> index, const Puzzle& puzzle, fill::FillOptions options,
                 FillSearch search, QObject* parent)
    : QObject(parent), stop_(std::make_shared<std::atomic<bool>>(false)), start_(std::chrono::steady_clock::now()) {
  connect(&watcher_, &QFutureWatcher<fill::FillResult>::finished, this, &FillJob::finished);
  connect(&watcher_, &QFutureWatcher<fill::FillResult>::progressValueChanged, this,
          [this](int squares) { emit progressed(squares, watcher_.progressText().toInt()); });
  // The search owns what it reads: the window may go before it ends.
  watcher_.setFuture(QtConcurrent::run(
      [index = std::move(index), puzzle, options = std::move(options), search = std::move(search),
       stop = stop_](QPromise<fill::FillResult>& promise) mutable {
        promise.setProgressRange(0, puzzle.HSquares * puzzle.VSquares);
        options.stop = stop.get();
        options.progress = [&promise](const fill::FillProgress& p) {
          promise.setProgressValueAndText(p.squaresFilled, QString::number(p.restarts));
        };
        promise.addResult(search(puzzle, *index, options));
      }));
}

FillJob::~FillJob() {
  *stop_ = true;
  watcher_.disconnect();
}

void FillJob::Stop() { *stop_ = true; }

double FillJob::Seconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

std::optional<fill::FillResult> FillJob::Result(QString& error) const {
  try {
    QFuture<fill::FillResult> future = watcher_.future();
    if (future.resultCount() > 0) return future.result();
    future.waitForFinished();  // rethrows what the search threw
    error = fill_text::UnknownError;
  } catch (const QUnhandledException& e) {
    try {
      if (e.exception()) std::rethrow_exception(e.exception());
      error = fill_text::UnknownError;
    } catch (const std::exception& inner) {
      error = QString::fromLocal8Bit(inner.what());
    } catch (...) {
      error = fill_text::UnknownError;
    }
  } catch (const std::exception& e) {
    error = QString::fromLocal8Bit(e.what());
  }
  return std::nullopt;
}

}  // namespace kven
