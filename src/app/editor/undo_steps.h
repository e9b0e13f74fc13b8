#pragma once
// The undo steps of memo1. Each step is one edit block of the document, kept
// with the undo stack's depths around it and the selection before it, so
// that Undo brings that selection back. A command's step may nest and opens
// its edit block at its first write; the widget's own edits (a paste, a cut,
// a deleting key, typing) are a step each unless an edit block is open.
#include <QPlainTextEdit>
#include <QTextCursor>
#include <functional>
#include <optional>
#include <vector>

namespace zumoku {

class UndoSteps {
 public:
  explicit UndoSteps(QPlainTextEdit& editor);

  // A command's writes between Begin and the matching End form one step;
  // End returns true when the outermost step wrote anything.
  void Begin() { ++depth_; }
  bool End();
  // Runs a command's write: inside a step, in the step's edit block, opened
  // at the first write; outside one, or after a fresh history, without undo,
  // which empties the history. True when it went into the edit block, whose
  // changes the document reports only when the block ends.
  bool Write(const std::function<void()>& write);
  // Clear and Load start a fresh history, even inside a step.
  void StartFreshHistory();

  // Runs an edit in one edit block: a new step, or, joining, the newest step
  // grown; inside an open edit block, as part of it. `afterBlock` runs once
  // the block has ended, still within the step.
  void AsOneStep(const std::function<void()>& edit, bool joins, const std::function<void()>& afterBlock);
  // Runs a change in the newest edit block, which keeps its record.
  void InNewestBlock(const std::function<void()>& change);

  // Takes back the most recent undo step and brings back the selection from
  // before it.
  void Undo();

 private:
  struct Step {
    int from, to;    // undo stack depths around the step
    int start, end;  // the selection before it
  };

  int Depth() const { return editor_.document()->availableUndoSteps(); }
  void OpenBlock(QTextCursor block, bool joins);
  void CloseBlock();
  // Keeps the record of the step that began as `before` and just ended.
  void Mark(const Step& before);

  QPlainTextEdit& editor_;
  int depth_ = 0;
  bool freshHistory_ = false;
  // The open edit block, and the step it began as.
  std::optional<QTextCursor> block_;
  Step before_{};
  std::vector<Step> steps_;
  bool joining_ = false;  // a step's record stays while its edit block grows
};

}  // namespace zumoku
