#pragma once
// The editor's own EditBuffer: the document kept once, as its bytes in
// chunks, with a line index and an undo log of byte edits. Each edit
// tells the listener what changed, by lines and by bytes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "buffer/chunked_bytes.h"
#include "buffer/clipboard.h"
#include "buffer/edit_buffer.h"
#include "buffer/line_index.h"
#include "buffer/text_change.h"
#include "buffer/undo_log.h"

namespace zumoku {

class DocumentBuffer : public EditBuffer, private EditLines {
 public:
  explicit DocumentBuffer(Clipboard& clipboard) : clipboard_(clipboard) {}

  std::string Text() const override { return bytes_.Copy(0, bytes_.Size()); }
  int SelStart() const override { return static_cast<int>(selection_.start); }
  void SetSelStart(int position) override;
  int SelLength() const override { return static_cast<int>(selection_.length); }
  void SetSelLength(int length) override;
  std::string SelText() const override;
  void SetSelText(std::string_view s) override;
  EditLines& Lines() override { return *this; }
  void BeginUndoStep() override { undo_.BeginStep(); }
  bool EndUndoStep() override { return undo_.EndStep(); }

  Encoding TextEncoding() const override { return encoding_; }
  void Clear() override;
  void Load(std::string_view bytes, Encoding encoding) override;
  // Load, taking the file's bytes over: text whose line ends are all CR LF
  // already is kept without a copy.
  void LoadOwned(std::string bytes, Encoding encoding);
  bool Modified() const override { return undo_.Modified(); }
  void SetModified(bool modified) override { undo_.SetModified(modified); }

  void Undo() override;
  // Takes the step Undo took back last again; the caret after its last edit.
  void Redo();
  bool CanRedo() const { return undo_.CanRedo(); }
  void CutToClipboard() override;
  void CopyToClipboard() override;
  void PasteFromClipboard() override;
  void SelectAll() override;

  // The user typing s (a key or an input-method commit) over the selection;
  // see UndoLog for the typing runs.
  void Type(std::string_view s);
  // The user deleting the selection (Delete, Backspace): a step of its own.
  void DeleteSelection() {
    if (selection_.length > 0) UserEdit("");
  }
  // Typing after this starts a step of its own (a command ran).
  void EndTypingRun() { undo_.EndTypingRun(); }

  std::size_t Size() const { return bytes_.Size(); }
  // The bytes of [from, to) without a copy, one view per chunk.
  ChunkedBytes::Views Spans(std::size_t from, std::size_t to) const { return bytes_.Spans(from, to); }
  // Shares the chunks: no byte is copied.
  ChunkedBytes::Snapshot Share() const override { return bytes_.Share(); }
  const LineIndex& LineStarts() const { return lines_; }
  // Counts the edits, so that what was worked out from the text can be
  // kept until it changes.
  std::uint64_t Revision() const { return revision_; }
  // Each listener hears of every edit, after it, in the order added.
  void AddChangeListener(std::function<void(const TextChange&)> listener) { listeners_.push_back(std::move(listener)); }
  // Each hears of every edit before it, while the bytes it replaces are still
  // there: where they start and how many there are.
  using ReplacingListener = std::function<void(std::size_t at, std::size_t length)>;
  void AddReplacingListener(ReplacingListener listener) { replacingListeners_.push_back(std::move(listener)); }

 private:
  // EditLines
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, std::string_view s) override;
  void Add(std::string_view s) override;
  // Nothing to redraw here: the listener hears of each edit.
  void BeginUpdate() override {}
  void EndUpdate() override {}

  // Replaces [at, at + length) by already normalised bytes; caret after them
  // (after the character the last of them joins).
  void Replace(std::size_t at, std::size_t length, std::string_view bytes);
  void UserEdit(const std::string& normalized);
  void CommandEdit(std::size_t at, std::size_t length, std::string_view s);
  void Select(std::size_t start, std::size_t length);
  void Notify(const TextChange& change) const;
  void NotifyReplacing(std::size_t at, std::size_t length) const;
  // After Clear and Load: a new text, caret at its start.
  void Reset(std::string bytes);
  // Character boundaries, found within the line of `offset`.
  std::size_t FloorToChar(std::size_t offset);
  std::size_t CeilToChar(std::size_t offset);
  // Byte range of line `index` without its line end; false past the last.
  bool LineRange(int index, std::size_t& begin, std::size_t& end) const;

  Clipboard& clipboard_;
  ChunkedBytes bytes_;
  LineIndex lines_;
  UndoLog undo_;
  Encoding encoding_ = Encoding::kShiftJis;
  UndoLog::Selection selection_;
  std::uint64_t revision_ = 0;
  std::vector<std::function<void(const TextChange&)>> listeners_;
  std::vector<ReplacingListener> replacingListeners_;
};

}  // namespace zumoku
