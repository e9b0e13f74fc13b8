#include "app/editor/inserted_braces.h"

#include <algorithm>

#include "app/editor/memo.h"

namespace zumoku {

void InsertedBraces::ForgetGone() {
  std::erase_if(braces_, [](const QTextCursor& brace) { return brace.selectedText() != QStringLiteral("}"); });
}

void InsertedBraces::RememberAfterCaret() {
  ForgetGone();
  QTextCursor brace = memo_.textCursor();
  brace.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  braces_.push_back(brace);
}

bool InsertedBraces::StepOver() {
  ForgetGone();
  const QTextCursor caret = memo_.textCursor();
  if (caret.hasSelection()) return false;
  const auto found = std::find_if(braces_.begin(), braces_.end(),
                                  [&](const QTextCursor& brace) { return brace.selectionStart() == caret.position(); });
  if (found == braces_.end()) return false;
  braces_.erase(found);
  memo_.moveCursor(QTextCursor::NextCharacter);
  return true;
}

}  // namespace zumoku
