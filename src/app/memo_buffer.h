#pragma once
// The EditBuffer over the memo1 widget. The widget holds Unicode text; this
// adapter speaks Shift_JIS bytes with CR LF line ends and converts byte
// positions through an index of each line's bytes, so commands behave here
// as on TextBuffer and positions cost the same in any size of document.
#include <QPlainTextEdit>
#include <QString>

#include "app/block_byte_index.h"
#include "buffer/edit_buffer.h"

namespace zumoku {

class MemoBuffer : public EditBuffer, private EditLines {
 public:
  explicit MemoBuffer(QPlainTextEdit& editor);

  std::string Text() const override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  int SelLength() const override;
  void SetSelLength(int length) override;
  std::string SelText() const override;
  void SetSelText(std::string_view s) override;
  EditLines& Lines() override { return *this; }

  void Clear() override;
  void Load(std::string_view bytes) override;
  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }

  void Undo() override { editor_.undo(); }
  void CutToClipboard() override { editor_.cut(); }
  void CopyToClipboard() override { editor_.copy(); }
  void PasteFromClipboard() override { editor_.paste(); }
  void SelectAll() override { editor_.selectAll(); }

 private:
  // EditLines
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, std::string_view s) override;
  void Add(std::string_view s) override;
  void BeginUpdate() override;
  void EndUpdate() override;

  // Replaces the cursor's selection by bytes (inserted line-end rule), not
  // as a user edit: the undo history is emptied.
  void ReplaceAsCommand(QTextCursor cursor, std::string_view bytes);
  void WithoutUndo(const std::function<void()>& change);

  QPlainTextEdit& editor_;
  BlockByteIndex positions_;
  bool modified_ = false;
  int updateDepth_ = 0;
};

}  // namespace zumoku
