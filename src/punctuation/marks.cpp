#include "punctuation/marks.h"

#include <array>

#include "buffer/literal.h"

namespace zumoku::punctuation {

namespace {
struct MarkForm {
  Mark mark;
  std::string_view utf8;
  char16_t unit;
};

constexpr std::array<MarkForm, 4> kMarks{{
    {{Style::kIdeographic, true}, "、", u'、'},
    {{Style::kIdeographic, false}, "。", u'。'},
    {{Style::kFullwidth, true}, "，", u'，'},
    {{Style::kFullwidth, false}, "．", u'．'},
}};

std::size_t IndexOf(Mark mark) { return (mark.style == Style::kFullwidth ? 2 : 0) + (mark.comma ? 0 : 1); }

using MarkBytes = std::array<std::string, kMarks.size()>;

MarkBytes MakeMarkBytes(Encoding encoding) {
  MarkBytes bytes;
  for (std::size_t i = 0; i < kMarks.size(); ++i) bytes.at(i) = Literal(kMarks.at(i).utf8, encoding);
  return bytes;
}

const MarkBytes& MarkBytesFor(Encoding encoding) {
  static const MarkBytes sjis = MakeMarkBytes(Encoding::kShiftJis);
  static const MarkBytes utf8 = MakeMarkBytes(Encoding::kUtf8);
  return encoding == Encoding::kUtf8 ? utf8 : sjis;
}
}  // namespace

std::optional<Mark> MarkOf(std::string_view c, Encoding encoding) {
  const MarkBytes& bytes = MarkBytesFor(encoding);
  for (std::size_t i = 0; i < kMarks.size(); ++i) {
    if (c == bytes.at(i)) return kMarks.at(i).mark;
  }
  return std::nullopt;
}

const std::string& BytesOf(Mark mark, Encoding encoding) { return MarkBytesFor(encoding).at(IndexOf(mark)); }

Mark InStyle(Mark mark, Style style) { return {style, mark.comma}; }

char16_t InStyle(char16_t c, Style style) {
  for (const MarkForm& form : kMarks) {
    if (form.unit == c) return kMarks.at(IndexOf(InStyle(form.mark, style))).unit;
  }
  return c;
}

}  // namespace zumoku::punctuation
