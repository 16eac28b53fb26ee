#include "app/fill_job.h"

namespace kven {

FillJob::FillJob(FillJobInput input) : input_(std::move(input)), start_(std::chrono::steady_clock::now()) {
  input_.options.stop = &stop_;
  input_.options.progress = &progress_;
  thread_ = std::thread([this] { Run(); });
}

FillJob::~FillJob() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

double FillJob::Seconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void FillJob::Run() {
  std::shared_ptr<const fill::WordIndex> index = input_.index;
  if (input_.loadList) {
    fill::WordList list;
    output_.load = input_.listPath.empty() ? fill::LoadDefaultWordList(list)
                                           : fill::LoadWordList(input_.listPath, io::Accept::AnyReadable, list);
    if (output_.load.status == fill::LoadStatus::Loaded) {
      output_.summary = fill::ListSummary(list);
      index = std::make_shared<const fill::WordIndex>(list);
      output_.index = index;
    } else {
      index = nullptr;
    }
  }
  if (input_.puzzle && index && !stop_) output_.result = fill::FillGrid(*input_.puzzle, *index, input_.options);
  else if (input_.puzzle && stop_) {
    output_.result.emplace();
    output_.result->status = fill::FillStatus::Stopped;
  }
  done_ = true;
}

FillJobOutput FillJob::Take() {
  if (thread_.joinable()) thread_.join();
  return std::move(output_);
}

}  // namespace kven
