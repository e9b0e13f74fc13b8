#include "app/editor/memo_view.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QTextCharFormat>
#include <algorithm>
#include <tuple>

#include "app/editor/entry_policy.h"
#include "app/editor/memo_view_accessible.h"
#include "app/editor/word_classes.h"
#include "encoding/codec.h"
#include "encoding/line_ends.h"

namespace zumoku {

namespace {
constexpr qreal kLeftMargin = 4;
// The input method reads at most this many characters each side of the caret.
constexpr int kSurroundingChars = 500;

// Text a key types: anything but control characters, which keys without
// text of their own carry.
bool IsTyped(const QString& text) {
  return !text.isEmpty() && QChar::category(text.toUcs4().front()) != QChar::Other_Control;
}
}  // namespace

MemoView::MemoView(DocumentBuffer& buffer, QWidget* parent)
    : QAbstractScrollArea(parent), buffer_(buffer), layouts_(buffer) {
  setObjectName(QStringLiteral("memo1"));
  MemoViewAccessible::Register();
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  viewport()->setCursor(Qt::IBeamCursor);
  layouts_.SetFont(font());
  rows_.EstimateAll();
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int row) {
    const RunningSums::Located at = rows_.LineAt(row);
    topLine_ = at.index;
    topRow_ = at.offset;
    rows_.Near(topLine_);
  });
  connect(&rows_, &Rows::recounted, this, &MemoView::UpdateScrollRange);
  buffer_.AddChangeListener([this](const TextChange& change) { FollowEdit(change); });
  UpdateScrollRange();
}

void MemoView::FollowEdit(const TextChange& change) {
  const int line = change.firstLine;
  const int rowsBefore = rows_.RowsOf(line);
  layouts_.Follow(change);
  marks_.Follow(change);
  rows_.Follow(change);
  topLine_ = std::min(topLine_, buffer_.LineStarts().Count() - 1);
  UpdateScrollRange();
  // A line out of view changes nothing shown while it keeps the line count.
  const bool withinLine = change.linesAdded == 0 && change.linesRemoved == 0;
  if (withinLine && (LineRect(line).isEmpty() || layouts_.Layout(line).lineCount() == rowsBefore)) {
    UpdateCaretLines(line);
  } else {
    viewport()->update();
  }
  TellCaretMoved();
  TellRedoAvailable();
}

QRect MemoView::LineRect(int line) {
  if (line < FirstShownLine()) return {};
  const qreal bottom = viewport()->height();
  qreal top = -TopOffset();
  for (int above = FirstShownLine(); above < line && top < bottom; ++above) top += layouts_.Height(above);
  if (top >= bottom) return {};
  return QRectF(0, top, viewport()->width(), layouts_.Height(line)).toAlignedRect();
}

void MemoView::UpdateCaretLines(std::optional<int> edited) {
  const auto [anchor, caret] = Followed();
  if (!onlyCaretPainted_ || anchor != caret || !preedit_.isEmpty()) return viewport()->update();
  for (const int line : {edited.value_or(-1), paintedCaretLine_, CaretLine()}) {
    if (line >= 0) viewport()->update(LineRect(line));
  }
}

void MemoView::TellCaretMoved() {
  if (Caret() == toldCaret_) return;
  toldCaret_ = Caret();
  emit caretMoved();
}

void MemoView::TellRedoAvailable() {
  if (buffer_.CanRedo() == toldRedo_) return;
  toldRedo_ = buffer_.CanRedo();
  emit redoAvailable(toldRedo_);
}

int MemoView::RowHeight() const { return fontMetrics().lineSpacing(); }

int MemoView::RowsInView() const { return std::max(1, viewport()->height() / RowHeight()); }

int MemoView::FirstShownLine() const { return topLine_; }

qreal MemoView::TopOffset() {
  const QTextLayout& layout = layouts_.Layout(topLine_);
  topRow_ = std::min(topRow_, layout.lineCount() - 1);
  return layout.lineAt(topRow_).y();
}

