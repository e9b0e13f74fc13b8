#include "buffer/undo_log.h"

#include <utility>

namespace zumoku {

bool UndoLog::EndStep() {
  if (depth_ == 0 || --depth_ > 0) return false;
  fresh_ = false;
  return std::exchange(stepWritten_, false);
}

void UndoLog::RecordCommand(Edit edit, Selection before) {
  typingRun_ = false;
  if (depth_ == 0 || fresh_) {
    steps_.clear();
    undone_.clear();
    savedDepth_.reset();
    return;
  }
  if (!std::exchange(stepWritten_, true)) Push({{}, before});
  Grow(std::move(edit));
}

void UndoLog::RecordUserEdit(Edit edit, Selection before) {
  typingRun_ = false;
  Push({{std::move(edit)}, before});
}

void UndoLog::RecordTyping(Edit edit, Selection before, bool closesRun) {
  if (typingRun_) {
    Grow(std::move(edit));
  } else {
    Push({{std::move(edit)}, before});
  }
  typingRun_ = !closesRun;
}

void UndoLog::StartFresh(bool saved) {
  steps_.clear();
  undone_.clear();
  stepWritten_ = false;
  fresh_ = depth_ > 0;
  typingRun_ = false;
  savedDepth_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
}

void UndoLog::SetModified(bool modified) {
  typingRun_ = false;  // typing after a save is a step of its own
  savedDepth_ = modified ? std::nullopt : std::optional(steps_.size());
}

const UndoLog::Step* UndoLog::TakeNewest() {
  if (steps_.empty()) return nullptr;
  typingRun_ = false;
  undone_.push_back(std::move(steps_.back()));
  steps_.pop_back();
  return &undone_.back();
}

const UndoLog::Step* UndoLog::TakeUndone() {
  if (undone_.empty()) return nullptr;
  typingRun_ = false;
  steps_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  return &steps_.back();
}

void UndoLog::Push(Step step) {
  if (savedDepth_ > steps_.size()) savedDepth_.reset();
  undone_.clear();
  steps_.push_back(std::move(step));
}

void UndoLog::Grow(Edit edit) {
  if (savedDepth_ == steps_.size() && !steps_.back().edits.empty()) savedDepth_.reset();
  undone_.clear();
  steps_.back().edits.push_back(std::move(edit));
}

}  // namespace zumoku
