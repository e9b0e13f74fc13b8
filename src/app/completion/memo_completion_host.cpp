#include "app/completion/memo_completion_host.h"

#include <QInputMethodEvent>
#include <QTextBlock>

#include "app/editor/memo.h"
#include "encoding/codec.h"

namespace zumoku {

MemoCompletionHost::MemoCompletionHost(Memo& memo) : CompletionHost(&memo), memo_(memo) {
  memo_.installEventFilter(this);
  connect(&memo_, &Memo::edited, this, &CompletionHost::textEdited);
  connect(&memo_, &QPlainTextEdit::cursorPositionChanged, this, &CompletionHost::caretMoved);
}

QWidget& MemoCompletionHost::Editor() { return memo_; }

QRect MemoCompletionHost::CaretRect() const {
  // The cursor rectangle is the viewport's; the list is placed by the editor's.
  return memo_.cursorRect().translated(memo_.viewport()->pos());
}

std::string MemoCompletionHost::LineBeforeCaret() const {
  const QTextCursor cursor = memo_.textCursor();
  const QString line = cursor.block().text().left(cursor.positionInBlock());
  return codec::Encode(line, memo_.TextEncoding(), codec::LineEnds::kAsIs).value_or(std::string());
}

char MemoCompletionHost::ByteAfterCaret() const {
  const QTextCursor cursor = memo_.textCursor();
  const QString line = cursor.block().text();
  const int at = cursor.positionInBlock();
  return at < line.size() && line[at].unicode() < 0x80 ? static_cast<char>(line[at].unicode()) : '\0';
}

bool MemoCompletionHost::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &memo_ && event->type() == QEvent::InputMethod) {
    composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
    // A composition changes neither the text nor the caret, yet closes the list.
    if (composing_) emit caretMoved();
  }
  return false;
}

}  // namespace zumoku
