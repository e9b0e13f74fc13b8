#pragma once
// After an edit the editor shows what the edited bytes read back as. Bytes
// shown alone (a Shift_JIS lead byte, the start of a UTF-8 sequence) join
// bytes written after them into one character, and each character after
// them in the line can then shift; text
// entered in a form its bytes do not decode to (〜 for ～) takes that form.
#include <QTextDocument>

#include "encoding/encoding.h"

namespace zumoku {

enum class NewText {
  kDecoded,  // decoded from bytes: it reads back as itself, only its edges can join
  kEntered,  // typed, composed or pasted: any form
};

// [from, to) is the text an edit put in the document (empty after a
// deletion). Reads it back with what it can join: bytes shown alone before it,
// and, when its end joins the next byte, the rest of the line. `caret`, a
// position in the text read, moves to the end of a character it would split.
// Returns the end of the text read.
int ReadBackEdit(QTextDocument& document, int from, int to, NewText newText, Encoding encoding, int& caret);

}  // namespace zumoku
