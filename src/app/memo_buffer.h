#pragma once
// The EditBuffer over the memo1 widget. The widget holds Unicode text; this
// adapter speaks Shift_JIS bytes with CR LF line ends and converts byte
// positions on the fly, so commands behave here as on TextBuffer.
#include <QPlainTextEdit>
#include <QString>

#include "buffer/edit_buffer.h"

namespace zumoku {

class MemoBuffer : public EditBuffer, private EditLines {
 public:
  explicit MemoBuffer(QPlainTextEdit& editor);
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

  // Stored bytes between two document positions (from <= to).
  int BytesBetween(int from, int to) const;
  // The document position `bytes` stored bytes after `from`, clamped at the
  // end; a split character or line end moves back, or forward when roundUp.
  int Advance(int from, int bytes, bool roundUp) const;
  // Replaces the cursor's selection by bytes (inserted line-end rule), not
  // as a user edit: the undo history is emptied.
  void ReplaceAsCommand(QTextCursor cursor, std::string_view bytes);
  void WithoutUndo(const std::function<void()>& change);

  QPlainTextEdit& editor_;
  bool modified_ = false;
  QMetaObject::Connection modifiedWatch_;
  int updateDepth_ = 0;
};

}  // namespace zumoku
