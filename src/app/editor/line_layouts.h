#pragma once
// The laid-out text of the lines in view, decoded from the document's bytes
// through the codec: a line is laid out when first shown and kept until an
// edit changes it or it leaves the view; lines after an edit keep theirs. Maps each line's byte offsets to the
// UTF-16 positions of its layout and back. Lines wrap at the width given.
#include <QFont>
#include <QTextLayout>
#include <functional>
#include <map>
#include <memory>

#include "buffer/document_buffer.h"

namespace zumoku {

class LineLayouts {
 public:
  explicit LineLayouts(DocumentBuffer& buffer) : buffer_(buffer) {}

  // Formats a line's layout is made with (the colours of its text), asked
  // for each time a line is laid out.
  using Formatter = std::function<QList<QTextLayout::FormatRange>(int line, const QString& text)>;
  void SetFormatter(Formatter formatter);
  // A new font lays every line out afresh; tab stops keep their width in spaces.
  void SetFont(const QFont& font);
  void SetTabWidth(int spaces);
  qreal TabStop() const;
  // Drops the layouts of the lines an edit replaced and renumbers those after.
  void Follow(const TextChange& change);
  // The width lines wrap at; a new width lays every line out afresh.
  void SetWidth(qreal width);
  // The layout of `line`, its text the line without its line end, its rows
  // one under the other from y 0.
  QTextLayout& Layout(int line);
  qreal Height(int line);
  // How many rows `line` wraps into, from its layout when held, else from
  // one laid out for the count only.
  int CountRows(int line);
  const QFont& Font() const { return font_; }
  qreal Width() const { return width_; }
  // Lays `layout` out in rows of `width`, tabs every `tabStop`.
  static void Wrap(QTextLayout& layout, qreal width, qreal tabStop);
  // The UTF-16 position of a byte offset within the line, and back.
  int ColumnOf(int line, std::size_t byteInLine);
  std::size_t ByteOf(int line, int column);
  // Drops the layout of `line`, laid out again when next asked for; true
  // when it was held.
  bool Drop(int line) { return layouts_.erase(line) > 0; }
  // Drops the layouts of lines outside [first, last] but `keep`.
  void KeepOnly(int first, int last, int keep);
  std::size_t Held() const { return layouts_.size(); }

 private:
  DocumentBuffer& buffer_;
  QFont font_;
  int tabWidth_ = 8;
  Formatter formatter_;
  qreal width_ = 1e6;  // no wrapping until the view has its width
  std::map<int, std::unique_ptr<QTextLayout>> layouts_;
};

}  // namespace zumoku
