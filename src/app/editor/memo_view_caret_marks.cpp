#include "app/editor/memo_view_caret_marks.h"

#include "app/editor/decoded_range.h"

#include <QEvent>

#include "app/editor/brace_match.h"
#include "app/editor/caret_marks.h"
#include "app/editor/memo_view.h"
#include "encoding/codec.h"

namespace zumoku {

namespace {
// Bytes enough for kBraceSearchLimit characters each side: at most three
// bytes per UTF-16 unit.
constexpr std::size_t kWindowBytes = 3 * kBraceSearchLimit + 3;
}  // namespace

std::optional<std::pair<std::size_t, std::size_t>> BracesAt(const DocumentBuffer& buffer, std::size_t caret) {
  const LineIndex& lines = buffer.LineStarts();
  // The window starts at a line start, a character's first byte in either encoding.
  const std::size_t from = lines.Start(lines.LineOf(caret > kWindowBytes ? caret - kWindowBytes : 0));
  const std::size_t to = std::min(buffer.Size(), caret + kWindowBytes);
  const QString before = DecodedRange(buffer, from, caret);
  const QString after = DecodedRange(buffer, caret, to);
  const int at = static_cast<int>(before.size());
  if (!(after.size() > 0 && PairOf(after.front())) && !(at > 0 && PairOf(before.back()))) return std::nullopt;
  const QString text = before + after;
  const auto byteOf = [&](int index) {
    const Encoding encoding = buffer.TextEncoding();
    if (index >= at)
      return caret + static_cast<std::size_t>(codec::ByteLength(QStringView(after).left(index - at), encoding));
    return from + static_cast<std::size_t>(codec::ByteLength(QStringView(before).left(index), encoding));
  };
  for (const int bracket : {at, at - 1}) {
    const auto partner = MatchingBraceIn([&text](int i) { return text[i]; }, static_cast<int>(text.size()), bracket);
    if (partner) return std::pair{byteOf(bracket), byteOf(*partner)};
  }
  return std::nullopt;
}

MemoViewCaretMarks::MemoViewCaretMarks(MemoView& view) : QObject(&view), view_(view) {
  view.Marks().SetFormat(MarkLayer::kCaretLine, CaretLineFormat(view.palette()));
  view.Marks().SetFormat(MarkLayer::kBraces, BraceFormat(view.palette()));
  view.viewport()->installEventFilter(this);
  // Marked as the caret moves, before the paint, so that brackets on lines
  // outside the caret's are asked to be repainted with it.
  connect(&view, &MemoView::caretMoved, this, &MemoViewCaretMarks::Mark);
}

void MemoViewCaretMarks::SetCaretLineShown(bool shown) {
  caretLine_ = shown;
  marked_.reset();
  view_.viewport()->update();
}

void MemoViewCaretMarks::SetBracesShown(bool shown) {
  braces_ = shown;
  marked_.reset();
  view_.viewport()->update();
}

bool MemoViewCaretMarks::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) Mark();
  return QObject::eventFilter(watched, event);
}

// Read from the caret line's layout, which the view holds anyway: the
// search decodes the text around the caret only next to a bracket.
bool MemoViewCaretMarks::NextToBracket(int line, std::size_t byteInLine) {
  LineLayouts& layouts = view_.Layouts();
  const QString& text = layouts.Layout(line).text();
  const int column = layouts.ColumnOf(line, byteInLine);
  return (column < text.size() && PairOf(text[column])) || (column > 0 && PairOf(text[column - 1]));
}

void MemoViewCaretMarks::Mark() {
  DocumentBuffer& buffer = view_.Buffer();
  const std::size_t caret = view_.Caret();
  if (marked_ == std::pair{caret, buffer.Revision()}) return;
  marked_ = {caret, buffer.Revision()};
  const LineIndex& lines = buffer.LineStarts();
  const int line = lines.LineOf(caret);
  std::vector<ByteRange> caretLine;
  // The last line's end is the byte after the document's.
  const bool last = line + 1 == lines.Count();
  if (caretLine_) caretLine.push_back({lines.Start(line), last ? buffer.Size() + 1 : lines.Next(line)});
  view_.Marks().Set(MarkLayer::kCaretLine, std::move(caretLine));
  std::vector<ByteRange> braces;
  if (const auto pair =
          braces_ && NextToBracket(line, caret - lines.Start(line)) ? BracesAt(buffer, caret) : std::nullopt) {
    const auto [first, second] = std::minmax(pair->first, pair->second);
    braces = {{first, first + 1}, {second, second + 1}};
  }
  // Braces may stand on lines outside the region being painted.
  if (braces != view_.Marks().Get(MarkLayer::kBraces)) view_.viewport()->update();
  view_.Marks().Set(MarkLayer::kBraces, std::move(braces));
}

}  // namespace zumoku
