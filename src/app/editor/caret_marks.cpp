#include "app/editor/caret_marks.h"

#include <QTextDocument>

#include "app/editor/memo.h"

namespace zumoku {

namespace {
QColor Blend(const QColor& base, const QColor& tint, double share) {
  return QColor::fromRgbF(base.redF() + (tint.redF() - base.redF()) * share,
                          base.greenF() + (tint.greenF() - base.greenF()) * share,
                          base.blueF() + (tint.blueF() - base.blueF()) * share);
}
}  // namespace

QTextCharFormat CaretLineFormat(const QPalette& palette) {
  QTextCharFormat format;
  format.setBackground(Blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.12));
  format.setProperty(QTextFormat::FullWidthSelection, true);
  return format;
}

QTextCharFormat BraceFormat(const QPalette& palette) {
  QTextCharFormat format;
  format.setBackground(Blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.45));
  return format;
}

std::optional<int> MatchingBrace(const QTextDocument& document, int at) {
  return MatchingBraceIn([&document](int i) { return document.characterAt(i); }, document.characterCount(), at);
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
  memo_.SetMarkFormat(MarkLayer::kCaretLine, CaretLineFormat(palette));
  const std::size_t caretOffset = memo_.CaretOffset();
  memo_.SetMarks(MarkLayer::kCaretLine,
                 caretLine_ ? std::vector{ByteRange{caretOffset, caretOffset}} : std::vector<ByteRange>{});

  memo_.SetMarkFormat(MarkLayer::kBraces, BraceFormat(palette));
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
