#pragma once
// The undo history of a document: steps of byte edits, each with the
// selection from before it, and where the saved text lies in it.
// A user edit (a paste, a cut) is one step; a run of typing is one step,
// which a typed line end closes and any other edit or selection change ends;
// a command's writes between BeginStep and the matching EndStep are one
// step, and a command's write outside a step empties the history.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zumoku {

class UndoLog {
 public:
  struct Edit {
    std::size_t at;
    std::string removed;
    std::string inserted;
  };
  struct Selection {
    std::size_t start = 0, length = 0;
  };
  struct Step {
    std::vector<Edit> edits;
    Selection before;
  };

  void BeginStep() { ++depth_; }
  // True when the outermost step wrote anything.
  bool EndStep();

  void RecordCommand(Edit edit, Selection before);
  void RecordUserEdit(Edit edit, Selection before);
  // Typing that starts where the run's last insertion ended; `closesRun`
  // when it typed a line end.
  void RecordTyping(Edit edit, Selection before, bool closesRun);
  // The caret or the selection moved.
  void EndTypingRun() { typingRun_ = false; }

  // Clear and Load: an empty history, even inside a step. `saved` when the
  // empty text counts as saved.
  void StartFresh(bool saved);
  bool Modified() const { return savedDepth_ != steps_.size(); }
  void SetModified(bool modified);

  // The newest step, taken off the history and kept for Redo; none when
  // the history is empty.
  const Step* TakeNewest();
  // The step taken back last, put on the history again; none when nothing
  // was taken back since the last edit.
  const Step* TakeUndone();
  bool CanRedo() const { return !undone_.empty(); }

 private:
  // A new step: a saved state taken back before it can no longer come back,
  // and neither can the steps taken back.
  void Push(Step step);
  // The newest step grows: when it was the saved state, that state is gone.
  void Grow(Edit edit);

  std::vector<Step> steps_;
  std::vector<Step> undone_;  // newest last
  // The number of steps when the text was last marked saved; none when no
  // undo leads back to it.
  std::optional<std::size_t> savedDepth_ = 0;
  int depth_ = 0;
  bool stepWritten_ = false;
  bool fresh_ = false;      // the history started afresh inside the open step
  bool typingRun_ = false;  // the newest step is a run that typing may extend
};

}  // namespace zumoku
