#pragma once
// Words for double-clicks and Ctrl+arrows in Japanese text: a word is a run
// of characters of one class, so 漢字かなカナ splits where the script
// changes and a LaTeX command name stays whole.
#include <QString>
#include <utility>

namespace zumoku {

enum class CharClass { kSpace, kLatin, kPunctuation, kHiragana, kKatakana, kKanji, kFullWidthLatin, kOther };

CharClass ClassOf(char32_t c);

// The word holding the character at `column` (UTF-16), as [begin, end).
std::pair<int, int> WordAround(const QString& text, int column);
// Where the next word starts after `column`, or the text's end; where the
// word before `column` starts, or 0. Spaces belong to no word.
int NextWordStart(const QString& text, int column);
int PreviousWordStart(const QString& text, int column);

}  // namespace zumoku
