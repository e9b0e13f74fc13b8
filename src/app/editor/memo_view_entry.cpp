// MemoView's typing, as Memo's: refusals, the typing aids' handlers, typing
// runs and undo steps.
#include <QKeyEvent>

#include "app/editor/memo_view.h"
#include "encoding/codec.h"

namespace zumoku {

bool MemoView::Refused(const QString& text) {
  const auto message = RefusedEntryMessage(text, buffer_.TextEncoding());
  if (message) emit refused(*message);
  return message.has_value();
}

void MemoView::TypeText(const QString& text) {
  if (Refused(text)) return;
  const QString typed = Retyped(typedText_, text).value_or(text);
  if (!typed.isEmpty() && !Refused(typed)) buffer_.Type(codec::EncodeChecked(typed, buffer_.TextEncoding()));
}

void MemoView::TypeKey(const QString& text) {
  if (Refused(text) || SwallowedByKeyPress(keyPress_, text, buffer_.TextEncoding())) return;
  TypeText(text);
}

bool MemoView::UndoByKey(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Undo)) {
    Undo();
  } else if (key.matches(QKeySequence::Redo) || key.keyCombination() == (Qt::CTRL | Qt::Key_Y)) {
    // Ctrl+Y on every desktop, as the window's menu has it.
    Redo();
  } else {
    return false;
  }
  return true;
}

void MemoView::Undo() {
  buffer_.Undo();
  FollowBuffer();
  ScrollToCaret();
}

void MemoView::Redo() {
  buffer_.Redo();
  FollowBuffer();
  ScrollToCaret();
}

void MemoView::SelectAll() {
  buffer_.SelectAll();
  FollowBuffer();
  ScrollToCaret();
}

void MemoView::AsOneStep(const std::function<void()>& edit) {
  EndTypingRun();
  buffer_.BeginUndoStep();
  edit();
  buffer_.EndUndoStep();
  FollowBuffer();
  ScrollToCaret();
}

}  // namespace zumoku
