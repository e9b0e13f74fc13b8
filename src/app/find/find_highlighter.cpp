#include "app/find/find_highlighter.h"

#include <QScrollBar>

namespace zumoku {

namespace {
// Long enough to fall between the keys of someone typing steadily.
constexpr int kTypingPause = 250;

QTextCharFormat MatchFormat() {
  QTextCharFormat format;
  format.setBackground(QColor(255, 224, 102));
  return format;
}
}  // namespace

FindHighlighter::FindHighlighter(Memo& editor, QObject* parent) : QObject(parent), editor_(editor) {
  editor_.SetMarkFormat(MarkLayer::kFindMatches, MatchFormat());
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
  std::vector<ByteRange> marks;
  if (const std::vector<Memo::ShownLine> shown = editor_.ShownLines(); search_ && !shown.empty()) {
    marks = MarksIn(shown.front().line, shown.back().line);
  }
  SetMarks(std::move(marks));
}

// Unchanged marks cost no repaint of the view.
void FindHighlighter::SetMarks(std::vector<ByteRange> marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  editor_.SetMarks(MarkLayer::kFindMatches, marks_);
}

std::vector<ByteRange> FindHighlighter::MarksIn(int first, int last) const {
  const std::size_t start = editor_.LineSpan(first).from;
  const std::string bytes = editor_.Bytes({start, editor_.LineSpan(last).to});
  std::vector<search::Match> matches;
  try {
    matches = search_->FindAll(bytes);
  } catch (const search::TooComplex&) {
    return {};  // the bar says so when the user searches
  }
  std::vector<ByteRange> marks;
  for (const search::Match& match : matches) {
    if (match.span.length == 0) continue;
    marks.push_back({start + match.span.start, start + match.span.End()});
  }
  return marks;
}

}  // namespace zumoku
