#pragma once
// memo1 drawn from the document's own bytes: a scroll area that lays out
// only the lines in view, keeps the caret and the anchor as byte offsets,
// and writes keys and input-method commits into the DocumentBuffer. The
// input method's preedit is drawn at the caret and never written.
#include <QAbstractScrollArea>
#include <QInputMethodEvent>
#include <QList>
#include <optional>

#include "app/editor/byte_marks.h"
#include "app/editor/entry_policy.h"
#include "app/editor/line_layouts.h"
#include "app/editor/memo_view_accessible_events.h"
#include "app/editor/memo_view_rows.h"
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
  LineLayouts& Layouts() { return layouts_; }
  // A tab's width in spaces of the font, kept when the font changes.
  void SetTabWidth(int spaces) {
    layouts_.SetTabWidth(spaces);
    viewport()->update();
  }
  // Room left of the text, for the line numbers.
  void SetLeftMargin(int width) { setViewportMargins(width, 0, 0, 0); }
  // Where the character at `offset` is drawn, in the viewport; the place
  // under a point of the viewport.
  QRectF RectAt(std::size_t offset);
  std::size_t OffsetAt(const QPoint& point);
  // The caret's place and a window of its line's text, never the whole line.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  // The typing aids hang on these, as on Memo; entry_policy.h says what
  // each sees.
  void SetKeyPressHandler(KeyPressHandler handler) { keyPress_ = std::move(handler); }
  void SetTypedTextHandler(TypedTextHandler handler) { typedText_ = std::move(handler); }
  // Takes back the most recent undo step and brings back the selection from
  // before it; Redo takes it again.
  void Undo();
  void Redo();
  void SelectAll();
  // Runs a command's edits as one undo step of its own.
  void AsOneStep(const std::function<void()>& edit);
  // Typed insertions form one undo step, a typing run, until a typed line
  // end, any other change, a caret move or Undo closes it; commands close it
  // through this.
  void EndTypingRun() { buffer_.EndTypingRun(); }
  // Moves the selected bytes to `at` as one undo step, as a drag within the
  // view does; a place inside the selection moves nothing.
  void MoveSelectionTo(std::size_t at);
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
  // The caret moved, by a key, a click, a command or an edit.
  void caretMoved();
  // Whether Redo has a step to take again.
  void redoAvailable(bool available);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // A new font lays the lines out afresh.
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // A double-click selects the word, a third click the line.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int RowHeight() const;
  int RowsInView() const;
  int FirstShownLine() const;
  // The top of a line at or below the first shown, in the viewport.
  qreal LineTop(int line);
  // How far the top line's rows above the view reach up.
  qreal TopOffset();
  void UpdateScrollRange();
  // An edit within one line that kept its rows repaints those rows alone;
  // any other edit the whole view.
  void FollowEdit(const TextChange& change);
  // Asks to repaint `edited` and the lines the caret's mark leaves and
  // reaches; a selection or a preedit, shown or to be shown, repaints the
  // whole view.
  void UpdateCaretLines(std::optional<int> edited = std::nullopt);
  // A line's rows in the viewport; empty when it is out of view.
  QRect LineRect(int line);
  // Each tells of a change since it last told.
  void TellCaretMoved();
  void TellRedoAvailable();
  void ScrollToCaret();
  // Shows `row` of `line` at the top.
  void ScrollTo(int line, int row);

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
  // True, and the reason told, when text may not come in.
  bool Refused(const QString& text);
  // Typed or committed text, as the typed text handler leaves it.
  void TypeText(const QString& text);
  // A key's text, unless refused or swallowed by the key press handler.
  void TypeKey(const QString& text);
  // A reconversion's commit, over the selection and the text around the
  // caret the input method names, as one undo step.
  void ReplaceAroundCaret(const QInputMethodEvent& event);
  // Undo and redo keys; false for any other.
  bool UndoByKey(const QKeyEvent& key);
  // A press in the selection may start a drag of it, once the mouse has
  // moved far enough; true while the press is taken for one.
  bool PressStartsDrag(std::size_t offset, const QMouseEvent& event);
  bool DragsOn(const QMouseEvent& event);

  QList<QTextLayout::FormatRange> FormatsOn(int line, std::size_t lineStart, std::size_t lineEnd);
  void DrawLine(QPainter& painter, int line, qreal y);
  void DrawPreeditLine(QPainter& painter, int line, qreal y);

  DocumentBuffer& buffer_;
  LineLayouts layouts_;
  Rows rows_{buffer_, layouts_};
  int topLine_ = 0, topRow_ = 0;  // the row shown at the top
  ByteMarks marks_;
  std::size_t caret_ = 0, anchor_ = 0;
  qreal rememberedX_ = -1;  // Up and Down keep the caret's x
  quint64 doubleClickTime_ = 0;
  QString preedit_;
  std::optional<QPoint> dragPress_;
  MemoViewAccessibleEvents accessibleEvents_{*this};
  KeyPressHandler keyPress_;
  TypedTextHandler typedText_;
  QList<QInputMethodEvent::Attribute> preeditAttributes_;
  // What the last paint showed: the caret line's mark, and whether only
  // the caret (no selection, no preedit).
  int paintedCaretLine_ = 0;
  bool onlyCaretPainted_ = true;
  std::size_t toldCaret_ = 0;
  bool toldRedo_ = false;
};

}  // namespace zumoku
