#pragma once
// The program's questions: caption "情報", the information icon, the
// question as plain text, "はい(&Y)" as the default button and "いいえ(&N)"
// unless told otherwise.
#include <QString>

#include "documents/prompts.h"

class QWidget;

namespace zumoku {

// Esc answers No; closing the box by its close button gives neither answer:
// Answer::kClosed. `byDefault` (kYes or kNo) is the button Enter presses.
Answer AskQuestion(QWidget* parent, const QString& question, Answer byDefault = Answer::kYes);

// With a third button, "キャンセル", which Esc and the close button choose.
UnsavedAnswer AskQuestionWithCancel(QWidget* parent, const QString& question);

// The same box with "再読み込み" and "そのまま", the default, which Esc and
// the close button choose too; true for "再読み込み".
bool AskToReload(QWidget* parent, const QString& question);

}  // namespace zumoku
