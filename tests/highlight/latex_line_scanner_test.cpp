#include "highlight/latex_line_scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "row_name.h"

namespace zumoku::highlight {
namespace {

using enum LineState;

// A line, the state it starts in, what each of its UTF-16 units is coloured
// as (c command, % comment, m math, e environment name, b bracket, blank
// none), and the state the next line starts in.
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
    static constexpr char kMark[] = {'c', '%', 'm', 'e', 'b'};
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
    {"VerbatimBegins", u"\\begin{verbatim}$", kText, "ccccccbeeeeeeeeb ", kVerbatim},
    {"VerbatimBodyIsLeftAlone", u"$x$ \\foo % {", kVerbatim, "            ", kVerbatim},
    {"VerbatimStarEndDoesNotCloseVerbatim", u"\\end{verbatim*}", kVerbatim, "               ", kVerbatim},
    {"VerbatimEnds", u"a\\end{verbatim}$x$", kVerbatim, " ccccbeeeeeeeebmmm", kText},
    {"VerbLeavesItsBodyAlone", u"\\verb|$%{|$y$", kText, "ccccc     mmm", kText},
    {"VerbStarStopsAtTheLineEnd", u"\\verb*+$x", kText, "cccccc   ", kText},
    {"VerbTakesAWholeCharacterAsItsDelimiter", u"$\\verb😀😀x", kText, "mccccc    m", kInlineMath},
    {"ControlSymbolInMath", u"$\\{$", kText, "mccm", kText},
    {"ShiftJisTrailBackslashKanjiStartNoCommand", u"ソ表能%x", kText, "   %%", kText},
    {"KanjiBeforeABrace", u"表{能}ソ", kText, " b b ", kText},
    {"BackslashAtTheLineEnd", u"a\\", kText, " c", kText},
};

INSTANTIATE_TEST_SUITE_P(Lines, LatexLineScanner, ::testing::ValuesIn(kRows), test::RowName());

}  // namespace
}  // namespace zumoku::highlight
