#pragma once
// The program's yes/no question: caption "情報", the information icon,
// "はい(&Y)" as the default button and "いいえ(&N)", which Esc chooses.
#include <QString>

#include "documents/prompts.h"

class QWidget;

namespace zumoku {

// Closing the box by its close button gives neither answer: Answer::kClosed.
Answer AskQuestion(QWidget* parent, const QString& question);

}  // namespace zumoku
