#pragma once
// The reference EditBuffer: the document as one byte string. Every text
// command is tested against it.
#include <optional>
#include <string>
#include <vector>

#include "buffer/clipboard.h"
#include "buffer/edit_buffer.h"

namespace zumoku {

class TextBuffer : public EditBuffer, private EditLines {
 public:
  explicit TextBuffer(Clipboard& clipboard) : clipboard_(clipboard) {}

  std::string Text() const override { return text_; }
  int SelStart() const override { return static_cast<int>(selStart_); }
  void SetSelStart(int position) override;
  int SelLength() const override { return static_cast<int>(selLength_); }
  void SetSelLength(int length) override;
  std::string SelText() const override { return text_.substr(selStart_, selLength_); }
  void SetSelText(std::string_view s) override;
  EditLines& Lines() override { return *this; }
  void BeginUndoStep() override { ++stepDepth_; }
  bool EndUndoStep() override;

  Encoding TextEncoding() const override { return encoding_; }
  void Clear() override;
  void Load(std::string_view bytes, Encoding encoding) override;
  bool Modified() const override { return cleanDepth_ != undo_.size(); }
  void SetModified(bool modified) override;

  void Undo() override;
  void CutToClipboard() override;
  void CopyToClipboard() override;
  void PasteFromClipboard() override;
  void SelectAll() override;

  // The user typing s (a key or an input-method commit) over the selection.
  // Typed insertions that each start where the previous one ended form one
  // undo step, a typing run; a typed line end closes its run, and so does
  // any other edit, a move of the caret or the selection, Undo, Clear, Load.
  void Type(std::string_view s);

 private:
  struct Edit {
    std::size_t at;
    std::string removed;
    std::string inserted;
  };
  // A user edit (one Edit) or a command's writes, and the selection before.
  struct Step {
    std::vector<Edit> edits;
    std::size_t selStart = 0;
    std::size_t selLength = 0;
  };

  // EditLines
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, std::string_view s) override;
  void Add(std::string_view s) override;
  // Nothing to redraw.
  void BeginUpdate() override {}
  void EndUpdate() override {}

  // Replaces [at, at + length) by already normalised bytes; caret after them
  // (after the character the last of them joins). Ends the typing run.
  void Replace(std::size_t at, std::size_t length, std::string_view bytes);
  void UserEdit(std::string_view normalized);
  // A selection that differs from the current one ends the typing run.
  void Select(std::size_t start, std::size_t length);
  void CommandEdit(std::size_t at, std::size_t length, std::string_view s);
  // Clear and Load start a fresh history, even inside a step.
  void StartFreshHistory();
  // A new step: a saved state taken back before it can no longer come back.
  void PushStep(Step step);
  // The newest step grows: when it was the saved state, that state is gone.
  void GrowNewestStep(Edit edit);
  // Byte range of line `index` without its line end; false past the last.
  bool LineRange(int index, std::size_t& begin, std::size_t& end) const;

  Clipboard& clipboard_;
  std::string text_;
  Encoding encoding_ = Encoding::kShiftJis;
  std::size_t selStart_ = 0;
  std::size_t selLength_ = 0;
  std::vector<Step> undo_;
  // The number of steps when the text was last marked saved; none when no
  // undo leads back to it.
  std::optional<std::size_t> cleanDepth_ = 0;
  int stepDepth_ = 0;
  bool stepWritten_ = false;
  bool freshHistory_ = false;  // Clear or Load ran inside the open step
  bool typingRun_ = false;     // the newest step is a run that typing may extend
};

}  // namespace zumoku
