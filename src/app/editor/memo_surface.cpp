// memo1's surface for code outside the editor, in byte offsets and lines.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "app/editor/memo.h"
#include "encoding/codec.h"

namespace zumoku {

namespace {
int ClampedToInt(std::size_t offset) {
  return static_cast<int>(std::min<std::size_t>(offset, std::numeric_limits<int>::max()));
}
}  // namespace

std::size_t Memo::CaretOffset() const {
  return static_cast<std::size_t>(positions_.ByteOffset(textCursor().position()));
}

void Memo::SetCaretOffset(std::size_t offset) {
  QTextCursor caret = textCursor();
  caret.setPosition(positions_.Position(ClampedToInt(offset), false));
  setTextCursor(caret);
  ensureCursorVisible();
}

ByteRange Memo::LineSpan(int line) const {
  const QTextBlock block = document()->findBlockByNumber(line);
  if (!block.isValid()) return {};
  const int start = block.position();
  return {static_cast<std::size_t>(positions_.ByteOffset(start)),
          static_cast<std::size_t>(positions_.ByteOffset(start + block.length() - 1))};
}

std::string Memo::Bytes(ByteRange range) const {
  QTextCursor cursor(document());
  cursor.setPosition(positions_.Position(ClampedToInt(range.from), false));
  cursor.setPosition(positions_.Position(ClampedToInt(range.to), true), QTextCursor::KeepAnchor);
  return codec::Encode(cursor.selectedText(), encoding_).value_or(std::string());
}

void Memo::GoToLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(line);
  if (!block.isValid()) return;
  setTextCursor(QTextCursor(block));
  ensureCursorVisible();
}

void Memo::SelectLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(line);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void Memo::SetMarkFormat(MarkLayer layer, const QTextCharFormat& format) { selectionLayers_.SetFormat(layer, format); }

void Memo::SetMarks(MarkLayer layer, const std::vector<ByteRange>& ranges) {
  QList<QTextEdit::ExtraSelection> marks;
  marks.reserve(static_cast<qsizetype>(ranges.size()));
  for (const ByteRange& range : ranges) {
    QTextCursor cursor(document());
    cursor.setPosition(positions_.Position(ClampedToInt(range.from), false));
    cursor.setPosition(positions_.Position(ClampedToInt(range.to), true), QTextCursor::KeepAnchor);
    marks.append({cursor, selectionLayers_.Format(layer)});
  }
  selectionLayers_.Set(layer, std::move(marks));
}

std::vector<ByteRange> Memo::Marks(MarkLayer layer) const {
  std::vector<ByteRange> ranges;
  for (const QTextEdit::ExtraSelection& mark : selectionLayers_.Get(layer)) {
    ranges.push_back({static_cast<std::size_t>(positions_.ByteOffset(mark.cursor.selectionStart())),
                      static_cast<std::size_t>(positions_.ByteOffset(mark.cursor.selectionEnd()))});
  }
  return ranges;
}

std::vector<Memo::ShownLine> Memo::ShownLines() const {
  std::vector<ShownLine> lines;
  for (const ShownBlock& shown : ShownBlocks()) lines.push_back({shown.block.blockNumber(), shown.bounds});
  return lines;
}

}  // namespace zumoku