qreal MemoView::LineTop(int line) {
  qreal top = -TopOffset();
  for (int above = FirstShownLine(); above < line; ++above) top += layouts_.Height(above);
  return top;
}

// The scroll bar counts rows, as measured or estimated (Rows); the view
// keeps its top row when rows above it are counted anew.
void MemoView::UpdateScrollRange() {
  QScrollBar& bar = *verticalScrollBar();
  const QSignalBlocker quiet(bar);
  bar.setRange(0, std::max(0, rows_.Total() - 1));
  bar.setPageStep(RowsInView());
  bar.setValue(rows_.FirstRowOf(topLine_) + topRow_);
}

void MemoView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const qreal width = viewport()->width() - 2 * kLeftMargin;
  if (width != layouts_.Width()) {
    layouts_.SetWidth(width);
    rows_.EstimateAll();
  }
  UpdateScrollRange();
}

void MemoView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  layouts_.SetFont(font());
  rows_.EstimateAll();
  viewport()->update();
}

void MemoView::ScrollTo(int line, int row) {
  topLine_ = line;
  topRow_ = row;
  rows_.Near(topLine_);
  UpdateScrollRange();
}

void MemoView::ScrollToCaret() {
  const Row at = RowOf(Caret());
  rows_.Measured(at.line, layouts_.Layout(at.line).lineCount());
  const std::pair top{topLine_, topRow_};
  if (std::pair{at.line, at.row} < top) {
    ScrollTo(at.line, at.row);
  } else {
    // The top row from which the caret's row still fits in the view.
    int line = at.line;
    int row = at.row;
    qreal height = layouts_.Layout(line).lineAt(row).height();
    while (std::pair{line, row} > top) {
      const int aboveLine = row > 0 ? line : line - 1;
      const int aboveRow = row > 0 ? row - 1 : layouts_.Layout(aboveLine).lineCount() - 1;
      const qreal above = layouts_.Layout(aboveLine).lineAt(aboveRow).height();
      if (height + above > viewport()->height()) break;
      height += above;
      line = aboveLine;
      row = aboveRow;
    }
    if (std::pair{line, row} > top) ScrollTo(line, row);
  }
  if (std::pair{topLine_, topRow_} != top) {
    viewport()->update();
  } else {
    UpdateCaretLines();
  }
  accessibleEvents_.CaretMayHaveMoved();
  TellCaretMoved();
}

std::pair<std::size_t, std::size_t> MemoView::Followed() const {
  const auto start = static_cast<std::size_t>(buffer_.SelStart());
  const auto end = start + static_cast<std::size_t>(buffer_.SelLength());
  if (std::min(anchor_, caret_) == start && std::max(anchor_, caret_) == end) return {anchor_, caret_};
  return {start, end};
}

void MemoView::FollowBuffer() { std::tie(anchor_, caret_) = Followed(); }

void MemoView::MoveCaret(std::size_t offset, bool extend) {
  caret_ = offset;
  if (!extend) anchor_ = offset;
  const std::size_t start = std::min(anchor_, caret_);
  buffer_.SetSelStart(static_cast<int>(start));
  buffer_.SetSelLength(static_cast<int>(std::max(anchor_, caret_) - start));
  ScrollToCaret();
}

// The next or previous caret place: a character within the line, or across
// the line end.
std::size_t MemoView::StepAcross(std::size_t offset, bool forward) {
  const LineIndex& lines = buffer_.LineStarts();
  const int line = lines.LineOf(offset);
  const std::size_t start = lines.Start(line);
  QTextLayout& layout = layouts_.Layout(line);
  const int column = layouts_.ColumnOf(line, offset - start);
  if (forward) {
    if (column < layout.text().size()) return start + layouts_.ByteOf(line, layout.nextCursorPosition(column));
    return line + 1 < lines.Count() ? lines.Next(line) : offset;
  }
  if (column > 0) return start + layouts_.ByteOf(line, layout.previousCursorPosition(column));
  return line > 0 ? lines.Start(line - 1) + static_cast<std::size_t>(buffer_.Lines().Get(line - 1).size()) : 0;
}

