#pragma once
// Marks around memo1's caret: a subtle background on its line, and the
// bracket next to it together with its partner.
#include <QObject>
#include <QTextEdit>
#include <optional>

#include "app/editor/byte_range.h"

namespace zumoku {

class Memo;

// The partner of the bracket at `at` ({ } [ ] ( )), looked for at most
// kBraceSearchLimit characters away, brackets of the same kind nesting.
inline constexpr int kBraceSearchLimit = 10000;
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
