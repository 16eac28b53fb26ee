#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <utility>

namespace kven {

// The steps that Undo and Redo walk: each the state before and after one
// change, under the change's name ("Clear", "Block"). A new change drops
// whatever could be redone. The oldest steps go once `capacity` are kept,
// so the memory is bounded by 2 x capacity states.
template <typename State>
class UndoHistory {
 public:
  static constexpr std::size_t DefaultCapacity = 500;

  explicit UndoHistory(std::size_t capacity = DefaultCapacity) : capacity_(capacity < 1 ? 1 : capacity) {}

  // A change named `name` led from `before` to `after`. With `extend`, a
  // change of the same name that directly follows the last one recorded
  // (nothing undone or redone since) makes that step longer instead: a
  // burst of typing is one step.
  void Record(std::string name, State before, State after, bool extend = false) {
    if (extend && lastRecorded_ && steps_.back().name == name) {
      steps_.back().after = std::move(after);
      return;
    }
    steps_.resize(done_);
    steps_.push_back({std::move(name), std::move(before), std::move(after)});
    if (steps_.size() > capacity_) steps_.pop_front();
    done_ = steps_.size();
    lastRecorded_ = true;
  }

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The name of the change Undo or Redo would take back or do again.
  const std::string& UndoName() const { return steps_[done_ - 1].name; }
  const std::string& RedoName() const { return steps_[done_].name; }

  // Steps back (forward) and returns the state to show. Only when CanUndo
  // (CanRedo).
  const State& Undo() {
    lastRecorded_ = false;
    return steps_[--done_].before;
  }
  const State& Redo() {
    lastRecorded_ = false;
    return steps_[done_++].after;
  }
  std::size_t Size() const { return steps_.size(); }

 private:
  struct Step {
    std::string name;
    State before;
    State after;
  };
  std::size_t capacity_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;        // steps_[0..done_) are done, the rest undone
  bool lastRecorded_ = false;  // the last step is the one recorded last, not undone or redone since
};

}  // namespace kven
