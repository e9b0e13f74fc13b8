#include "punctuation/unify_punctuation.h"

#include "punctuation/convertible_marks.h"

namespace zumoku::punctuation {

Counts CountMarks(std::string_view text, Encoding encoding) {
  Counts counts;
  ForEachConvertibleMark(text, encoding, 0, text.size(), [&](std::size_t, Mark mark) {
    ++(mark.style == Style::kIdeographic ? counts.ideographic : counts.fullwidth);
  });
  return counts;
}

Restyled Restyle(std::string& text, Encoding encoding, std::size_t from, std::size_t to, Style style) {
  Restyled restyled;
  // Written in place while the scan reads on: a mark keeps its length and
  // holds no ASCII byte, so the scan reads the same.
  ForEachConvertibleMark(text, encoding, from, to, [&](std::size_t at, Mark mark) {
    if (mark.style == style) return;
    const std::string& bytes = BytesOf(InStyle(mark, style), encoding);
    text.replace(at, bytes.size(), bytes);
    if (restyled.count++ == 0) restyled.first = at;
    restyled.end = at + bytes.size();
  });
  return restyled;
}

int UnifyPunctuation(EditBuffer& buffer, Style style) {
  const int selStart = buffer.SelStart();
  const int selLength = buffer.SelLength();
  std::string text = buffer.Text();
  const bool whole = selLength == 0;
  const auto from = whole ? 0 : static_cast<std::size_t>(selStart);
  const auto to = whole ? text.size() : static_cast<std::size_t>(selStart + selLength);
  const Restyled restyled = Restyle(text, buffer.TextEncoding(), from, to, style);
  if (restyled.count == 0) return 0;
  buffer.BeginUndoStep();
  buffer.SetSelStart(static_cast<int>(restyled.first));
  buffer.SetSelLength(static_cast<int>(restyled.end - restyled.first));
  buffer.SetSelText(std::string_view(text).substr(restyled.first, restyled.end - restyled.first));
  buffer.SetSelStart(selStart);
  buffer.SetSelLength(selLength);
  buffer.EndUndoStep();
  return restyled.count;
}

}  // namespace zumoku::punctuation
