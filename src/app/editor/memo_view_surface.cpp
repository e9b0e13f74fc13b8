// MemoView's surface for code outside the editor, the same as Memo's.
#include <algorithm>
#include <limits>

#include "app/editor/memo_view.h"

namespace zumoku {

void MemoView::SetCaretOffset(std::size_t offset) {
  buffer_.SetSelStart(static_cast<int>(std::min<std::size_t>(offset, std::numeric_limits<int>::max())));
  MoveCaret(static_cast<std::size_t>(buffer_.SelStart()), false);
}

// The stored text holds only CR LF line ends.
ByteRange MemoView::LineSpan(int line) const {
  const LineIndex& lines = buffer_.LineStarts();
  if (line < 0 || line >= lines.Count()) return {};
  return {lines.Start(line), line + 1 < lines.Count() ? lines.Next(line) - 2 : buffer_.Size()};
}

std::string MemoView::Bytes(ByteRange range) const {
  const std::size_t to = std::min(range.to, buffer_.Size());
  return buffer_.Spans(std::min(range.from, to), to).Joined();
}

void MemoView::GoToLine(int line) {
  if (line < 0 || line >= LineCount()) return;
  MoveCaret(LineSpan(line).from, false);
}

void MemoView::SelectLine(int line) {
  if (line < 0 || line >= LineCount()) return;
  const ByteRange span = LineSpan(line);
  MoveCaret(span.from, false);
  MoveCaret(span.to, true);
}

void MemoView::SetMarkFormat(MarkLayer layer, const QTextCharFormat& format) {
  marks_.SetFormat(layer, format);
  viewport()->update();
}

void MemoView::SetMarks(MarkLayer layer, std::vector<ByteRange> ranges) {
  marks_.Set(layer, std::move(ranges));
  viewport()->update();
}

std::vector<MemoView::ShownLine> MemoView::ShownLines() {
  std::vector<ShownLine> shown;
  const qreal bottom = viewport()->height();
  qreal top = 0;
  for (int line = FirstShownLine(); line < LineCount() && top <= bottom; ++line) {
    const qreal height = layouts_.Height(line);
    shown.push_back({line, QRectF(0, top, viewport()->width(), height)});
    top += height;
  }
  return shown;
}

QRect MemoView::CaretRect() { return RectAt(Caret()).toAlignedRect().translated(viewport()->pos()); }

}  // namespace zumoku