// The start of the next or the previous word; across a line end as a
// character step.
std::size_t MemoView::WordAcross(std::size_t offset, bool forward) {
  const LineIndex& lines = buffer_.LineStarts();
  const int line = lines.LineOf(offset);
  const std::size_t start = lines.Start(line);
  const QString& text = layouts_.Layout(line).text();
  const int column = layouts_.ColumnOf(line, offset - start);
  if (forward ? column >= text.size() : column == 0) return StepAcross(offset, forward);
  return start + layouts_.ByteOf(line, forward ? NextWordStart(text, column) : PreviousWordStart(text, column));
}

void MemoView::SelectLineAt(std::size_t offset) {
  const LineIndex& lines = buffer_.LineStarts();
  const int line = lines.LineOf(offset);
  MoveCaret(lines.Start(line), false);
  MoveCaret(line + 1 < lines.Count() ? lines.Next(line) : buffer_.Size(), true);
}

std::size_t MemoView::OffsetOnRow(int line, int row, qreal x) {
  const int column = layouts_.Layout(line).lineAt(row).xToCursor(x - kLeftMargin);
  return buffer_.LineStarts().Start(line) + layouts_.ByteOf(line, column);
}

std::size_t MemoView::OffsetAt(const QPoint& point) {
  const int count = buffer_.LineStarts().Count();
  int line = FirstShownLine();
  qreal top = -TopOffset();
  while (line + 1 < count && top + layouts_.Height(line) <= point.y()) top += layouts_.Height(line++);
  const QTextLayout& layout = layouts_.Layout(line);
  int row = 0;
  while (row + 1 < layout.lineCount() && layout.lineAt(row + 1).y() <= point.y() - top) ++row;
  return OffsetOnRow(line, row, point.x());
}

QRectF MemoView::RectAt(std::size_t offset) {
  const Row at = RowOf(offset);
  const QTextLine row = layouts_.Layout(at.line).lineAt(at.row);
  return QRectF(at.x, LineTop(at.line) + row.y(), 1, row.height());
}

MemoView::Row MemoView::RowOf(std::size_t offset) {
  const int line = buffer_.LineStarts().LineOf(offset);
  const int column = layouts_.ColumnOf(line, offset - buffer_.LineStarts().Start(line));
  const QTextLine row = layouts_.Layout(line).lineForTextPosition(column);
  return {line, row.isValid() ? row.lineNumber() : 0, row.isValid() ? row.cursorToX(column) + kLeftMargin : 0};
}

// The place `rows` rows up or down from the caret, at x.
std::size_t MemoView::RowsAway(int rows, qreal x) {
  Row at = RowOf(caret_);
  const int count = buffer_.LineStarts().Count();
  for (; rows > 0; --rows) {
    if (at.row + 1 < layouts_.Layout(at.line).lineCount()) {
      ++at.row;
    } else if (at.line + 1 < count) {
      at = {at.line + 1, 0, x};
    }
  }
  for (; rows < 0; ++rows) {
    if (at.row > 0) {
      --at.row;
    } else if (at.line > 0) {
      --at.line;
      at.row = layouts_.Layout(at.line).lineCount() - 1;
    }
  }
  return OffsetOnRow(at.line, at.row, x);
}

