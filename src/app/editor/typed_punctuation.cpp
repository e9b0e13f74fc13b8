#include "app/editor/typed_punctuation.h"

#include <QTextBlock>
#include <algorithm>

#include "highlight/latex_line_scanner.h"

namespace zumoku {

namespace {
using highlight::Span;
using highlight::SpanKind;

bool InFormulaOrVerbatim(const std::vector<Span>& spans, int at) {
  return std::any_of(spans.begin(), spans.end(), [at](const Span& span) {
    return at >= span.start && at < span.start + span.length &&
           (span.kind == SpanKind::kMath || span.kind == SpanKind::kVerbatim);
  });
}
}  // namespace

TypedPunctuation::TypedPunctuation(Memo& memo, ShownTextHighlighter& highlighter)
    : memo_(memo), highlighter_(highlighter) {
  memo.SetTypedTextHandler([this](QString& typed) { Restyle(typed); });
}

void TypedPunctuation::Restyle(QString& typed) const {
  if (!style_) return;
  const auto changes = [this](QChar c) { return punctuation::InStyle(c.unicode(), *style_) != c.unicode(); };
  if (std::none_of(typed.begin(), typed.end(), changes)) return;
  // The typed text read as it will stand, line by line, after the text
  // before it on the caret's line.
  const int at = memo_.textCursor().selectionStart();
  const QTextBlock block = memo_.document()->findBlock(at);
  highlight::LineState state = highlighter_.StateAtStartOf(block);
  QString line = block.text().left(at - block.position());
  for (qsizetype from = 0; from < typed.size();) {
    qsizetype end = typed.indexOf(u'\n', from);
    if (end < 0) end = typed.size();
    const qsizetype typedStart = line.size();
    line += QStringView(typed).sliced(from, end - from);
    const auto scanned = highlight::ScanLine(
        std::u16string_view(reinterpret_cast<const char16_t*>(line.utf16()), static_cast<std::size_t>(line.size())),
        state);
    for (qsizetype i = from; i < end; ++i) {
      if (changes(typed[i]) && !InFormulaOrVerbatim(scanned.spans, static_cast<int>(typedStart + i - from))) {
        typed[i] = QChar(punctuation::InStyle(typed[i].unicode(), *style_));
      }
    }
    state = scanned.end;
    line.clear();
    from = end + 1;
  }
}

}  // namespace zumoku
