#include "app/completion/memo_completion_host.h"

#include <QInputMethodEvent>
#include <algorithm>

#include "app/editor/memo.h"

namespace zumoku {

MemoCompletionHost::MemoCompletionHost(Memo& memo) : CompletionHost(&memo), memo_(memo) {
  memo_.installEventFilter(this);
  connect(&memo_, &Memo::edited, this, &CompletionHost::textEdited);
  connect(&memo_, &Memo::caretMoved, this, &CompletionHost::caretMoved);
}

QWidget& MemoCompletionHost::Editor() { return memo_; }

QRect MemoCompletionHost::CaretRect() const { return memo_.CaretRect(); }

std::string MemoCompletionHost::LineBeforeCaret() const {
  return memo_.Bytes({memo_.LineSpan(memo_.CaretLine()).from, memo_.CaretOffset()});
}

// The caret never splits a character, so a byte below 0x80 there is one.
char MemoCompletionHost::ByteAfterCaret() const {
  const std::size_t caret = memo_.CaretOffset();
  const std::string after = memo_.Bytes({caret, std::min(caret + 1, memo_.LineSpan(memo_.CaretLine()).to)});
  return !after.empty() && static_cast<unsigned char>(after.front()) < 0x80 ? after.front() : '\0';
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