bool MemoView::MoveByKey(const QKeyEvent& key) {
  const bool extend = key.modifiers() & Qt::ShiftModifier;
  const bool control = key.modifiers() & Qt::ControlModifier;
  const LineIndex& lines = buffer_.LineStarts();
  const int line = CaretLine();
  const auto lineEnd = [&](int l) { return lines.Start(l) + buffer_.Lines().Get(l).size(); };
  const auto vertical = [&](int rows) {
    if (rememberedX_ < 0) rememberedX_ = RowOf(caret_).x;
    const qreal x = rememberedX_;
    MoveCaret(RowsAway(rows, x), extend);
    rememberedX_ = x;
  };
  rememberedX_ = key.key() == Qt::Key_Up || key.key() == Qt::Key_Down || key.key() == Qt::Key_PageUp ||
                         key.key() == Qt::Key_PageDown
                     ? rememberedX_
                     : -1;
  switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const bool forward = key.key() == Qt::Key_Right;
      // Without Shift, a selection collapses to its edge on that side.
      const bool collapse = !extend && anchor_ != caret_;
      const std::size_t edge = forward ? std::max(anchor_, caret_) : std::min(anchor_, caret_);
      const std::size_t step = control ? WordAcross(caret_, forward) : StepAcross(caret_, forward);
      MoveCaret(collapse && !control ? edge : step, extend);
      return true;
    }
    case Qt::Key_Up:
      vertical(-1);
      return true;
    case Qt::Key_Down:
      vertical(1);
      return true;
    case Qt::Key_PageUp:
      vertical(-RowsInView());
      return true;
    case Qt::Key_PageDown:
      vertical(RowsInView());
      return true;
    case Qt::Key_Home:
      MoveCaret(control ? 0 : lines.Start(line), extend);
      return true;
    case Qt::Key_End:
      MoveCaret(control ? buffer_.Size() : lineEnd(line), extend);
      return true;
    default:
      return false;
  }
}

void MemoView::DeleteChar(bool forward) {
  if (anchor_ == caret_) {
    const std::size_t other = StepAcross(caret_, forward);
    buffer_.SetSelStart(static_cast<int>(std::min(other, caret_)));
    buffer_.SetSelLength(static_cast<int>(std::max(other, caret_) - std::min(other, caret_)));
  }
  buffer_.DeleteSelection();
}

void MemoView::keyPressEvent(QKeyEvent* event) {
  FollowBuffer();
  if (MoveByKey(*event) || UndoByKey(*event)) return;
  if (event->matches(QKeySequence::SelectAll)) {
    SelectAll();
  } else if (event->matches(QKeySequence::Copy)) {
    buffer_.CopyToClipboard();
  } else if (event->matches(QKeySequence::Cut)) {
    buffer_.CutToClipboard();
  } else if (event->matches(QKeySequence::Paste)) {
    buffer_.PasteFromClipboard();
  } else if (IsEnter(event->key())) {
    TypeKey(QStringLiteral("\r"));
  } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
    DeleteChar(event->key() == Qt::Key_Delete);
  } else if (!(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) &&
             (event->key() == Qt::Key_Tab || IsTyped(event->text()))) {
    // A key held with Alt or Ctrl is a shortcut, never text.
    TypeKey(event->text());
  } else {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  FollowBuffer();
  ScrollToCaret();
}

void MemoView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  FollowBuffer();
  rememberedX_ = -1;
  const std::size_t offset = OffsetAt(event->position().toPoint());
  const bool third = event->timestamp() - doubleClickTime_ <
                     static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
  if (third) return SelectLineAt(offset);
  if (PressStartsDrag(offset, *event)) return;
  MoveCaret(offset, event->modifiers() & Qt::ShiftModifier);
}

void MemoView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  doubleClickTime_ = event->timestamp();
  const std::size_t offset = OffsetAt(event->position().toPoint());
  const LineIndex& lines = buffer_.LineStarts();
  const int line = lines.LineOf(offset);
  const std::size_t start = lines.Start(line);
  const auto [begin, end] = WordAround(layouts_.Layout(line).text(), layouts_.ColumnOf(line, offset - start));
  MoveCaret(start + layouts_.ByteOf(line, begin), false);
  MoveCaret(start + layouts_.ByteOf(line, end), true);
}

