#include "app/editor/memo_read_back.h"

#include <QTextBlock>

#include "buffer/sjis_codec.h"

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
int CharactersCovering(QStringView text, int bytes) {
  int at = 0;
  for (int covered = 0; covered < bytes && at < text.size(); ++at) covered += codec::ByteLength(text[at]);
  while (at < text.size() && codec::ByteLength(text[at]) == 0) ++at;  // a selector stays with its character
  return at;
}

// The document's text as it reads back, its line ends kept as the
// document's own.
QString ReadBackLines(QStringView text) { return codec::ReadBack(text).replace(u'\n', QChar::ParagraphSeparator); }

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

int ReadBackEdit(QTextDocument& document, int from, int to, NewText newText, int& caret) {
  const bool joinsBefore =
      from > document.findBlock(from).position() && codec::JoinsNextByte(document.characterAt(from - 1));
  if (newText == NewText::kDecoded && !joinsBefore) {
    // Only a lead byte that the new text ends with can join what follows.
    if (to == from || !codec::JoinsNextByte(document.characterAt(to - 1))) return to;
    from = to - 1;
  }
  const int start = joinsBefore ? from - 1 : from;
  int end = to;
  QString shown = TextBetween(document, start, end);
  QString read = ReadBackLines(shown);
  // A join shifts the pairs after it, up to the line end.
  const QTextBlock lastLine = document.findBlock(to);
  const int lineEnd = lastLine.position() + lastLine.length() - 1;
  if (to < lineEnd && !read.isEmpty() && codec::JoinsNextByte(read.back())) {
    end = lineEnd;
    shown = TextBetween(document, start, end);
    read = ReadBackLines(shown);
  }
  if (read == shown) return end;

  const bool caretInside = caret >= start && caret <= end;
  const int caretBytes = caretInside ? codec::ByteLength(QStringView(shown).left(caret - start)) : 0;
  const qsizetype prefix = SamePrefix(shown, read);
  const qsizetype suffix = SameSuffix(QStringView(shown).mid(prefix), QStringView(read).mid(prefix));
  QTextCursor changed(&document);
  changed.setPosition(start + static_cast<int>(prefix));
  changed.setPosition(end - static_cast<int>(suffix), QTextCursor::KeepAnchor);
  changed.insertText(read.mid(prefix, read.size() - prefix - suffix));
  if (caretInside) caret = start + CharactersCovering(read, caretBytes);
  return start + static_cast<int>(read.size());
}

}  // namespace zumoku
