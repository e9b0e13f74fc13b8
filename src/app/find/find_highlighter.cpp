#include "app/find/find_highlighter.h"

#include <QScrollBar>
#include <QTextBlock>

#include "encoding/codec.h"
#include "search/position_map.h"

namespace zumoku {

namespace {
// Long enough to fall between the keys of someone typing steadily.
constexpr int kTypingPause = 250;

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

FindHighlighter::FindHighlighter(Memo& editor, QObject* parent) : QObject(parent), editor_(editor) {
  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &FindHighlighter::Refresh);
  afterTyping_.setSingleShot(true);
  connect(&afterTyping_, &QTimer::timeout, this, &FindHighlighter::TypingPaused);
  connect(editor_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (search_) refresh_.start();
  });
  // Queued: QTextDocument::clear() (opening a file) reports its changes
  // while it has set its list of cursors aside, and puts that list back
  // afterwards, so a mark's cursor freed in the handler would stay in it.
  connect(&editor_, &Memo::changed, this, &FindHighlighter::Edited, Qt::QueuedConnection);
  editor_.viewport()->installEventFilter(this);
}

void FindHighlighter::SetSearch(std::optional<search::Search> search) {
  search_ = std::move(search);
  refresh_.start();
}

void FindHighlighter::Edited() {
  if (!search_) return;
  SetMarks({});
  sinceEdit_.start();
  if (!afterTyping_.isActive()) afterTyping_.start(kTypingPause);
}

void FindHighlighter::TypingPaused() {
  const qint64 left = kTypingPause - sinceEdit_.elapsed();
  if (left > 0) return afterTyping_.start(static_cast<int>(left));
  Refresh();
}

bool FindHighlighter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && search_) refresh_.start();
  return QObject::eventFilter(watched, event);
}

void FindHighlighter::Refresh() {
  refresh_.stop();
  afterTyping_.stop();
  QList<QTextEdit::ExtraSelection> marks;
  if (search_) {
    const QRect view = editor_.viewport()->rect();
    marks = MarksIn(editor_.cursorForPosition(view.topLeft()).block(),
                    editor_.cursorForPosition(view.bottomRight()).block());
  }
  SetMarks(std::move(marks));
}

// Unchanged marks cost no repaint of the view.
void FindHighlighter::SetMarks(QList<QTextEdit::ExtraSelection> marks) {
  if (Bounds(marks) == Bounds(marks_)) return;
  marks_ = std::move(marks);
  editor_.SelectionLayers().Set(ExtraSelectionLayers::kFindMatches, marks_);
}

QList<QTextEdit::ExtraSelection> FindHighlighter::MarksIn(const QTextBlock& first, const QTextBlock& last) const {
  QString shown;
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    shown += block.text();
    if (block == last) break;
    shown += u'\n';
  }
  const auto bytes = codec::Encode(shown, editor_.TextEncoding());
  if (!bytes) return {};
  search::PositionMap positions(*bytes, shown, search_->TextEncoding());
  std::vector<search::Match> matches;
  try {
    matches = search_->FindAll(*bytes);
  } catch (const search::TooComplex&) {
    return {};  // the bar says so when the user searches
  }
  QList<QTextEdit::ExtraSelection> marks;
  for (const search::Match& match : matches) {
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
