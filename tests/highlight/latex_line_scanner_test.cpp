#include "highlight/latex_line_scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "row_name.h"

namespace zumoku::highlight {
namespace {

using enum LineState;

// A line, the state it starts in, what each of its UTF-16 units is coloured
// as (c command, % comment, m math, e environment name, b bracket,
// v verbatim, blank none), and the state the next line starts in.
struct Row {
  const char* name;
  std::u16string line;
  LineState start;
  std::string marks;
  LineState end;
};

std::string Marks(const ScannedLine& scanned, std::size_t length) {
  std::string marks(length, ' ');
  for (const Span& span : scanned.spans) {
    static constexpr char kMark[] = {'c', '%', 'm', 'e', 'b', 'v'};
    for (int i = span.start; i < span.start + span.length; ++i) {
      EXPECT_EQ(marks.at(static_cast<std::size_t>(i)), ' ') << "spans overlap at " << i;
      marks.at(static_cast<std::size_t>(i)) = kMark[static_cast<int>(span.kind)];
    }
  }
  return marks;
}

class LatexLineScanner : public ::testing::TestWithParam<Row> {};

TEST_P(LatexLineScanner, ColoursTheLineAndCarriesItsState) {
  const Row& row = GetParam();
  const ScannedLine scanned = ScanLine(row.line, row.start);
  EXPECT_EQ(Marks(scanned, row.line.size()), row.marks);
  EXPECT_EQ(scanned.end, row.end);
}

const Row kRows[] = {
    {"ControlWordAndItsBraces", u"\\section{序論}", kText, "ccccccccb  b", kText},
    {"EscapedPercentIsNoComment", u"100\\% です", kText, "   cc   ", kText},
    {"PercentAfterEscapedBackslashIsAComment", u"a\\\\% x", kText, " cc%%%", kText},
    {"CommentRunsToTheLineEnd", u"a %$b", kText, "  %%%", kText},
    {"InlineMath", u"$x^2$ y", kText, "mmmmm  ", kText},
    {"InlineMathRunsOn", u"a $x", kText, "  mm", kInlineMath},
    {"CommentInsideMathKeepsTheFormulaOpen", u"a % c", kInlineMath, "mm%%%", kInlineMath},
    {"DisplayDollars", u"$$a$b$$c", kText, "mmmmmmm ", kText},
    {"ParenMathWithACommand", u"\\(\\alpha\\) x", kText, "mmccccccmm  ", kText},
    {"BracketMathOpens", u"\\[ a", kText, "mmmm", kBracketMath},
    {"BracketMathCloses", u"b \\] c", kBracketMath, "mmmm  ", kText},
    {"ControlWordStartingWithZ", u"\\zeta x", kText, "ccccc  ", kText},
    {"EquationBegins", u"\\begin{equation}", kText, "ccccccbeeeeeeeeb", kEquation},
    {"EquationBodyIsMath", u"x = {1}", kEquation, "mmmmbmb", kEquation},
    {"OtherEnvironmentInsideAnEquationKeepsItOpen", u"\\begin{cases}x", kEquation, "ccccccbeeeeebm", kEquation},
    {"AnotherEndLeavesTheEquationOpen", u"\\end{gather}", kEquation, "ccccbeeeeeeb", kEquation},
    {"EquationEnds", u"\\end{equation} x", kEquation, "ccccbeeeeeeeeb  ", kText},
    {"AlignStarBegins", u"\\begin{align*}", kText, "ccccccbeeeeeeb", kAlignStar},
    {"OtherEnvironmentsStayText", u"\\begin{itemize} x", kText, "ccccccbeeeeeeeb  ", kText},
    {"VerbatimBegins", u"\\begin{verbatim}$", kText, "ccccccbeeeeeeeebv", kVerbatim},
    {"VerbatimBodyIsLeftAlone", u"$x$ \\foo % {", kVerbatim, "vvvvvvvvvvvv", kVerbatim},
    {"VerbatimStarEndDoesNotCloseVerbatim", u"\\end{verbatim*}", kVerbatim, "vvvvvvvvvvvvvvv", kVerbatim},
    {"VerbatimEnds", u"a\\end{verbatim}$x$", kVerbatim, "vccccbeeeeeeeebmmm", kText},
    {"VerbLeavesItsBodyAlone", u"\\verb|$%{|$y$", kText, "cccccvvvvvmmm", kText},
    {"VerbStarStopsAtTheLineEnd", u"\\verb*+$x", kText, "ccccccvvv", kText},
    {"VerbTakesAWholeCharacterAsItsDelimiter", u"$\\verb😀😀x", kText, "mcccccvvvvm", kInlineMath},
    {"ControlSymbolInMath", u"$\\{$", kText, "mccm", kText},
    {"ShiftJisTrailBackslashKanjiStartNoCommand", u"ソ表能%x", kText, "   %%", kText},
    {"KanjiBeforeABrace", u"表{能}ソ", kText, " b b ", kText},
    {"BackslashAtTheLineEnd", u"a\\", kText, " c", kText},
};

INSTANTIATE_TEST_SUITE_P(Lines, LatexLineScanner, ::testing::ValuesIn(kRows), test::RowName());

// The same over a document's bytes, one mark per byte: a trail byte that
// reads as ASCII is never a delimiter.
struct ByteRow {
  const char* name;
  std::string line;
  Encoding encoding;
  LineState start;
  std::string marks;
  LineState end;
};

class LatexByteLineScanner : public ::testing::TestWithParam<ByteRow> {};

TEST_P(LatexByteLineScanner, ReadsWholeCharacters) {
  const ByteRow& row = GetParam();
  const ScannedLine scanned = ScanLine(row.line, row.start, row.encoding);
  EXPECT_EQ(Marks(scanned, row.line.size()), row.marks);
  EXPECT_EQ(scanned.end, row.end);
}

constexpr Encoding kSjis = Encoding::kShiftJis;
constexpr Encoding kUtf8 = Encoding::kUtf8;
const ByteRow kByteRows[] = {
    // ソ表能: trail bytes 0x5C
    {"SjisTrailBackslashStartsNoCommand", "\x83\x5C\x95\x5C\x94\x5C%x", kSjis, kText, "      %%", kText},
    // ±: trail byte 0x7D
    {"SjisTrailBraceEndsNoEnvironmentName", "\\begin{\x81\x7D}", kSjis, kText, "ccccccbeeb", kText},
    {"SjisTrailBackslashEndsNoVerbatim",
     "\x95\x5C"
     "end{verbatim}",
     kSjis, kVerbatim, std::string(15, 'v'), kVerbatim},
    {"SjisVerbatimEndsAfterAKanji", "\x95\x5C\\end{verbatim}", kSjis, kVerbatim, "vvccccbeeeeeeeeb", kText},
    {"Utf8MathAroundAComma", "$\xE3\x80\x81$ \xE3\x80\x82", kUtf8, kText, "mmmmm    ", kText},
    {"Utf8ControlSymbolTakesTheWholeCharacter", "\\\xEF\xBC\x8C,", kUtf8, kText, "cccc ", kText},
    {"Utf8VerbWithAFullWidthDelimiter", "\\verb\xEF\xBC\x8E$\xEF\xBC\x8E$", kUtf8, kText, "cccccvvvvvvvm", kInlineMath},
};

INSTANTIATE_TEST_SUITE_P(Lines, LatexByteLineScanner, ::testing::ValuesIn(kByteRows), test::RowName());

}  // namespace
}  // namespace zumoku::highlight