void MemoView::mouseMoveEvent(QMouseEvent* event) {
  if (DragsOn(*event)) return;
  if (event->buttons() & Qt::LeftButton) MoveCaret(OffsetAt(event->position().toPoint()), true);
}

void MemoView::inputMethodEvent(QInputMethodEvent* event) {
  FollowBuffer();
  if (event->replacementLength() > 0) {
    ReplaceAroundCaret(*event);
  } else if (!event->commitString().isEmpty()) {
    TypeText(event->commitString());
  }
  FollowBuffer();
  preedit_ = event->preeditString();
  preeditAttributes_ = event->attributes();
  ScrollToCaret();
}

// As Qt's own text widgets do: the selection goes first, then the range
// the input method names around the caret, in units of the caret line's
// text, kept within the window it was given.
void MemoView::ReplaceAroundCaret(const QInputMethodEvent& event) {
  if (Refused(event.commitString())) return;  // the text it would replace stays
  const QString commit = Retyped(typedText_, event.commitString()).value_or(event.commitString());
  if (Refused(commit)) return;
  AsOneStep([&] {
    if (buffer_.SelLength() > 0) buffer_.SetSelText("");
    FollowBuffer();
    const int line = CaretLine();
    const std::size_t lineStart = buffer_.LineStarts().Start(line);
    const int column = layouts_.ColumnOf(line, caret_ - lineStart);
    const int windowStart = std::max(0, column - kSurroundingChars);
    const int windowEnd = std::min(static_cast<int>(layouts_.Layout(line).text().size()), column + kSurroundingChars);
    const int from = std::clamp(column + event.replacementStart(), windowStart, windowEnd);
    const int to = std::clamp(from + event.replacementLength(), from, windowEnd);
    const std::size_t fromByte = layouts_.ByteOf(line, from);
    buffer_.SetSelStart(static_cast<int>(lineStart + fromByte));
    buffer_.SetSelLength(static_cast<int>(layouts_.ByteOf(line, to) - fromByte));
    buffer_.SetSelText(codec::EncodeChecked(commit, buffer_.TextEncoding()));
  });
}

QVariant MemoView::inputMethodQuery(Qt::InputMethodQuery query) const {
  auto& self = const_cast<MemoView&>(*this);
  const auto [anchor, caret] = Followed();
  const int line = CaretLine();
  const std::size_t lineStart = buffer_.LineStarts().Start(line);
  const int column = self.layouts_.ColumnOf(line, caret - lineStart);
  const int anchorColumn =
      self.layouts_.ColumnOf(line, std::clamp(anchor, lineStart, caret > anchor ? caret : anchor) - lineStart);
  const int windowStart = std::max(0, column - kSurroundingChars);
  switch (query) {
    case Qt::ImEnabled:
      return true;
    case Qt::ImCursorRectangle:
      return self.RectAt(caret);
    case Qt::ImFont:
      return font();
    case Qt::ImSurroundingText:
      return self.layouts_.Layout(line).text().mid(windowStart, 2 * kSurroundingChars);
    case Qt::ImCursorPosition:
      return column - windowStart;
    case Qt::ImAnchorPosition:
      return anchorColumn - windowStart;
    case Qt::ImCurrentSelection:
      return self.layouts_.Layout(line).text().mid(std::min(column, anchorColumn), std::abs(column - anchorColumn));
    default:
      return QAbstractScrollArea::inputMethodQuery(query);
  }
}

