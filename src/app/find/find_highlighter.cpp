#include "app/find/find_highlighter.h"

#include <QScrollBar>
#include <QTextBlock>

#include "buffer/sjis_codec.h"
#include "search/position_map.h"

namespace zumoku {

namespace {
QTextCharFormat MatchFormat() {
  QTextCharFormat format;
  format.setBackground(QColor(255, 224, 102));
  return format;
}

std::vector<std::pair<int, int>> Bounds(const QList<QTextEdit::ExtraSelection>& marks) {
  std::vector<std::pair<int, int>> bounds;
  bounds.reserve(marks.size());
  for (const auto& mark : marks) bounds.emplace_back(mark.cursor.selectionStart(), mark.cursor.selectionEnd());
  return bounds;
}
}  // namespace

FindHighlighter::FindHighlighter(QPlainTextEdit& editor) : QObject(&editor), editor_(editor) {
  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &FindHighlighter::Refresh);
  const auto later = [this] {
    if (search_) refresh_.start();
  };
  connect(editor_.verticalScrollBar(), &QScrollBar::valueChanged, this, later);
  connect(&editor_, &QPlainTextEdit::textChanged, this, later);
  editor_.viewport()->installEventFilter(this);
}

void FindHighlighter::SetSearch(std::optional<search::Search> search) {
  search_ = std::move(search);
  refresh_.start();
}

bool FindHighlighter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && search_) refresh_.start();
  return QObject::eventFilter(watched, event);
}

void FindHighlighter::Refresh() {
  QList<QTextEdit::ExtraSelection> marks;
  if (search_) {
    const QRect view = editor_.viewport()->rect();
    marks = MarksIn(editor_.cursorForPosition(view.topLeft()).block(),
                    editor_.cursorForPosition(view.bottomRight()).block());
  }
  // Unchanged marks (typing moves them along) cost no repaint of the view.
  if (Bounds(marks) != Bounds(editor_.extraSelections())) editor_.setExtraSelections(marks);
}

QList<QTextEdit::ExtraSelection> FindHighlighter::MarksIn(const QTextBlock& first, const QTextBlock& last) const {
  QString shown;
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    shown += block.text();
    if (block == last) break;
    shown += u'\n';
  }
  const auto bytes = codec::Encode(shown);
  if (!bytes) return {};
  search::PositionMap positions(*bytes, shown, search_->TextEncoding());
  QList<QTextEdit::ExtraSelection> marks;
  for (const search::Match& match : search_->FindAll(*bytes)) {
    if (match.span.length == 0) continue;
    QTextCursor cursor(editor_.document());
    cursor.setPosition(first.position() + static_cast<int>(positions.IndexAt(match.span.start)));
    cursor.setPosition(first.position() + static_cast<int>(positions.IndexAt(match.span.End())),
                       QTextCursor::KeepAnchor);
    marks.append({cursor, MatchFormat()});
  }
  return marks;
}

}  // namespace zumoku
