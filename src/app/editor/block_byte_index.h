#pragma once
// Byte offsets of the stored text, in the document's encoding, for positions of the editor's
// document, and back, without a pass over the text: each block's byte count
// (its text plus the CR LF after it) is kept in running sums, brought up to
// date on every change of the document.
#include <QTextBlock>
#include <QTextDocument>
#include <vector>

#include "buffer/running_sums.h"
#include "buffer/text_change.h"
#include "encoding/encoding.h"

namespace zumoku {

class BlockByteIndex {
 public:
  explicit BlockByteIndex(QTextDocument& document);
  BlockByteIndex(const BlockByteIndex&) = delete;
  BlockByteIndex& operator=(const BlockByteIndex&) = delete;

  // Counts the document's characters in `encoding` from now on.
  void SetEncoding(Encoding encoding);

  // Stored bytes before document position `position`.
  int ByteOffset(int position) const;
  // The document position `offset` stored bytes from the start, clamped to
  // the text; an offset inside a double-byte character or a line end moves
  // back to its start, or forward past it when roundUp.
  int Position(int offset, bool roundUp) const;

  // The blocks from the one holding `from` to the one holding from + added
  // are new or changed; the blocks after them are the old ones. Done on
  // every reported change; repeating it for a change already counted
  // changes nothing.
  void Update(int from, int added);
  // Brings the index up to date for a change the document reported, and
  // tells it in lines and bytes against the text as last told.
  TextChange Changed(int from, int added);

 private:
  // Each block's stored bytes, its line end included.
  std::vector<int> BlockBytes(const QTextBlock& first, const QTextBlock& last) const;
  std::vector<int> AllBlockBytes() const;

  QTextDocument& document_;
  Encoding encoding_ = Encoding::kShiftJis;
  RunningSums blocks_;
  // The text's lines and bytes as of the last change told.
  int toldLines_ = 0;
  int toldBytes_ = 0;
};

}  // namespace zumoku
