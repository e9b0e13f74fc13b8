#include "app/editor/word_classes.h"

namespace zumoku {

CharClass ClassOf(char32_t c) {
  if (c == u' ' || c == u'\t' || c == u'\u3000') return CharClass::kSpace;
  if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_') {
    return CharClass::kLatin;
  }
  if (c < 0x80) return CharClass::kPunctuation;
  if (c >= 0x3041 && c <= 0x309F) return CharClass::kHiragana;
  // The long vowel mark and half-width katakana go with katakana.
  if ((c >= 0x30A0 && c <= 0x30FF) || (c >= 0xFF66 && c <= 0xFF9F)) return CharClass::kKatakana;
  if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) ||
      (c >= 0x20000 && c <= 0x3FFFF) || c == u'々' || c == u'〆') {
    return CharClass::kKanji;
  }
  if ((c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A)) {
    return CharClass::kFullWidthLatin;
  }
  if ((c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF65)) return CharClass::kPunctuation;
  return CharClass::kOther;
}

namespace {
// The character at `column` and the one before it, whole surrogate pairs.
char32_t At(const QString& text, int column) {
  const QChar c = text[column];
  if (c.isHighSurrogate() && column + 1 < text.size()) return QChar::surrogateToUcs4(c, text[column + 1]);
  return c.unicode();
}
int After(const QString& text, int column) {
  return column + (text[column].isHighSurrogate() && column + 1 < text.size() ? 2 : 1);
}
int Before(const QString& text, int column) {
  return column - (column >= 2 && text[column - 1].isLowSurrogate() ? 2 : 1);
}
}  // namespace

std::pair<int, int> WordAround(const QString& text, int column) {
  if (column >= text.size()) return {column, column};
  const CharClass kind = ClassOf(At(text, column));
  int begin = column, end = After(text, column);
  while (begin > 0 && ClassOf(At(text, Before(text, begin))) == kind) begin = Before(text, begin);
  while (end < text.size() && ClassOf(At(text, end)) == kind) end = After(text, end);
  return {begin, end};
}

int NextWordStart(const QString& text, int column) {
  int at = column < text.size() ? WordAround(text, column).second : column;
  while (at < text.size() && ClassOf(At(text, at)) == CharClass::kSpace) at = After(text, at);
  return at;
}

int PreviousWordStart(const QString& text, int column) {
  int at = column;
  while (at > 0 && ClassOf(At(text, Before(text, at))) == CharClass::kSpace) at = Before(text, at);
  return at > 0 ? WordAround(text, Before(text, at)).first : 0;
}

}  // namespace zumoku
