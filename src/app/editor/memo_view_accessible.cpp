#include "app/editor/memo_view_accessible.h"

#include "app/editor/decoded_range.h"

#include <algorithm>

#include "encoding/codec.h"

namespace zumoku {

namespace {
QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
  auto* memo = qobject_cast<MemoView*>(object);
  return memo ? new MemoViewAccessible(memo) : nullptr;
}
}  // namespace

MemoViewAccessible::MemoViewAccessible(MemoView* memo) : QAccessibleWidget(memo, QAccessible::EditableText) {}

void MemoViewAccessible::Register() {
  static const bool registered = [] {
    QAccessible::installFactory(MakeInterface);
    return true;
  }();
  (void)registered;
}

void* MemoViewAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString MemoViewAccessible::text(QAccessible::Text kind) const {
  return kind == QAccessible::Value ? text(0, characterCount()) : QAccessibleWidget::text(kind);
}

QString MemoViewAccessible::LineText(int line) const {
  return codec::Decode(Buffer().Lines().Get(line), Buffer().TextEncoding());
}

int MemoViewAccessible::UnitsOf(std::size_t byte) const {
  const LineIndex& lines = Buffer().LineStarts();
  const int line = lines.LineOf(byte);
  int units = 0;
  for (int before = 0; before < line; ++before) units += static_cast<int>(LineText(before).size()) + 1;
  const std::string head = Buffer().Lines().Get(line).substr(0, byte - lines.Start(line));
  return units + static_cast<int>(codec::Decode(head, Buffer().TextEncoding()).size());
}

std::size_t MemoViewAccessible::BytesOf(int units) const {
  const LineIndex& lines = Buffer().LineStarts();
  for (int line = 0; line < lines.Count(); ++line) {
    const QString text = LineText(line);
    if (units <= text.size()) {
      return lines.Start(line) +
             static_cast<std::size_t>(codec::ByteLength(QStringView(text).left(units), Buffer().TextEncoding()));
    }
    units -= static_cast<int>(text.size()) + 1;
  }
  return Buffer().Size();
}

void MemoViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || Buffer().SelLength() == 0) return;
  const auto start = static_cast<std::size_t>(Buffer().SelStart());
  *startOffset = UnitsOf(start);
  *endOffset = UnitsOf(start + static_cast<std::size_t>(Buffer().SelLength()));
}

int MemoViewAccessible::selectionCount() const { return Buffer().SelLength() > 0 ? 1 : 0; }

void MemoViewAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void MemoViewAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Buffer().SetSelStart(Buffer().SelStart() + Buffer().SelLength());
}

void MemoViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  const std::size_t from = BytesOf(std::min(startOffset, endOffset));
  Buffer().SetSelStart(static_cast<int>(from));
  Buffer().SetSelLength(static_cast<int>(BytesOf(std::max(startOffset, endOffset)) - from));
  Memo().viewport()->update();
}

int MemoViewAccessible::cursorPosition() const { return UnitsOf(Memo().Caret()); }

void MemoViewAccessible::setCursorPosition(int position) { setSelection(0, position, position); }

QString MemoViewAccessible::text(int startOffset, int endOffset) const {
  const std::size_t from = BytesOf(startOffset), to = BytesOf(endOffset);
  if (from >= to) return {};
  return DecodedRange(Buffer(), from, to);
}

int MemoViewAccessible::characterCount() const { return UnitsOf(Buffer().Size()); }

QRect MemoViewAccessible::characterRect(int offset) const {
  const QRect local = Memo().RectAt(BytesOf(offset)).toRect();
  return QRect(Memo().viewport()->mapToGlobal(local.topLeft()), local.size());
}

int MemoViewAccessible::offsetAtPoint(const QPoint& point) const {
  return UnitsOf(Memo().OffsetAt(Memo().viewport()->mapFromGlobal(point)));
}

void MemoViewAccessible::scrollToSubstring(int startIndex, int) { setCursorPosition(startIndex); }

QString MemoViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;
  return {};
}

void MemoViewAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void MemoViewAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

// One undo step; text the document's encoding cannot hold changes nothing.
void MemoViewAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  const auto bytes = codec::Encode(text, Buffer().TextEncoding());
  if (!bytes) return;
  setSelection(0, startOffset, endOffset);
  Buffer().BeginUndoStep();
  Buffer().SetSelText(*bytes);
  Buffer().EndUndoStep();
}

}  // namespace zumoku
