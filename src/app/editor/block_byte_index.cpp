#include "app/editor/block_byte_index.h"

#include <QTextBlock>
#include <algorithm>
#include <vector>

#include "encoding/codec.h"

namespace zumoku {

namespace {
constexpr int kLineEndBytes = 2;

// The column after the character at `column`: past both halves of a
// surrogate pair and the variation selector that picks its code, which takes
// no byte.
int PastCharacter(QStringView text, int column, Encoding encoding) {
  const bool pair = text[column].isHighSurrogate() && column + 1 < text.size() && text[column + 1].isLowSurrogate();
  column += pair ? 2 : 1;
  while (column < text.size() && codec::ByteLength(text[column], encoding) == 0) ++column;
  return column;
}
}  // namespace

BlockByteIndex::BlockByteIndex(QTextDocument& document) : document_(document) {
  Changed(0, document_.characterCount());
}

// The same text counted anew: no change to tell.
void BlockByteIndex::SetEncoding(Encoding encoding) {
  if (encoding == encoding_) return;
  encoding_ = encoding;
  Changed(0, document_.characterCount());
}

// The text before `from` and the lines after the change are as they were,
// so what the change removed is what the whole text lost besides what it
// added. Counted against the last change told, since a command brings the
// index up to date between its writes, before the document reports them.
TextChange BlockByteIndex::Changed(int from, int added) {
  Update(from, added);
  const int end = document_.characterCount() - 1;
  const int start = std::clamp(from, 0, end);
  const int stop = std::clamp(from + added, start, end);
  const int firstLine = document_.findBlock(start).blockNumber();
  const int linesAdded = document_.findBlock(stop).blockNumber() - firstLine;
  const int byteOffset = ByteOffset(start);
  const int bytesAdded = ByteOffset(stop) - byteOffset;
  const TextChange change{.firstLine = firstLine,
                          .linesRemoved = linesAdded - (blocks_.Size() - toldLines_),
                          .linesAdded = linesAdded,
                          .byteOffset = byteOffset,
                          .bytesRemoved = bytesAdded - (blocks_.Total() - toldBytes_),
                          .bytesAdded = bytesAdded};
  toldLines_ = blocks_.Size();
  toldBytes_ = blocks_.Total();
  return change;
}

void BlockByteIndex::Update(int from, int added) {
  const int end = document_.characterCount() - 1;
  const QTextBlock first = document_.findBlock(std::clamp(from, 0, end));
  // Typing changes one block: no second look-up.
  const int to = std::clamp(from + added, 0, end);
  const QTextBlock last = to < first.position() + first.length() ? first : document_.findBlock(to);
  const bool whole = first == document_.firstBlock() && last == document_.lastBlock();
  const std::vector<int> bytes = whole ? AllBlockBytes() : BlockBytes(first, last);
  const int changed = static_cast<int>(bytes.size());
  const int grown = document_.blockCount() - blocks_.Size();
  blocks_.Replace(first.blockNumber(), changed - grown, bytes);
}

std::vector<int> BlockByteIndex::BlockBytes(const QTextBlock& first, const QTextBlock& last) const {
  std::vector<int> bytes;
  for (QTextBlock block = first;; block = block.next()) {
    bytes.push_back(codec::ByteLength(block.text(), encoding_) + kLineEndBytes);
    if (block == last) return bytes;
  }
}

// One pass over the document's text in one piece: a block's own text costs
// look-ups in the widget's piece table, too many for a whole document.
std::vector<int> BlockByteIndex::AllBlockBytes() const {
  std::vector<int> bytes;
  bytes.reserve(static_cast<std::size_t>(document_.blockCount()));
  int count = kLineEndBytes;
  for (const QChar c : document_.toRawText()) {
    if (c == QChar::ParagraphSeparator) {
      bytes.push_back(count);
      count = kLineEndBytes;
    } else {
      count += codec::ByteLength(c, encoding_);
    }
  }
  bytes.push_back(count);
  return bytes;
}

int BlockByteIndex::ByteOffset(int position) const {
  const QTextBlock block = document_.findBlock(position);
  const int column = position - block.position();
  const int before = blocks_.SumBefore(block.blockNumber());
  return column == 0 ? before : before + codec::ByteLength(QStringView(block.text()).left(column), encoding_);
}

int BlockByteIndex::Position(int offset, bool roundUp) const {
  const int total = blocks_.Total() - kLineEndBytes;
  const RunningSums::Located at = blocks_.Locate(std::clamp(offset, 0, total));
  const QTextBlock block = document_.findBlockByNumber(at.index);
  const QString text = block.text();
  int remaining = at.offset;
  for (int column = 0; column < text.size();) {
    const int next = PastCharacter(text, column, encoding_);
    const int width = codec::ByteLength(QStringView(text).mid(column, next - column), encoding_);
    if (remaining < width) return block.position() + (remaining > 0 && roundUp ? next : column);
    remaining -= width;
    column = next;
  }
  // Past the text: at its end, or between the CR and the LF after it.
  const int end = block.position() + static_cast<int>(text.size());
  return remaining > 0 && roundUp ? block.next().position() : end;
}

}  // namespace zumoku
