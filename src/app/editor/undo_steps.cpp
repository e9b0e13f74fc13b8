#include "app/editor/undo_steps.h"

#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace zumoku {

namespace {
void WithoutUndo(QTextDocument& document, const std::function<void()>& change) {
  document.setUndoRedoEnabled(false);  // also empties the history
  change();
  document.setUndoRedoEnabled(true);
}
}  // namespace

UndoSteps::UndoSteps(QPlainTextEdit& editor) : editor_(editor) {
  // A new step replaces every step that was taken back before it; those lie
  // at the end, as steps are kept in the order of the undo stack. Only the
  // memory they hold is at stake: a record left with the new step's range
  // lies under the new step's own, and Undo takes the newest that fits.
  QObject::connect(editor_.document(), &QTextDocument::undoCommandAdded, &editor_, [this] {
    if (joining_) return;
    const int depth = Depth();
    while (!steps_.empty() && steps_.back().to >= depth) steps_.pop_back();
  });
}

bool UndoSteps::End() {
  if (depth_ == 0 || --depth_ > 0) return false;
  freshHistory_ = false;
  if (!block_) return false;
  CloseBlock();
  Mark(before_);
  return true;
}

bool UndoSteps::Write(const std::function<void()>& write) {
  if (depth_ == 0 || freshHistory_) {
    WithoutUndo(*editor_.document(), write);
    return false;
  }
  if (!block_) OpenBlock(QTextCursor(editor_.document()), false);
  write();
  return true;
}

void UndoSteps::StartFreshHistory() {
  if (block_) CloseBlock();
  freshHistory_ = depth_ > 0;
}

void UndoSteps::AsOneStep(const std::function<void()>& edit, bool joins, const std::function<void()>& afterBlock) {
  if (block_) return edit();  // part of the step around it
  OpenBlock(editor_.textCursor(), joins);
  joining_ = joins;
  edit();
  CloseBlock();
  afterBlock();
  joining_ = false;
  if (joins) {
    steps_.back().to = Depth();
  } else {
    Mark(before_);
  }
}

void UndoSteps::InNewestBlock(const std::function<void()>& change) {
  const bool joining = std::exchange(joining_, true);
  QTextCursor block(editor_.document());
  block.joinPreviousEditBlock();
  change();
  block.endEditBlock();
  joining_ = joining;
}

void UndoSteps::Undo() {
  const int to = Depth();
  editor_.undo();
  const int from = Depth();
  const auto step =
      std::find_if(steps_.rbegin(), steps_.rend(), [&](const Step& s) { return s.from == from && s.to == to; });
  if (step == steps_.rend()) return;
  QTextCursor cursor = editor_.textCursor();
  cursor.setPosition(step->start);
  cursor.setPosition(step->end, QTextCursor::KeepAnchor);
  editor_.setTextCursor(cursor);
}

void UndoSteps::OpenBlock(QTextCursor block, bool joins) {
  const QTextCursor selection = editor_.textCursor();
  before_ = {Depth(), Depth(), selection.selectionStart(), selection.selectionEnd()};
  block_ = std::move(block);
  joins ? block_->joinPreviousEditBlock() : block_->beginEditBlock();
}

void UndoSteps::CloseBlock() {
  block_->endEditBlock();
  block_.reset();
}

void UndoSteps::Mark(const Step& before) {
  const int after = Depth();
  if (after > before.from) steps_.push_back({before.from, after, before.start, before.end});
}

}  // namespace zumoku
