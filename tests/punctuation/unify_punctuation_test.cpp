#include "punctuation/unify_punctuation.h"

#include <gtest/gtest.h>

#include "buffer/literal.h"
#include "buffer/text_buffer.h"
#include "row_name.h"

namespace zumoku {
// Found by the row names' lookup, beside the type it names.
inline std::string RowLabel(Encoding encoding) { return encoding == Encoding::kUtf8 ? "Utf8" : "ShiftJis"; }
}  // namespace zumoku

namespace zumoku::punctuation {
namespace {

// A document before and after the command, as readable UTF-8; « » mark the
// selection (none: nothing selected, the caret at the start).
struct Row {
  const char* name;
  std::string before;
  Style style;
  std::string after;
  int count;
};

constexpr Style kFull = Style::kFullwidth;
constexpr Style kIdeo = Style::kIdeographic;

const Row kRows[] = {
    {"ProseBecomesCommaAndStop", "雨が降る、風も吹く。", kFull, "雨が降る，風も吹く．", 2},
    {"ProseBecomesTenAndMaru", "a，b．\r\nc，", kIdeo, "a、b。\r\nc、", 3},
    {"MarksOfTheStyleStay", "既に，統一．", kFull, "既に，統一．", 0},
    {"HalfWidthStays", "a, b. c、", kFull, "a, b. c，", 1},
    {"InlineMath", "式$a、b$の、", kFull, "式$a、b$の，", 1},
    {"DisplayDollars", "$$x、y$$、", kFull, "$$x、y$$，", 1},
    {"ParenMath", "\\(x、\\)、", kFull, "\\(x、\\)，", 1},
    {"BracketMathOverLines", "\\[\r\nx、\r\n\\]、", kFull, "\\[\r\nx、\r\n\\]，", 1},
    {"EquationBody", "\\begin{equation}\r\nx、y\r\n\\end{equation}\r\n後、", kFull,
     "\\begin{equation}\r\nx、y\r\n\\end{equation}\r\n後，", 1},
    {"AlignStarBody", "\\begin{align*}x，\\end{align*}，", kIdeo, "\\begin{align*}x，\\end{align*}、", 1},
    {"VerbatimBody", "\\begin{verbatim}\r\n、\r\n\\end{verbatim}、", kFull,
     "\\begin{verbatim}\r\n、\r\n\\end{verbatim}，", 1},
    {"Verb", "\\verb|、|と、", kFull, "\\verb|、|と，", 1},
    {"Comment", "本文、% 注、", kFull, "本文，% 注、", 1},
    {"EscapedPercentIsNoComment", "100\\%、", kFull, "100\\%，", 1},
    {"ControlSymbol", "\\、と、", kFull, "\\、と，", 1},
    {"Label", "\\label{式、1}、", kFull, "\\label{式、1}，", 1},
    {"RefAndNestedBraces", "\\ref{a{、}b、}、", kFull, "\\ref{a{、}b、}，", 1},
    {"CiteWithANote", "\\cite[p.、]{a、b}、", kFull, "\\cite[p.、]{a、b}，", 1},
    {"HrefFirstArgumentOnly", "\\href{u、}{リンク、}", kFull, "\\href{u、}{リンク，}", 1},
    {"IncludegraphicsWithOptions", "\\includegraphics[width=1]{図、}、", kFull, "\\includegraphics[width=1]{図、}，",
     1},
    {"InputAndInclude", "\\input{章、}\\include{節、}", kFull, "\\input{章、}\\include{節、}", 0},
    {"UrlLeftOpenRunsToTheLineEnd", "\\url{a、\r\nb、", kFull, "\\url{a、\r\nb，", 1},
    {"OtherCommandsArgumentsConvert", "\\section{序論、}", kFull, "\\section{序論，}", 1},
    // ソ and 表 end in byte 5C: no backslash before $ or %.
    {"TrailByteBeforeDollar", "ソ$、$、", kFull, "ソ$、$，", 1},
    {"TrailByteBeforePercent", "表%、", kFull, "表%、", 0},
    {"SelectionOnly", "前、«中、»後、", kFull, "前、«中，»後、", 1},
    {"SelectionInsideAFormula", "$a«、»$", kFull, "$a«、»$", 0},
    {"CaretStaysWholeTextConverted", "前、«»後、", kFull, "前，«»後，", 2},
};

// The document's bytes and its selection.
struct Document {
  std::string bytes;
  int selStart = 0;
  int selLength = 0;
};

Document Encode(const std::string& marked, Encoding encoding) {
  const auto open = marked.find("«");
  if (open == std::string::npos) return {Literal(marked, encoding)};
  const auto close = marked.find("»");
  const std::string before = marked.substr(0, open);
  const std::string inside = marked.substr(open + 2, close - open - 2);
  const std::string after = marked.substr(close + 2);
  const std::string head = Literal(before, encoding);
  const std::string selected = Literal(inside, encoding);
  return {head + selected + Literal(after, encoding), static_cast<int>(head.size()), static_cast<int>(selected.size())};
}

class UnifyPunctuationTable : public ::testing::TestWithParam<std::tuple<Row, Encoding>> {};

TEST_P(UnifyPunctuationTable, ConvertsOutsideWhatIsLeftAloneAndUndoesExactly) {
  const auto& [row, encoding] = GetParam();
  const Document before = Encode(row.before, encoding);
  const Document after = Encode(row.after, encoding);
  MemoryClipboard clipboard;
  TextBuffer buffer(clipboard);
  buffer.Load(before.bytes, encoding);
  buffer.SetModified(false);
  buffer.SetSelStart(before.selStart);
  buffer.SetSelLength(before.selLength);

  EXPECT_EQ(UnifyPunctuation(buffer, row.style), row.count);
  EXPECT_EQ(buffer.Text(), after.bytes);
  EXPECT_EQ(buffer.SelStart(), before.selStart);
  EXPECT_EQ(buffer.SelLength(), before.selLength);
  EXPECT_EQ(buffer.Modified(), row.count > 0);

  buffer.Undo();
  EXPECT_EQ(buffer.Text(), before.bytes);
  EXPECT_FALSE(buffer.Modified());
}

INSTANTIATE_TEST_SUITE_P(Rows, UnifyPunctuationTable,
                         ::testing::Combine(::testing::ValuesIn(kRows),
                                            ::testing::Values(Encoding::kShiftJis, Encoding::kUtf8)),
                         test::RowName());

TEST(CountMarks, CountsEachStyleOutsideWhatIsLeftAlone) {
  for (const Encoding encoding : {Encoding::kShiftJis, Encoding::kUtf8}) {
    EXPECT_EQ(CountMarks(Literal("、。，．、\r\n$，$ % 。", encoding), encoding), (Counts{3, 2})) << RowLabel(encoding);
  }
}

}  // namespace
}  // namespace zumoku::punctuation
