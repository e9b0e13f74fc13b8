#include "app/editor/caret_marks.h"

#include <QTextDocument>

#include "app/editor/memo.h"

namespace zumoku {

namespace {
// The bracket's partner and the way to it, or nothing for another character.
struct BracketPair {
  QChar partner;
  int step;
};

std::optional<BracketPair> PairOf(QChar c) {
  switch (c.unicode()) {
    case u'{':
      return BracketPair{u'}', 1};
    case u'[':
      return BracketPair{u']', 1};
    case u'(':
      return BracketPair{u')', 1};
    case u'}':
      return BracketPair{u'{', -1};
    case u']':
      return BracketPair{u'[', -1};
    case u')':
      return BracketPair{u'(', -1};
    default:
      return std::nullopt;
  }
}

QColor Blend(const QColor& base, const QColor& tint, double share) {
  return QColor::fromRgbF(base.redF() + (tint.redF() - base.redF()) * share,
                          base.greenF() + (tint.greenF() - base.greenF()) * share,
                          base.blueF() + (tint.blueF() - base.blueF()) * share);
}
}  // namespace

std::optional<int> MatchingBrace(const QTextDocument& document, int at) {
  const QChar bracket = document.characterAt(at);
  const auto pair = PairOf(bracket);
  if (!pair) return std::nullopt;
  const int end = document.characterCount();
  int depth = 0;
  for (int distance = 1, i = at + pair->step; distance <= kBraceSearchLimit && i >= 0 && i < end;
       ++distance, i += pair->step) {
    const QChar c = document.characterAt(i);
    if (c == bracket) ++depth;
    if (c == pair->partner && depth-- == 0) return i;
  }
  return std::nullopt;
}

CaretMarks::CaretMarks(Memo& memo) : QObject(&memo), memo_(memo) {
  connect(&memo, &QPlainTextEdit::cursorPositionChanged, this, &CaretMarks::Mark);
  Mark();
}

void CaretMarks::SetCaretLineShown(bool shown) {
  caretLine_ = shown;
  Mark();
}

void CaretMarks::SetBracesShown(bool shown) {
  braces_ = shown;
  Mark();
}

ByteRange CaretMarks::Marked(int at) const {
  const BlockByteIndex& positions = memo_.Positions();
  return {static_cast<std::size_t>(positions.ByteOffset(at)), static_cast<std::size_t>(positions.ByteOffset(at + 1))};
}

void CaretMarks::Mark() {
  const QPalette palette = memo_.palette();
  QTextCharFormat line;
  line.setBackground(Blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.12));
  line.setProperty(QTextFormat::FullWidthSelection, true);
  memo_.SetMarkFormat(MarkLayer::kCaretLine, line);
  const std::size_t caretOffset = memo_.CaretOffset();
  memo_.SetMarks(MarkLayer::kCaretLine,
                 caretLine_ ? std::vector{ByteRange{caretOffset, caretOffset}} : std::vector<ByteRange>{});

  QTextCharFormat brace;
  brace.setBackground(Blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.45));
  memo_.SetMarkFormat(MarkLayer::kBraces, brace);
  std::vector<ByteRange> braces;
  const int caret = memo_.textCursor().position();
  // The bracket after the caret, else the one before it.
  for (const int at : {caret, caret - 1}) {
    if (at < 0 || !braces_) continue;
    if (const auto partner = MatchingBrace(*memo_.document(), at)) {
      braces = {Marked(at), Marked(*partner)};
      break;
    }
  }
  memo_.SetMarks(MarkLayer::kBraces, braces);
}

}  // namespace zumoku
