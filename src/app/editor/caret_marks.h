#pragma once
// Marks around memo1's caret: a subtle background on its line, and the
// bracket next to it together with its partner.
#include <QObject>
#include <QTextEdit>
#include <optional>

#include "app/editor/brace_match.h"
#include "app/editor/byte_range.h"

namespace zumoku {

class Memo;

// The caret line's background, across the whole width, and a bracket's.
QTextCharFormat CaretLineFormat(const QPalette& palette);
QTextCharFormat BraceFormat(const QPalette& palette);

// The partner of the bracket at `at`, as MatchingBraceIn finds it.
std::optional<int> MatchingBrace(const QTextDocument& document, int at);

class CaretMarks : public QObject {
  Q_OBJECT
 public:
  explicit CaretMarks(Memo& memo);

  void SetCaretLineShown(bool shown);
  void SetBracesShown(bool shown);

 private:
  void Mark();
  // The bytes of the character at document position `at`.
  ByteRange Marked(int at) const;

  Memo& memo_;
  bool caretLine_ = true;
  bool braces_ = true;
};

}  // namespace zumoku
