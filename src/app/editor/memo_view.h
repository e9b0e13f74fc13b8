#pragma once
// memo1 drawn from the document's own bytes: a scroll area that lays out
// only the lines in view, keeps the caret and the anchor as byte offsets,
// and writes keys and input-method commits into the DocumentBuffer. The
// input method's preedit is drawn at the caret and never written.
#include <QAbstractScrollArea>
#include <QInputMethodEvent>
#include <QList>

#include "app/editor/byte_marks.h"
#include "app/editor/line_layouts.h"
#include "buffer/document_buffer.h"

namespace zumoku {

class MemoView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit MemoView(DocumentBuffer& buffer, QWidget* parent = nullptr);

  DocumentBuffer& Buffer() { return buffer_; }
  // The caret and the anchor, the buffer's selection when a command changed it.
  std::size_t Caret() const { return Followed().second; }
  std::size_t Anchor() const { return Followed().first; }
  // The caret's line, 0-based.
  int CaretLine() const { return buffer_.LineStarts().LineOf(Caret()); }
  const QString& Preedit() const { return preedit_; }
  // The marked byte ranges, painted under the selection.
  ByteMarks& Marks() { return marks_; }
  // Lines laid out now: those in view and the caret's.
  std::size_t LayoutsHeld() const { return layouts_.Held(); }
  // Where the character at `offset` is drawn, in the viewport; the place
  // under a point of the viewport.
  QRectF RectAt(std::size_t offset);
  std::size_t OffsetAt(const QPoint& point);
  // The caret's place and a window of its line's text, never the whole line.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  // The surface code outside the editor uses, as on Memo: byte offsets and
  // 0-based lines. ShownLines and CaretRect lay out the lines they measure.
  int LineCount() const { return buffer_.LineStarts().Count(); }
  std::size_t CaretOffset() const { return Caret(); }
  void SetCaretOffset(std::size_t offset);
  ByteRange LineSpan(int line) const;
  std::string Bytes(ByteRange range) const;
  void GoToLine(int line);
  void SelectLine(int line);
  void SetMarkFormat(MarkLayer layer, const QTextCharFormat& format);
  void SetMarks(MarkLayer layer, std::vector<ByteRange> ranges);
  const std::vector<ByteRange>& Marks(MarkLayer layer) const { return marks_.Get(layer); }
  struct ShownLine {
    int line;
    QRectF bounds;
  };
  std::vector<ShownLine> ShownLines();
  QRect CaretRect();

 signals:
  // Text was refused; the message says why, for the status bar.
  void refused(const QString& message);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // A double-click selects the word, a third click the line.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  int RowHeight() const;
  int RowsInView() const;
  int FirstShownLine() const;
  // The top of a line at or below the first shown, in the viewport.
  qreal LineTop(int line);
  void UpdateScrollRange();
  void ScrollToCaret();

  // Anchor and caret as kept, or as the buffer's selection when a command
  // changed it; FollowBuffer takes them.
  std::pair<std::size_t, std::size_t> Followed() const;
  void FollowBuffer();
  // The caret to `offset`; with `extend` the anchor stays.
  void MoveCaret(std::size_t offset, bool extend);
  bool MoveByKey(const QKeyEvent& key);
  std::size_t StepAcross(std::size_t offset, bool forward);
  std::size_t WordAcross(std::size_t offset, bool forward);
  void SelectLineAt(std::size_t offset);
  // A place as the row of its line's layout it is on, and its x.
  struct Row {
    int line, row;
    qreal x;
  };
  Row RowOf(std::size_t offset);
  std::size_t RowsAway(int rows, qreal x);
  std::size_t OffsetOnRow(int line, int row, qreal x);
  void DeleteChar(bool forward);
  // Text that may not come in writes nothing and says why.
  void TypeText(const QString& text);

  QList<QTextLayout::FormatRange> FormatsOn(int line, std::size_t lineStart, std::size_t lineEnd);
  void DrawLine(QPainter& painter, int line, qreal y);
  void DrawPreeditLine(QPainter& painter, int line, qreal y);

  DocumentBuffer& buffer_;
  LineLayouts layouts_;
  ByteMarks marks_;
  std::size_t caret_ = 0, anchor_ = 0;
  qreal rememberedX_ = -1;  // Up and Down keep the caret's x
  quint64 doubleClickTime_ = 0;
  QString preedit_;
  QList<QInputMethodEvent::Attribute> preeditAttributes_;
};

}  // namespace zumoku
