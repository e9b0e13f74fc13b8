// Every text and formula command on the same text held as Shift_JIS and as
// UTF-8: decoded, the results must be the same text with the same selection.
#include <gtest/gtest.h>

#include <functional>

#include "buffer/literal.h"
#include "buffer/text_buffer.h"
#include "encoding/codec.h"
#include "markup/alignment.h"
#include "markup/font_style.h"
#include "markup/inline_inserts.h"
#include "markup/list_text.h"
#include "markup/size_group.h"
#include "math/formula.h"
#include "math/symbol_conversion.h"
#include "math/typing_aid.h"
#include "math/use_package.h"

namespace zumoku::test {
namespace {

using Command = std::function<void(EditBuffer&)>;

struct CommandRow {
  const char* name;
  Command run;
};

void PrintTo(const CommandRow& row, std::ostream* out) { *out << row.name; }

void Align(EditBuffer& b, align::Environment e) {
  align::Align(b, e, align::FindPresentBlocks(b.SelText(), b.TextEncoding()));
}

void TypeKey(EditBuffer& b, char key) {
  if (!math::CompleteTypedCharacter(b, key) && key != 0) b.SetSelText(std::string(1, key));
}

const CommandRow kCommands[] = {
    {"Bold", [](EditBuffer& b) { font::ApplyStyle(b, font::kBold); }},
    {"Slanted", [](EditBuffer& b) { font::ApplyStyle(b, font::kSlanted); }},
    {"RemoveStyle", [](EditBuffer& b) { font::RemoveStyle(b); }},
    {"Huge", [](EditBuffer& b) { size::ApplySize(b, size::kHuge10); }},
    {"RemoveSize", [](EditBuffer& b) { size::RemoveSize(b); }},
    {"Center", [](EditBuffer& b) { Align(b, align::kCenter); }},
    {"FlushLeft", [](EditBuffer& b) { Align(b, align::kFlushLeft); }},
    {"MarginNoteBothSides", [](EditBuffer& b) { insert::MarginNoteBothSides(b); }},
    {"Verb", [](EditBuffer& b) { insert::InlineVerbatim(b, "\\verb|"); }},
    {"Verbatim", [](EditBuffer& b) { insert::VerbatimBlock(b, "verbatim"); }},
    {"EmphasisDots", [](EditBuffer& b) { insert::EmphasisDots(b); }},
    {"Itemize", [](EditBuffer& b) { list::InsertList(b, list::kItemize, 2, false); }},
    {"HeadingItems", [](EditBuffer& b) { list::InsertList(b, list::kHeadingItems, 2, true); }},
    {"Ties", [](EditBuffer& b) { list::InsertSpaces(b, list::kTies, 3); }},
    {"InlineMath", [](EditBuffer& b) { math::ToggleInlineMath(b, math::IsInlineMath(b.SelText())); }},
    {"Gather", [](EditBuffer& b) { (void)math::WrapInDisplay(b, math::kGather); }},
    {"Symbols", [](EditBuffer& b) { math::ConvertSelectedSymbols(b); }},
    {"UsePackage", [](EditBuffer& b) { (void)math::EnsureUsePackage(b, "amsmath"); }},
    {"TypedBrace", [](EditBuffer& b) { TypeKey(b, '{'); }},
    {"TypedCaret", [](EditBuffer& b) { TypeKey(b, '^'); }},
};

// Japanese whose Shift_JIS second bytes are '\', '{', '|' and '}', full-width
// symbols, half-width katakana and a command around Japanese.
constexpr std::string_view kBody = "表示ソ能 構{x}\\textbf{漢字}ｶﾅﾟ Θ｛x｝＼（y）コサイン $a$ \\verb|ソ|";
constexpr std::string_view kBefore = "\\documentclass{jsarticle}\r\n\\usepackage{graphicx}\r\n\\begin{document}\r\n";
constexpr std::string_view kAfter = "\r\n\\end{document}\r\n";

struct Selection {
  const char* name;
  std::string_view from;  // the selection starts at this text in kBody ("" = caret at its start)
  std::string_view to;    // and ends after this one ("" = caret)
};

const Selection kSelections[] = {
    {"WholeLine", "表", "|ソ|"},
    {"Command", "\\textbf", "字}"},
    {"Symbols", "Θ", "コサイン"},
    {"Caret", "", ""},
};

struct Result {
  QString text;
  QString selected;
};

Result RunIn(const CommandRow& command, const Selection& selection, Encoding encoding) {
  MemoryClipboard clipboard;
  TextBuffer buffer(clipboard);
  const std::string body = Literal(kBody, encoding);
  buffer.Load(std::string(kBefore) + body + std::string(kAfter), encoding);
  const std::size_t start =
      kBefore.size() + (selection.from.empty() ? 0 : body.find(Literal(selection.from, encoding)));
  const std::string to = Literal(selection.to, encoding);
  const std::size_t end = selection.to.empty() ? start : kBefore.size() + body.find(to) + to.size();
  buffer.SetSelStart(static_cast<int>(start));
  buffer.SetSelLength(static_cast<int>(end - start));
  command.run(buffer);
  return {codec::Decode(buffer.Text(), encoding), codec::Decode(buffer.SelText(), encoding)};
}

class EncodingDifferential : public ::testing::TestWithParam<CommandRow> {};

TEST_P(EncodingDifferential, GivesTheSameTextInBothEncodings) {
  for (const Selection& selection : kSelections) {
    const Result sjis = RunIn(GetParam(), selection, Encoding::kShiftJis);
    const Result utf8 = RunIn(GetParam(), selection, Encoding::kUtf8);
    EXPECT_EQ(utf8.text, sjis.text) << selection.name;
    EXPECT_EQ(utf8.selected, sjis.selected) << selection.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, EncodingDifferential, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zumoku::test
