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

struct MarkBytes {
  std::array<std::string, kMarks.size()> forms;
  std::array<bool, 256> leads{};  // the first bytes of the forms
};

MarkBytes MakeMarkBytes(Encoding encoding) {
  MarkBytes bytes;
  for (std::size_t i = 0; i < kMarks.size(); ++i) {
    bytes.forms.at(i) = Literal(kMarks.at(i).utf8, encoding);
    bytes.leads.at(static_cast<unsigned char>(bytes.forms.at(i).front())) = true;
  }
  return bytes;
}

const MarkBytes& MarkBytesFor(Encoding encoding) {
  static const MarkBytes sjis = MakeMarkBytes(Encoding::kShiftJis);
  static const MarkBytes utf8 = MakeMarkBytes(Encoding::kUtf8);
  return encoding == Encoding::kUtf8 ? utf8 : sjis;
}

// Byte by byte: called on every character of a document, most of them
// differing in their first byte already.
bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}
}  // namespace

std::optional<Mark> MarkOf(std::string_view c, Encoding encoding) {
  const MarkBytes& bytes = MarkBytesFor(encoding);
  for (std::size_t i = 0; i < kMarks.size(); ++i) {
    if (SameBytes(c, bytes.forms[i])) return kMarks[i].mark;
  }
  return std::nullopt;
}

bool MayBeMark(char lead, Encoding encoding) { return MarkBytesFor(encoding).leads[static_cast<unsigned char>(lead)]; }

const std::string& BytesOf(Mark mark, Encoding encoding) { return MarkBytesFor(encoding).forms.at(IndexOf(mark)); }

Mark InStyle(Mark mark, Style style) { return {style, mark.comma}; }

char16_t InStyle(char16_t c, Style style) {
  for (const MarkForm& form : kMarks) {
    if (form.unit == c) return kMarks.at(IndexOf(InStyle(form.mark, style))).unit;
  }
  return c;
}

}  // namespace zumoku::punctuation
