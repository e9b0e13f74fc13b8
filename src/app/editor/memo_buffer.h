#pragma once
// The EditBuffer over the memo1 widget. The widget holds Unicode text; this
// adapter speaks the document's bytes with CR LF line ends and converts byte
// positions through an index of each line's bytes, so commands behave here
// as on TextBuffer and positions cost the same in any size of document.
#include <QString>
#include <QTextCursor>
#include <functional>

#include "app/editor/memo.h"
#include "buffer/edit_buffer.h"

namespace zumoku {

class MemoBuffer : public EditBuffer, private EditLines {
 public:
  explicit MemoBuffer(Memo& editor);
  ~MemoBuffer() override;
  MemoBuffer(const MemoBuffer&) = delete;
  MemoBuffer& operator=(const MemoBuffer&) = delete;

  std::string Text() const override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  int SelLength() const override;
  void SetSelLength(int length) override;
  std::string SelText() const override;
  void SetSelText(std::string_view s) override;
  EditLines& Lines() override { return *this; }
  void BeginUndoStep() override { editor_.Steps().Begin(); }
  bool EndUndoStep() override { return editor_.Steps().End(); }

  Encoding TextEncoding() const override { return editor_.TextEncoding(); }
  void Clear() override;
  void Load(std::string_view bytes, Encoding encoding) override;
  bool Modified() const override;
  // False marks the text as saved; true counts it as unsaved until the next
  // save, whatever undo does.
  void SetModified(bool modified) override;
  // Told each time Modified() turns true or false.
  void SetModifiedWatcher(std::function<void(bool)> watcher) { modifiedWatcher_ = std::move(watcher); }

  void Undo() override { editor_.Undo(); }
  void CutToClipboard() override {
    editor_.AsOneStep([this] { editor_.cut(); });
  }
  void CopyToClipboard() override { editor_.copy(); }
  void PasteFromClipboard() override { editor_.paste(); }
  void SelectAll() override { editor_.SelectAll(); }

 private:
  // EditLines
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, std::string_view s) override;
  void Add(std::string_view s) override;
  void BeginUpdate() override;
  void EndUpdate() override;

  // Replaces the cursor's selection by bytes (inserted line-end rule), not
  // as a user edit; the caret after them.
  void ReplaceAsCommand(QTextCursor cursor, std::string_view bytes);
  // A command's change: part of the open undo step, or, outside one, a
  // change that empties the undo history. `change` writes from document
  // position `from` and returns where its text ends. The text then shows
  // what it reads back as, and the caret stands after it.
  void AsCommand(int from, const std::function<int()>& change);

  Memo& editor_;
  BlockByteIndex& positions_;  // the editor's
  // Tells the watcher when Modified() differs from what it was last told.
  void ReportModified();

  std::function<void(bool)> modifiedWatcher_;
  bool reportedModified_ = false;
  // The widget may outlive the buffer; its signals end with this.
  QObject watchContext_;
  int updateDepth_ = 0;
};

}  // namespace zumoku
