#include "app/editor/memo_read_back.h"

#include <QTextBlock>

#include "encoding/codec.h"

namespace zumoku {

namespace {
QString TextBetween(QTextDocument& document, int from, int to) {
  QTextCursor span(&document);
  span.setPosition(from);
  span.setPosition(to, QTextCursor::KeepAnchor);
  return span.selectedText();
}

// Characters of `text` up to the first character boundary at or after
// `bytes` stored bytes.
int CharactersCovering(QStringView text, int bytes, Encoding encoding) {
  int at = 0;
  for (int covered = 0; covered < bytes && at < text.size(); ++at) covered += codec::ByteLength(text[at], encoding);
  // A selector stays with its character.
  while (at < text.size() && codec::ByteLength(text[at], encoding) == 0) ++at;
  return at;
}

// The document's text as it reads back, its line ends kept as the
// document's own.
QString ReadBackLines(QStringView text, Encoding encoding) {
  return codec::ReadBack(text, encoding).replace(u'\n', QChar::ParagraphSeparator);
}

// Where the stand-ins right before `at` in its line that a byte at `at`
// could join begin: at most a character's bytes less one back.
int JoiningStart(QTextDocument& document, int at, Encoding encoding) {
  const int lineStart = document.findBlock(at).position();
  int start = at;
  for (int n = 1; n < codec::LongestCharBytes(encoding) && start > lineStart &&
                  codec::JoinsNextByte(document.characterAt(start - 1), encoding);
       ++n) {
    --start;
  }
  return start;
}

qsizetype SamePrefix(QStringView a, QStringView b) {
  qsizetype n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

qsizetype SameSuffix(QStringView a, QStringView b) {
  qsizetype n = 0;
  while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return n;
}
}  // namespace

int ReadBackEdit(QTextDocument& document, int from, int to, NewText newText, Encoding encoding, int& caret) {
  int start = JoiningStart(document, from, encoding);
  if (newText == NewText::kDecoded && start == from) {
    // Only bytes that the new text ends with can join what follows.
    if (to == from || !codec::JoinsNextByte(document.characterAt(to - 1), encoding)) return to;
    start = JoiningStart(document, to, encoding);
  }
  int end = to;
  QString shown = TextBetween(document, start, end);
  QString read = ReadBackLines(shown, encoding);
  // A join shifts the pairs after it, up to the line end.
  const QTextBlock lastLine = document.findBlock(to);
  const int lineEnd = lastLine.position() + lastLine.length() - 1;
  if (to < lineEnd && !read.isEmpty() && codec::JoinsNextByte(read.back(), encoding)) {
    end = lineEnd;
    shown = TextBetween(document, start, end);
    read = ReadBackLines(shown, encoding);
  }
  if (read == shown) return end;

  const bool caretInside = caret >= start && caret <= end;
  const int caretBytes = caretInside ? codec::ByteLength(QStringView(shown).left(caret - start), encoding) : 0;
  const qsizetype prefix = SamePrefix(shown, read);
  const qsizetype suffix = SameSuffix(QStringView(shown).mid(prefix), QStringView(read).mid(prefix));
  QTextCursor changed(&document);
  changed.setPosition(start + static_cast<int>(prefix));
  changed.setPosition(end - static_cast<int>(suffix), QTextCursor::KeepAnchor);
  changed.insertText(read.mid(prefix, read.size() - prefix - suffix));
  if (caretInside) caret = start + CharactersCovering(read, caretBytes, encoding);
  return start + static_cast<int>(read.size());
}

}  // namespace zumoku
