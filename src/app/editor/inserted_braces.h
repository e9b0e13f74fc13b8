#pragma once
// The closing braces that the typing aid put into memo1, so that a "}"
// typed just before one of them steps over it instead of adding another.
// Each is followed through later edits; one deleted or typed over is
// forgotten.
#include <QTextCursor>
#include <vector>

namespace zumoku {

class Memo;

class InsertedBraces {
 public:
  explicit InsertedBraces(Memo& memo) : memo_(memo) {}

  // The aid has just put a "}" right after the caret.
  void RememberAfterCaret();
  // True, the caret moved past the brace, when the caret stands just before
  // a remembered one and selects nothing.
  bool StepOver();

 private:
  void ForgetGone();

  Memo& memo_;
  std::vector<QTextCursor> braces_;  // each selects its brace
};

}  // namespace zumoku
