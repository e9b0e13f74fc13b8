#include "app/editor/memo_buffer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <functional>
#include <limits>

#include "app/editor/memo_read_back.h"
#include "encoding/codec.h"
#include "encoding/line_ends.h"

namespace zumoku {

// The document keeps its own clean state on the undo stack: undoing back to
// the text last saved makes it unmodified again, redoing makes it modified.
// Replacing the whole text clears the state without saying so, hence the
// check after every change too.
MemoBuffer::MemoBuffer(Memo& editor) : editor_(editor), positions_(editor.Positions()) {
  const QTextDocument* document = editor.document();
  QObject::connect(document, &QTextDocument::modificationChanged, &watchContext_, [this] { ReportModified(); });
  QObject::connect(document, &QTextDocument::contentsChanged, &watchContext_, [this] { ReportModified(); });
}

MemoBuffer::~MemoBuffer() = default;

void MemoBuffer::ReportModified() {
  const bool modified = Modified();
  if (modified == reportedModified_) return;
  reportedModified_ = modified;
  if (modifiedWatcher_) modifiedWatcher_(modified);
}

std::string MemoBuffer::Text() const {
  return codec::EncodeChecked(editor_.document()->toRawText(), editor_.TextEncoding());
}

int MemoBuffer::SelStart() const { return positions_.ByteOffset(editor_.textCursor().selectionStart()); }

int MemoBuffer::SelLength() const {
  const QTextCursor cursor = editor_.textCursor();
  return positions_.ByteOffset(cursor.selectionEnd()) - positions_.ByteOffset(cursor.selectionStart());
}

void MemoBuffer::SetSelStart(int position) {
  QTextCursor cursor = editor_.textCursor();
  cursor.setPosition(positions_.Position(position, false));
  editor_.setTextCursor(cursor);
}

void MemoBuffer::SetSelLength(int length) {
  QTextCursor cursor = editor_.textCursor();
  const int start = cursor.selectionStart();
  const int begin = positions_.ByteOffset(start);
  const int end = begin + std::clamp(length, 0, std::numeric_limits<int>::max() - begin);
  cursor.setPosition(start);
  cursor.setPosition(positions_.Position(end, true), QTextCursor::KeepAnchor);
  editor_.setTextCursor(cursor);
  editor_.ensureCursorVisible();
}

std::string MemoBuffer::SelText() const {
  return codec::EncodeChecked(editor_.textCursor().selectedText(), editor_.TextEncoding());
}

void MemoBuffer::AsCommand(int from, const std::function<int()>& change) {
  editor_.EndTypingRun();  // commands never join typing
  // The caret after the text, past a character its last byte joins.
  const auto changeAndReadBack = [&] {
    int caret = change();
    const int end = ReadBackEdit(*editor_.document(), from, caret, NewText::kDecoded, editor_.TextEncoding(), caret);
    QTextCursor after = editor_.textCursor();
    if (after.hasSelection() || after.position() != caret) {
      after.setPosition(caret);
      editor_.setTextCursor(after);
    }
    return end;
  };
  int end = from;
  // Inside the edit block the document reports its changes only when the
  // step ends, but the command reads positions between its writes.
  if (editor_.Steps().Write([&] { end = changeAndReadBack(); })) positions_.Update(from, end - from);
}

void MemoBuffer::ReplaceAsCommand(QTextCursor cursor, std::string_view bytes) {
  const QString text = codec::Decode(NormalizeInsertedLineEnds(bytes), editor_.TextEncoding());
  AsCommand(cursor.selectionStart(), [&] {
    cursor.insertText(text);
    return cursor.position();
  });
}

// Through the widget's own cursor, which then already stands after the text.
void MemoBuffer::SetSelText(std::string_view s) {
  const QString text = codec::Decode(NormalizeInsertedLineEnds(s), editor_.TextEncoding());
  AsCommand(editor_.textCursor().selectionStart(), [&] {
    editor_.insertPlainText(text);
    return editor_.textCursor().position();
  });
  editor_.ensureCursorVisible();
}

void MemoBuffer::Clear() {
  editor_.Steps().StartFreshHistory();
  editor_.clear();
  SetModified(false);
}

bool MemoBuffer::Modified() const { return editor_.document()->isModified(); }

void MemoBuffer::SetModified(bool modified) {
  QTextDocument& document = *editor_.document();
  if (!modified) {
    // Typing after a save starts a step of its own, so undo stops at the saved text.
    editor_.EndTypingRun();
  } else if (document.isModified()) {
    // Told from outside (the file was deleted): no undo leads back to saved text.
    const QSignalBlocker quiet(&document);
    document.setModified(false);
  }
  document.setModified(modified);
  ReportModified();
}

void MemoBuffer::Load(std::string_view bytes, Encoding encoding) {
  editor_.Steps().StartFreshHistory();
  // Decoding already makes each CR LF, lone CR and lone LF one line end,
  // which is the rule for files; no normalised copy of a large file needed.
  const QString text = codec::Decode(bytes, encoding);
  editor_.clear();
  editor_.SetTextEncoding(encoding);  // the index counts the empty text anew, not the old one
  editor_.setPlainText(text);
  SetModified(true);  // until the caller says the text is saved
}

int MemoBuffer::Count() const {
  const QTextDocument* doc = editor_.document();
  const bool emptyLast = doc->lastBlock().length() == 1;
  return doc->blockCount() - (emptyLast ? 1 : 0);
}

std::string MemoBuffer::Get(int index) const {
  if (index < 0 || index >= Count()) return {};
  return codec::EncodeChecked(editor_.document()->findBlockByNumber(index).text(), editor_.TextEncoding());
}

void MemoBuffer::Put(int index, std::string_view s) {
  if (index < 0 || index >= Count()) return;
  const QTextBlock block = editor_.document()->findBlockByNumber(index);
  QTextCursor cursor(editor_.document());
  cursor.setPosition(block.position());
  cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  ReplaceAsCommand(cursor, s);
}

void MemoBuffer::Add(std::string_view s) {
  QTextCursor cursor(editor_.document());
  cursor.movePosition(QTextCursor::End);
  const bool startsLine = editor_.document()->lastBlock().length() == 1;
  const std::string line(s);
  ReplaceAsCommand(cursor, startsLine ? line + "\r\n" : "\r\n" + line);
}

void MemoBuffer::BeginUpdate() {
  if (updateDepth_++ == 0) editor_.setUpdatesEnabled(false);
}

void MemoBuffer::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) editor_.setUpdatesEnabled(true);
}

}  // namespace zumoku
