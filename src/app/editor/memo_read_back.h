#pragma once
// After an edit the editor shows what the edited bytes read back as. A lead
// byte shown alone joins a trail byte written after it into one character,
// and each character after it in the line can then shift by a byte; text
// entered in a form its bytes do not decode to (〜 for ～) takes that form.
#include <QTextDocument>

namespace zumoku {

enum class NewText {
  kDecoded,  // decoded from bytes: it reads back as itself, only its edges can join
  kEntered,  // typed, composed or pasted: any form
};

// [from, to) is the text an edit put in the document (empty after a
// deletion). Reads it back with what it can join: a lone lead byte before it,
// and, when its end joins the next byte, the rest of the line. `caret`, a
// position in the text read, moves to the end of a character it would split.
// Returns the end of the text read.
int ReadBackEdit(QTextDocument& document, int from, int to, NewText newText, int& caret);

}  // namespace zumoku
