#pragma once
// The laid-out text of the lines in view, decoded from the document's bytes
// through the codec: a line is laid out when first shown and kept until an
// edit changes it or it leaves the view; lines after an edit keep theirs. Maps each line's byte offsets to the
// UTF-16 positions of its layout and back. Lines wrap at the width given.
#include <QFont>
#include <QTextLayout>
#include <map>
#include <memory>

#include "buffer/document_buffer.h"

namespace zumoku {

class LineLayouts {
 public:
  explicit LineLayouts(DocumentBuffer& buffer) : buffer_(buffer) {}

  void SetFont(const QFont& font);
  // Drops the layouts of the lines an edit replaced and renumbers those after.
  void Follow(const TextChange& change);
  // The width lines wrap at; a new width lays every line out afresh.
  void SetWidth(qreal width);
  // The layout of `line`, its text the line without its line end, its rows
  // one under the other from y 0.
  QTextLayout& Layout(int line);
  qreal Height(int line);
  // Lays `layout` out in rows of `width`.
  static void Wrap(QTextLayout& layout, qreal width);
  // The UTF-16 position of a byte offset within the line, and back.
  int ColumnOf(int line, std::size_t byteInLine);
  std::size_t ByteOf(int line, int column);
  // Drops the layouts of lines outside [first, last] but `keep`.
  void KeepOnly(int first, int last, int keep);
  std::size_t Held() const { return layouts_.size(); }

 private:
  DocumentBuffer& buffer_;
  QFont font_;
  qreal width_ = 1e6;  // no wrapping until the view has its width
  std::map<int, std::unique_ptr<QTextLayout>> layouts_;
};

}  // namespace zumoku
