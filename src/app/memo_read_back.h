#pragma once
// After an edit the editor shows what the edited bytes read back as. A lead
// byte shown alone joins a trail byte written after it into one character,
// and each character after it in the line can then shift by a byte; text
// entered in a form its bytes do not decode to (〜 for ～) takes that form.
#include <QTextCursor>
#include <QTextDocument>

namespace zumoku {

// The span an edit changes, followed through the edit: text inserted at its
// start goes inside it.
class EditSpan {
 public:
  EditSpan(QTextDocument& document, int from, int to);
  int From() const { return from_.position(); }
  int To() const { return to_.position(); }

 private:
  QTextCursor from_;
  QTextCursor to_;
};

// [from, to) is where an edit changed the document. Reads the text back from
// there (from the character before, when that one joins the next byte) to
// the end of the line holding `to`. `caret`, a position in that text, moves
// to the end of a character it would split. Returns the text's new end.
int ReadBackEdit(QTextDocument& document, int from, int to, int& caret);

}  // namespace zumoku
