#include "app/memo_buffer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <functional>

#include "buffer/line_ends.h"
#include "buffer/sjis_codec.h"

namespace zumoku {

namespace {
constexpr int kLineEndBytes = 2;

std::string EncodeStored(QStringView text) {
  auto bytes = codec::Encode(text);
  if (!bytes) throw UnencodableText();
  return std::move(*bytes);
}

int BytesOf(QStringView text) {
  int bytes = 0;
  for (const QChar c : text) bytes += codec::ByteLength(c);
  return bytes;
}
}  // namespace

MemoBuffer::MemoBuffer(QPlainTextEdit& editor)
    : editor_(editor),
      modifiedWatch_(QObject::connect(editor_.document(), &QTextDocument::contentsChange, &editor_,
                                      [this](int, int removed, int added) {
                                        if (removed != 0 || added != 0) modified_ = true;
                                      })) {}

// The widget may outlive the buffer; its edits must then no longer reach it.
MemoBuffer::~MemoBuffer() { QObject::disconnect(modifiedWatch_); }

std::string MemoBuffer::Text() const { return EncodeStored(editor_.document()->toRawText()); }

int MemoBuffer::BytesBetween(int from, int to) const {
  const QTextDocument* doc = editor_.document();
  const QTextBlock last = doc->findBlock(to);
  int bytes = 0;
  for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
    const QString text = block.text();
    const int begin = std::max(from - block.position(), 0);
    if (block == last) return bytes + BytesOf(QStringView(text).mid(begin, to - block.position() - begin));
    bytes += BytesOf(QStringView(text).mid(begin)) + kLineEndBytes;
  }
  return bytes;
}

int MemoBuffer::Advance(int from, int bytes, bool roundUp) const {
  QTextBlock block = editor_.document()->findBlock(from);
  int offset = from - block.position();
  int remaining = std::max(bytes, 0);
  while (true) {
    const QString text = block.text();
    for (; offset < text.size(); ++offset) {
      const int width = codec::ByteLength(text.at(offset));
      if (remaining < width) return block.position() + offset + (remaining > 0 && roundUp ? 1 : 0);
      remaining -= width;
    }
    const QTextBlock next = block.next();
    const int end = block.position() + static_cast<int>(text.size());
    if (remaining == 0 || !next.isValid()) return end;
    if (remaining < kLineEndBytes) return roundUp ? next.position() : end;
    remaining -= kLineEndBytes;
    block = next;
    offset = 0;
  }
}

int MemoBuffer::SelStart() const { return BytesBetween(0, editor_.textCursor().selectionStart()); }

int MemoBuffer::SelLength() const {
  const QTextCursor cursor = editor_.textCursor();
  return BytesBetween(cursor.selectionStart(), cursor.selectionEnd());
}

void MemoBuffer::SetSelStart(int position) {
  QTextCursor cursor = editor_.textCursor();
  cursor.setPosition(Advance(0, position, false));
  editor_.setTextCursor(cursor);
}

void MemoBuffer::SetSelLength(int length) {
  QTextCursor cursor = editor_.textCursor();
  const int start = cursor.selectionStart();
  cursor.setPosition(start);
  cursor.setPosition(Advance(start, length, true), QTextCursor::KeepAnchor);
  editor_.setTextCursor(cursor);
  editor_.ensureCursorVisible();
}

std::string MemoBuffer::SelText() const { return EncodeStored(editor_.textCursor().selectedText()); }

void MemoBuffer::WithoutUndo(const std::function<void()>& change) {
  QTextDocument* doc = editor_.document();
  doc->setUndoRedoEnabled(false);  // also empties the history
  change();
  doc->setUndoRedoEnabled(true);
}

void MemoBuffer::ReplaceAsCommand(QTextCursor cursor, std::string_view bytes) {
  const QString text = codec::Decode(NormalizeInsertedLineEnds(bytes));
  WithoutUndo([&] { cursor.insertText(text); });
  editor_.setTextCursor(cursor);
}

// Through the widget's own cursor, which then already stands after the text.
void MemoBuffer::SetSelText(std::string_view s) {
  const QString text = codec::Decode(NormalizeInsertedLineEnds(s));
  WithoutUndo([&] { editor_.insertPlainText(text); });
  editor_.ensureCursorVisible();
}

void MemoBuffer::Clear() {
  editor_.clear();
  modified_ = false;
}

void MemoBuffer::Load(std::string_view bytes) {
  // Decoding already makes each CR LF, lone CR and lone LF one line end,
  // which is the rule for files; no normalised copy of a large file needed.
  editor_.setPlainText(codec::Decode(bytes));
}

int MemoBuffer::Count() const {
  const QTextDocument* doc = editor_.document();
  const bool emptyLast = doc->lastBlock().length() == 1;
  return doc->blockCount() - (emptyLast ? 1 : 0);
}

std::string MemoBuffer::Get(int index) const {
  if (index < 0 || index >= Count()) return {};
  return EncodeStored(editor_.document()->findBlockByNumber(index).text());
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