// The marks, then the selection over them, as formats of the line's layout.
QList<QTextLayout::FormatRange> MemoView::FormatsOn(int line, std::size_t lineStart, std::size_t lineEnd) {
  QList<QTextLayout::FormatRange> formats;
  const auto add = [&](std::size_t from, std::size_t to, const QTextCharFormat& format) {
    const int begin = layouts_.ColumnOf(line, from - lineStart);
    formats.append({begin, layouts_.ColumnOf(line, to - lineStart) - begin, format});
  };
  // A mark over the line end covers it as one more column, as Qt counts a
  // line end: the caret's line then shows on an empty line too. The last
  // line's end is the byte after the document's.
  const bool last = line + 1 == buffer_.LineStarts().Count();
  const std::size_t end = last ? lineEnd + 1 : lineEnd;
  const int lineEndColumn = layouts_.Layout(line).text().size() + 1;
  for (const ByteMarks::Shown& mark : marks_.Within(lineStart, end)) {
    add(mark.from, mark.to, *mark.format);
    if (mark.to == end) formats.back().length = lineEndColumn - formats.back().start;
  }
  const std::size_t from = std::max(std::min(anchor_, caret_), lineStart);
  const std::size_t to = std::min(std::max(anchor_, caret_), lineEnd);
  if (from < to) {
    QTextCharFormat selected;
    selected.setBackground(palette().highlight());
    selected.setForeground(palette().highlightedText());
    add(from, to, selected);
  }
  return formats;
}

void MemoView::DrawLine(QPainter& painter, int line, qreal y) {
  const LineIndex& lines = buffer_.LineStarts();
  const std::size_t start = lines.Start(line);
  QTextLayout& layout = layouts_.Layout(line);
  layout.draw(&painter, {kLeftMargin, y}, FormatsOn(line, start, lines.Next(line)));
  if (line == CaretLine()) layout.drawCursor(&painter, {kLeftMargin, y}, layouts_.ColumnOf(line, caret_ - start));
}

// The caret's line with the preedit put in at the caret, in the formats the
// input method asked for, and its cursor where the input method puts it.
void MemoView::DrawPreeditLine(QPainter& painter, int line, qreal y) {
  const int column = layouts_.ColumnOf(line, caret_ - buffer_.LineStarts().Start(line));
  QTextLayout layout(layouts_.Layout(line).text(), font());
  layout.setPreeditArea(column, preedit_);
  QList<QTextLayout::FormatRange> formats;
  int cursor = preedit_.size();
  for (const QInputMethodEvent::Attribute& attribute : preeditAttributes_) {
    if (attribute.type == QInputMethodEvent::Cursor) cursor = attribute.start;
    const QTextCharFormat format = attribute.value.value<QTextFormat>().toCharFormat();
    if (attribute.type == QInputMethodEvent::TextFormat && format.isValid()) {
      formats.append({column + attribute.start, attribute.length, format});
    }
  }
  layout.setFormats(formats);
  LineLayouts::Wrap(layout, viewport()->width() - 2 * kLeftMargin, layouts_.TabStop());
  layout.draw(&painter, {kLeftMargin, y});
  layout.drawCursor(&painter, {kLeftMargin, y}, column + cursor);
}

// Only the lines within the region asked for are drawn.
void MemoView::paintEvent(QPaintEvent* event) {
  FollowBuffer();
  QPainter painter(viewport());
  painter.fillRect(event->rect(), palette().base());
  painter.setPen(palette().text().color());
  const int first = FirstShownLine();
  const int count = buffer_.LineStarts().Count();
  const int width = viewport()->width();
  int line = first;
  for (qreal y = -TopOffset(); line < count && y < viewport()->height(); y += layouts_.Height(line++)) {
    const bool asked = event->region().intersects(QRectF(0, y, width, layouts_.Height(line)).toAlignedRect());
    if (asked && line == CaretLine() && !preedit_.isEmpty()) {
      DrawPreeditLine(painter, line, y);
    } else if (asked) {
      DrawLine(painter, line, y);
    }
    rows_.Measured(line, layouts_.Layout(line).lineCount());
  }
  layouts_.KeepOnly(first, line - 1, CaretLine());
  paintedCaretLine_ = CaretLine();
  onlyCaretPainted_ = anchor_ == caret_ && preedit_.isEmpty();
}

}  // namespace zumoku
